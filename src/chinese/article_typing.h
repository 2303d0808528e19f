// The article typing window's articles and its rules of moving on: a typing line of 70
// bytes moves on, an emptied one goes back, the fifth line full turns the page.
#pragma once

#include "common/line_typing.h"

#include <span>

namespace qope {

struct Article {
    int button;
    const char* caption;  // GBK
    int number;
    const char* file;     // GBK, in the freeinput folder
};
std::span<const Article> Articles();
const Article* ArticleOfButton(int button);
const Article* FindArticle(int number);

inline constexpr int kFreeInput = 13;
// A typing line takes 35 Chinese characters.
inline constexpr int kArticleLineBytes = 70;
// Free input's reference lines: 80 blanks, which nothing typed matches.
inline constexpr int kFreeInputBlanks = 80;

// Typing line `line` (0-4) now takes `bytes` GBK bytes, `before` at its last change.
LineStep ArticleLineChanged(const LineCopy& copy, int line, int bytes, int before);

}  // namespace qope
