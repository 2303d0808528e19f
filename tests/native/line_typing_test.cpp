// Copying text line by line: pages read from a file's bytes, typed characters compared
// with the reference at their places, counts carried over page turns.
#include "common/line_typing.h"

#include <gtest/gtest.h>

namespace {

using qope::kArticleLines;
using qope::kEnglishLines;
using qope::ReadPage;

TEST(Paging, LinesUpToTheirLineFeedAndNoFurtherThanTheFile) {
    // CR LF reads as one line feed, a bare LF ends a line too, the last line may lack one.
    const std::string text = "asdf\r\njkl;\nlast";
    const qope::Page page = ReadPage(text, 0, kEnglishLines);
    EXPECT_EQ(page.lines, (std::vector<std::string>{"asdf\n", "jkl;\n", "last"}));
    EXPECT_EQ(page.next, std::int64_t(text.size()));
    // At the end, and past it: no lines, and the next page begins at the end again.
    for (std::int64_t start : {std::int64_t(text.size()), std::int64_t(text.size() + 40)}) {
        const qope::Page end = ReadPage(text, start, kEnglishLines);
        EXPECT_TRUE(end.lines.empty());
        EXPECT_EQ(end.next, std::int64_t(text.size()));
    }
    // A Ctrl-Z ends the text as the C library's text mode ends it.
    EXPECT_EQ(qope::TextOfFile(std::string("ab\r\n\x1A" "cd", 7)), "ab\r\n");
}

TEST(Paging, LongLinesAreCutAtTheWindowsWidthAndPagesHoldTheirPairs) {
    // 99 bytes for English: a line of 120 letters gives 99, then 21 with the line feed.
    const std::string english = std::string(120, 'a') + "\r\n" + "b\r\n";
    const qope::Page page = ReadPage(english, 0, kEnglishLines);
    ASSERT_EQ(page.lines.size(), 3u);
    EXPECT_EQ(page.lines[0], std::string(99, 'a'));
    EXPECT_EQ(page.lines[1], std::string(21, 'a') + "\n");
    // 79 bytes for articles: 35 characters and the line feed fit, 40 do not.
    const std::string han = "\xD6\xD0";  // 中
    std::string article;
    for (int line = 0; line < 7; ++line) {
        for (int i = 0; i < (line == 1 ? 40 : 35); ++i) article += han;
        article += "\r\n";
    }
    const qope::Page first = ReadPage(article, 0, kArticleLines);
    ASSERT_EQ(first.lines.size(), 5u);  // five pairs a page
    EXPECT_EQ(first.lines[0].size(), 71u);
    EXPECT_EQ(first.lines[1].size(), 79u);  // cut inside the 40th character's bytes
    EXPECT_EQ(first.lines[2], "\xD0\n");       // and its last byte read with the line feed
    // The next page begins exactly after the fifth line: byte offsets, CR LF counted whole.
    const qope::Page second = ReadPage(article, first.next, kArticleLines);
    EXPECT_EQ(second.lines.size(), 3u);
    EXPECT_EQ(first.next, std::int64_t(72 + 82 + 72 + 72));
    EXPECT_EQ(second.next, std::int64_t(article.size()));
}

TEST(Comparing, EveryCharacterAgainstTheReferenceAtItsPlace) {
    using qope::TypedChars;
    // English, one byte a character: a s d g against a s d f.
    auto english = qope::CompareTyped(TypedChars{"a", "s", "d", "g"}, "asdf\n", 1);
    EXPECT_EQ(english, (std::vector<bool>{true, true, true, false}));
    const qope::LineCount count = qope::CountMatches(english);
    EXPECT_EQ(count.right, 3);
    EXPECT_EQ(count.wrong, 1);
    // A double-byte character in an English line is one wrong character; the next still
    // lines up with its own place. Past the end of the reference nothing matches.
    EXPECT_EQ(qope::CompareTyped(TypedChars{"\xD6\xD0", "s", "x"}, "as", 1), (std::vector<bool>{false, true, false}));
    // Chinese, two bytes a character: one GBK cannot hold (empty) or a stray ASCII
    // character is one wrong character, never a shift of the pairs after it; a
    // reference with an odd byte count never matches half a character.
    const std::string ref = "\xD6\xD0\xB9\xFA\xC8\xCB" "a";  // 中国人a
    EXPECT_EQ(qope::CompareTyped(TypedChars{"\xD6\xD0", "", "\xC8\xCB", "\xB0\xA1"}, ref, 2),
              (std::vector<bool>{true, false, true, false}));
    EXPECT_EQ(qope::CompareTyped(TypedChars{"x", "\xB9\xFA"}, ref, 2), (std::vector<bool>{false, true}));
    EXPECT_EQ(qope::TypedBytes(TypedChars{"\xD6\xD0", "", "a"}), 5);
}

TEST(Tally, PagesCarryTheirCountsAndFreeInputCountsOnlyTheTotal) {
    qope::TypingTally tally(7);
    EXPECT_EQ(tally.Totals().accuracy, 0.0f);  // nothing typed: 0, not a division by zero
    tally.SetLine(0, {3, 1});
    qope::TypingTotals shown = tally.Totals();
    EXPECT_EQ(shown.total, 4);
    EXPECT_EQ(shown.correct, 3);
    EXPECT_EQ(shown.errors, 1);
    EXPECT_EQ(qope::FormatAccuracy(shown.accuracy), "75");
    tally.SetLine(1, {2, 1});
    EXPECT_EQ(qope::FormatAccuracy(tally.Totals().accuracy), "71.4286");
    // A page turn keeps the totals; the first character after it adds exactly 1.
    tally.Carry();
    EXPECT_EQ(tally.Totals().total, 7);
    tally.SetLine(0, {1, 0});
    EXPECT_EQ(tally.Totals().total, 8);
    EXPECT_EQ(tally.Totals().correct, 6);
    // Free input: every character counts in the total only, and over page turns too.
    tally.Reset(false);
    tally.SetLine(4, {0, 6});
    tally.Carry();
    tally.SetLine(0, {0, 2});
    shown = tally.Totals();
    EXPECT_EQ(shown.total, 8);
    EXPECT_EQ(shown.correct, 0);
    EXPECT_EQ(shown.errors, 0);
    EXPECT_EQ(shown.accuracy, 0.0f);
    EXPECT_EQ(qope::TypingSpeed(14, 300), 28);
    EXPECT_EQ(qope::TypingSpeed(14, 0), 0);
}

}  // namespace

