#include "chinese/article_typing.h"

#include "chinese/ArticleTypingDlgRes.h"

namespace qope {

namespace {
constexpr Article kArticles[] = {
#define QOPE_ARTICLE(id, caption, number, file, x, y) {id, caption, number, file},
#include "chinese/articles.def"
#undef QOPE_ARTICLE
};
constexpr int kLastLine = kArticleLines.pairs - 1;
}  // namespace

std::span<const Article> Articles() { return kArticles; }

const Article* ArticleOfButton(int button) {
    for (const Article& article : kArticles)
        if (article.button == button) return &article;
    return nullptr;
}

const Article* FindArticle(int number) {
    for (const Article& article : kArticles)
        if (article.number == number) return &article;
    return nullptr;
}

LineStep ArticleLineChanged(const LineCopy& copy, int line, int bytes, int before) {
    LineStep step;
    if (!copy.HasReference()) {
        step.noText = true;
        return step;
    }
    if (line < kLastLine && bytes >= kArticleLineBytes) step.focus = line + 1;
    if (line > 0 && bytes == 0) step.focus = line - 1;  // backspacing on above
    // Only a line that grew to its end turns the page, not one edited back and forth.
    if (line == kLastLine && bytes >= before && bytes >= kArticleLineBytes) step.turnPage = true;
    return step;
}

}  // namespace qope
