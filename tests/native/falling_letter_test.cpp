// The English speed test's falling letter: start, columns and their wrap, judging, and a
// category change that waits for the next letter.
#include "english/falling_letter.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

using qope::FallingLetter;
using qope::Hit;

// A rand() that hands out `values` and counts its calls.
struct Rand {
    std::vector<int> values;
    int calls = 0;
    qope::RandFn Fn() {
        return [this] { return values[static_cast<size_t>(calls++) % values.size()]; };
    }
};

TEST(FallingLetter, StartsWithAAtTheLeftFallingTwentyPixelsAStep) {
    FallingLetter letter;
    Rand rand{{0}};
    qope::PaneText text = letter.Text();
    EXPECT_EQ(text.text, "a");
    EXPECT_EQ(text.x, 10);
    EXPECT_EQ(text.y, 0);
    EXPECT_EQ(text.colour.r, 255);
    EXPECT_EQ(text.colour.g + text.colour.b, 0);
    EXPECT_EQ(letter.PeriodMs(), 200);
    for (int y = 20; y <= 480; y += 20) {
        EXPECT_FALSE(letter.Step(666, 550, rand.Fn()));
        EXPECT_EQ(letter.Text().y, y);
    }
    EXPECT_EQ(rand.calls, 0);  // rand() is drawn only for a new letter
    EXPECT_EQ(letter.Text().x, 10);

    const int periods[] = {200, 150, 100, 50, 1};
    for (int level = 1; level <= 5; ++level) {
        letter.SetLevel(level);
        EXPECT_EQ(letter.PeriodMs(), periods[level - 1]);
    }
    letter.SetLevel(6);
    EXPECT_EQ(letter.Level(), 5);
}

TEST(FallingLetter, PoolsHoldTheirCharactersOnce) {
    EXPECT_EQ(qope::LetterPool(1).size(), 26u);
    EXPECT_EQ(qope::LetterPool(2).size(), 26u);
    EXPECT_EQ(qope::LetterPool(3).size(), 52u);
    EXPECT_EQ(qope::LetterPool(4).size(), 94u);
    EXPECT_EQ(qope::LetterPool(3), std::string(qope::LetterPool(2)) + std::string(qope::LetterPool(1)));
    EXPECT_EQ(qope::LetterPool(4).substr(0, 52), qope::LetterPool(3));
    // The last set is every printable ASCII character but the blank, none twice.
    const std::string_view all = qope::LetterPool(4);
    const std::set<char> distinct(all.begin(), all.end());
    EXPECT_EQ(distinct.size(), 94u);
    EXPECT_EQ(*distinct.begin(), '!');
    EXPECT_EQ(*distinct.rbegin(), '~');
    EXPECT_TRUE(qope::LetterPool(0).empty());
    EXPECT_TRUE(qope::LetterPool(5).empty());
}

// Steps until a new letter starts; returns its column.
int NextColumn(FallingLetter& letter, int width, int height, Rand& rand) {
    const int calls = rand.calls;
    for (int i = 0; i < 100 && rand.calls == calls; ++i) letter.Step(width, height, rand.Fn());
    EXPECT_EQ(letter.Text().y, 0);
    return letter.Text().x;
}

TEST(FallingLetter, ColumnsLie190ApartAndWrapOnceTheLastWasRightOfWidthLess100) {
    FallingLetter letter;
    Rand rand{{41, 18467, 6334}};
    // A new letter once y passes height − 70: in 550 pixels at y 500, after 25 falls.
    for (int i = 0; i < 25; ++i) letter.Step(666, 550, rand.Fn());
    EXPECT_EQ(letter.Text().y, 500);
    EXPECT_EQ(rand.calls, 0);
    EXPECT_EQ(NextColumn(letter, 666, 550, rand), 200);
    EXPECT_EQ(letter.Text().text, "p");  // 41 % 26
    EXPECT_EQ(NextColumn(letter, 666, 550, rand), 390);
    EXPECT_EQ(letter.Text().text, "h");  // 18467 % 26
    EXPECT_EQ(NextColumn(letter, 666, 550, rand), 580);
    EXPECT_EQ(NextColumn(letter, 666, 550, rand), 10);
    // 390 is not right of 490 − 100, so the column after it still comes.
    EXPECT_EQ(NextColumn(letter, 490, 550, rand), 200);
    EXPECT_EQ(NextColumn(letter, 490, 550, rand), 390);
    EXPECT_EQ(NextColumn(letter, 490, 550, rand), 580);
    EXPECT_EQ(NextColumn(letter, 490, 550, rand), 10);
}

TEST(FallingLetter, AHitEmptiesTheLetterAndItsSlotFallsOn) {
    FallingLetter letter;
    Rand rand{{3}};
    EXPECT_EQ(letter.Judge("A"), Hit::Wrong);  // case matters
    EXPECT_EQ(letter.Judge("ab"), Hit::Wrong);
    EXPECT_EQ(letter.Text().text, "a");
    EXPECT_EQ(letter.Judge("a"), Hit::Right);
    EXPECT_TRUE(letter.Text().text.empty());
    EXPECT_EQ(letter.Judge("a"), Hit::Wrong);  // nothing left to hit
    EXPECT_EQ(letter.Judge(""), Hit::None);
    letter.Step(666, 550, rand.Fn());
    EXPECT_EQ(letter.Text().y, 20);
    EXPECT_EQ(NextColumn(letter, 666, 550, rand), 200);
    EXPECT_EQ(letter.Text().text, "d");
    EXPECT_EQ(letter.Judge("d"), Hit::Right);
}

TEST(FallingLetter, ANewCategoryWaitsForTheNextLetter) {
    FallingLetter letter;
    Rand rand{{93}};
    letter.SetCategory(4);
    letter.SetCategory(0);  // ignored
    EXPECT_EQ(letter.Category(), 4);
    for (int i = 0; i < 25; ++i) {
        letter.Step(666, 550, rand.Fn());
        EXPECT_EQ(letter.Text().text, "a");
    }
    NextColumn(letter, 666, 550, rand);
    EXPECT_EQ(letter.Text().text, "|");  // the 94th, in no set but the last
    letter.SetCategory(1);
    NextColumn(letter, 666, 550, rand);
    EXPECT_EQ(letter.Text().text, "p");  // 93 % 26
}

}  // namespace