#include "chinese/article_typing.h"
#include "english/english_practice.h"

namespace {

std::string Lines(int count, const std::string& line) {
    std::string text;
    for (int i = 0; i < count; ++i) text += line + "\r\n";
    return text;
}

TEST(LineCopy, PagesUntilTheEndThenNothingMoreAndTheLastLineKnown) {
    qope::LineCopy copy(kEnglishLines);
    EXPECT_FALSE(copy.HasReference());
    ASSERT_TRUE(copy.Choose(11));
    EXPECT_FALSE(copy.Choose(11));  // the same lesson again does not start over
    const std::string text = Lines(10, "asdf");
    ASSERT_TRUE(copy.LoadPage(text));
    EXPECT_EQ(copy.Reference(6), "asdf\n");
    EXPECT_FALSE(copy.AtEnd());
    EXPECT_EQ(copy.LastLine(), -1);
    copy.Typed(0, {"a", "s", "d", "g"});
    ASSERT_TRUE(copy.LoadPage(text));  // the second page, three lines
    EXPECT_TRUE(copy.AtEnd());
    EXPECT_EQ(copy.LastLine(), 2);
    EXPECT_EQ(copy.Reference(3), "");
    EXPECT_EQ(copy.Totals().total, 4);  // the first page's characters carried
    // Exhausted: a further page changes nothing, and counts nothing twice.
    copy.Typed(0, {"a"});
    EXPECT_FALSE(copy.LoadPage(text));
    EXPECT_EQ(copy.Totals().total, 5);
    EXPECT_EQ(copy.Reference(0), "asdf\n");
    // Finished: the same lesson from its first page, the totals at 0.
    copy.Restart();
    ASSERT_TRUE(copy.LoadPage(text));
    EXPECT_EQ(copy.Totals().total, 0);
    EXPECT_FALSE(copy.AtEnd());
}

TEST(MovingOn, EnglishLinesAndArticleLinesByTheirRules) {
    qope::LineCopy english(kEnglishLines);
    // No lesson chosen: nothing moves, nothing loads.
    EXPECT_TRUE(qope::EnglishLineChanged(english, 0, 1, 0).noText);
    english.Choose(11);
    english.LoadPage(Lines(7, "a s d f") + Lines(3, "jkl;"));
    // "a s d f" and its line feed: complete after seven characters, the focus moves on.
    EXPECT_EQ(qope::EnglishLineChanged(english, 0, 6, 5).focus, -1);
    EXPECT_EQ(qope::EnglishLineChanged(english, 0, 7, 6).focus, 1);
    // Emptying line 3 goes back to line 2; emptying line 1 moves nothing.
    EXPECT_EQ(qope::EnglishLineChanged(english, 2, 0, 1).focus, 1);
    EXPECT_EQ(qope::EnglishLineChanged(english, 0, 0, 1).focus, -1);
    // Line 7 complete turns the page; on the last page the line of the last reference
    // line ends the lesson, whatever the table says.
    EXPECT_TRUE(qope::EnglishLineChanged(english, 6, 7, 6).turnPage);
    english.LoadPage(Lines(7, "a s d f") + Lines(3, "jkl;"));
    EXPECT_TRUE(qope::EnglishLineChanged(english, 2, 4, 3).finished);
    EXPECT_FALSE(qope::EnglishLineChanged(english, 1, 4, 3).finished);

    qope::LineCopy article(kArticleLines);
    EXPECT_TRUE(qope::ArticleLineChanged(article, 0, 2, 0).noText);
    article.Choose(qope::kFreeInput, false);
    article.FillReferences(std::string(qope::kFreeInputBlanks, ' '));
    EXPECT_EQ(qope::ArticleLineChanged(article, 0, 70, 68).focus, 1);
    EXPECT_EQ(qope::ArticleLineChanged(article, 3, 0, 2).focus, 2);
    // Line 5 at 70 turns the page only as it grows to 70.
    EXPECT_TRUE(qope::ArticleLineChanged(article, 4, 70, 68).turnPage);
    EXPECT_FALSE(qope::ArticleLineChanged(article, 4, 68, 70).turnPage);
    EXPECT_FALSE(qope::ArticleLineChanged(article, 4, 69, 68).turnPage);
}

}  // namespace
