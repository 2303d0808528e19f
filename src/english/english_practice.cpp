#include "english/english_practice.h"

#include "english/EnglishPracticeDlgRes.h"

namespace qope {

namespace {
constexpr Lesson kLessons[] = {
#define QOPE_LESSON(id, caption, number, file, endLine, x, y) {id, caption, number, file, endLine},
#include "english/english_lessons.def"
#undef QOPE_LESSON
};
constexpr int kLastLine = kEnglishLines.pairs - 1;
}  // namespace

std::span<const Lesson> Lessons() { return kLessons; }

const Lesson* FindLesson(int number) {
    for (const Lesson& lesson : kLessons)
        if (lesson.number == number) return &lesson;
    return nullptr;
}

const Lesson* LessonOfButton(int button) {
    for (const Lesson& lesson : kLessons)
        if (lesson.button == button) return &lesson;
    return nullptr;
}

LineStep EnglishLineChanged(const LineCopy& copy, int line, int typed, int before) {
    LineStep step;
    if (!copy.HasReference()) {
        step.noText = true;
        return step;
    }
    const bool complete = typed + 1 >= static_cast<int>(copy.Reference(line).size());
    const bool shrunk = typed < before;
    if (line < kLastLine && complete) {
        if (copy.LastLine() == line) {
            step.finished = true;
            return step;
        }
        step.focus = line + 1;
    }
    if (line > 0 && shrunk && typed == 0) step.focus = line - 1;  // backspacing on above
    if (line == kLastLine && !shrunk && complete) {
        if (copy.LastLine() == kLastLine) step.finished = true;
        else step.turnPage = true;
    }
    return step;
}

}  // namespace qope
