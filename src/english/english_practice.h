// The English practice window's lessons and its rules of moving on: when a typed line is
// complete, where the focus goes, when a page or a lesson is done.
#pragma once

#include "common/line_typing.h"

#include <span>

namespace qope {

struct Lesson {
    int button;
    const char* caption;  // GBK
    int number;
    const char* file;     // GBK, in the Englishtype folder
    int endLine;          // 1-7
};
std::span<const Lesson> Lessons();
const Lesson* FindLesson(int number);
const Lesson* LessonOfButton(int button);

inline constexpr const char* kLessonDoneMessage = "练习结束,请重新选择练习内容!";

// Typing line `line` (0-6) now holds `typed` characters, `before` at its last change. A
// line is complete when every character but its reference line's line feed is typed; the
// lesson ends when the line holding its last reference line is complete.
LineStep EnglishLineChanged(const LineCopy& copy, int line, int typed, int before);

}  // namespace qope
