// The English speed test's falling letter: one character at a time falls 20 pixels a
// step down its column; columns lie 190 pixels apart from the left and wrap.
#pragma once

#include "common/speed_pane.h"

#include <string>
#include <string_view>

namespace qope {

inline constexpr int kLetterCategories = 4;  // 英文小写, 英文大写, 英大小写, 全部字符
inline constexpr int kLetterLevels = 5;      // 一级 .. 五级

// The characters category 1 .. 4 draws from; empty for any other number.
std::string_view LetterPool(int category);

// A keystroke's judgement.
enum class Hit {
    None,   // nothing typed (the field emptied by the window itself): not a keystroke
    Right,  // the falling letter, byte for byte
    Wrong,
};

class FallingLetter final : public PaneMotion {
public:
    static constexpr PaneColour kColour{255, 0, 0};
    static constexpr int kFallStep = 20;
    static constexpr int kColumnStep = 190;

    int PeriodMs() const override;
    PaneText Text() const override { return {letter_, x_, y_, kColour}; }
    // Past the bottom band (y > height − 70) a new letter of the current category starts
    // at the top of the next column, or of the first once the last was further right than
    // width − 100; else the letter falls. Never fails.
    PaneFailure Step(int width, int height, const RandFn& rand) override;

    // A hit empties the letter; its slot goes on falling, so every key until the next
    // letter shows is wrong, and an untyped letter is never counted.
    Hit Judge(std::string_view typed);

    // Levels 1 .. 5 and categories 1 .. 4; other values are ignored. A new category takes
    // effect with the next letter.
    void SetLevel(int level);
    void SetCategory(int category);

    int Level() const { return level_; }
    int Category() const { return category_; }
    std::string_view Letter() const { return letter_; }

private:
    int x_ = 10;
    int y_ = 0;
    std::string letter_ = "a";
    int category_ = 1;
    int level_ = 1;
};

}  // namespace qope
