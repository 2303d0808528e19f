#include "english/falling_letter.h"

namespace qope {

namespace {

constexpr std::string_view kPools[kLetterCategories] = {
    "abcdefghijklmnopqrstuvwxyz",
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ",
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz",
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
    "1234567890!@#$%^&*()`~,./;'[]-=\\<>?:\"{}_+|",
};

constexpr int kPeriodsMs[kLetterLevels] = {200, 150, 100, 50, 1};

}  // namespace

std::string_view LetterPool(int category) {
    return category >= 1 && category <= kLetterCategories ? kPools[category - 1] : std::string_view{};
}

int FallingLetter::PeriodMs() const { return kPeriodsMs[level_ - 1]; }

PaneFailure FallingLetter::Step(int width, int height, const RandFn& rand) {
    if (y_ > height - 70) {
        const std::string_view pool = LetterPool(category_);
        letter_.assign(1, pool[static_cast<size_t>(RandBelow(rand(), static_cast<int>(pool.size())))]);
        y_ = 0;
        x_ = x_ > width - 100 ? 10 : x_ + kColumnStep;
    } else {
        y_ += kFallStep;
    }
    return {};
}

Hit FallingLetter::Judge(std::string_view typed) {
    if (typed.empty()) return Hit::None;
    if (typed != letter_) return Hit::Wrong;
    letter_.clear();
    return Hit::Right;
}

void FallingLetter::SetLevel(int level) {
    if (level >= 1 && level <= kLetterLevels) level_ = level;
}

void FallingLetter::SetCategory(int category) {
    if (category >= 1 && category <= kLetterCategories) category_ = category;
}

}  // namespace qope
