// Copying a text line by line, as the English practice and the article typing windows do
// it: pages of reference lines read from a file, every typed character compared with the
// reference at its place, the counts of a page carried over page turns, accuracy and speed.
// Each window gives its own numbers (LineTypingRules).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qope {

struct LineTypingRules {
    int pairs;         // reference and typing lines of a page
    int maxLineBytes;  // a reference line: at most this many bytes, up to its line feed
    int unit;          // the bytes of the reference one typed character stands for
};
// English: seven pairs, lines of at most 99 bytes, one byte a character.
inline constexpr LineTypingRules kEnglishLines{7, 99, 1};
// Chinese articles: five pairs, lines of at most 79 bytes, two bytes a character.
inline constexpr LineTypingRules kArticleLines{5, 79, 2};

// What a lesson or article file holds as text: all of it up to a Ctrl-Z, as the C
// library's text mode would end it there.
std::string_view TextOfFile(std::string_view file);

// A page: up to `pairs` reference lines, and the byte where the next page begins.
struct Page {
    std::vector<std::string> lines;
    std::int64_t next = 0;
};

// Reads the page at byte `start` of `text`. Each reference line is the next read of at
// most maxLineBytes bytes that stops after the first line feed, which stays at its end;
// CR LF reads as one line feed and a bare LF ends a line too. A last line without a line
// feed ends with the text. Nothing is read at or past the end of the text: such a page has
// no lines and its next page begins at the end.
Page ReadPage(std::string_view text, std::int64_t start, const LineTypingRules& rules);

// The characters of a typing line as GBK, one string each; a character GBK cannot hold
// is an empty string.
using TypedChars = std::vector<std::string>;

// The GBK bytes a typing line takes (a character GBK cannot hold counts as two bytes: it
// came from an input method).
int TypedBytes(const TypedChars& typed);

// Whether each typed character equals the reference at its place: character k stands for
// the `unit` bytes of the reference from k × unit; a character of another width, one GBK
// cannot hold, or one past the end of the reference never matches. So a stray character
// is one wrong character and the rest keep their places.
std::vector<bool> CompareTyped(const TypedChars& typed, std::string_view reference, int unit);

struct LineCount {
    int right = 0;
    int wrong = 0;
};
LineCount CountMatches(const std::vector<bool>& matches);

struct TypingTotals {
    int total = 0;
    int correct = 0;
    int errors = 0;
    float accuracy = 0;  // percent, not rounded; 0 with nothing typed
};

// The counts of the lines of the page shown and of the pages before it.
class TypingTally {
public:
    explicit TypingTally(int lines) : lines_(static_cast<size_t>(lines)) {}

    void SetLine(int line, LineCount count);
    void ClearLines();
    // A page turn: what the lines counted stays in the totals.
    void Carry();
    // Everything back to 0; `judged` says whether right and wrong count from now on
    // (lessons, articles) or every character only adds to the total (free input).
    void Reset(bool judged = true);

    TypingTotals Totals() const;

private:
    std::vector<LineCount> lines_;
    TypingTotals carried_;
    bool judged_ = true;
};

// Characters a minute over `ticks` of 100 ms (0 before the first tick).
int TypingSpeed(int total, std::int64_t ticks);

// An accuracy as the windows show it: up to six significant digits (66.6667, 75, 0).
std::string FormatAccuracy(float accuracy);

}  // namespace qope

namespace qope {

// Typing with nothing to copy, in either window.
inline constexpr const char* kNoTextMessage = "对不起！你未选择对照文章，请选择后使用！";

// What a change of a typing line comes to, by the window's rules of moving on.
struct LineStep {
    bool noText = false;    // nothing to copy: the message, and nothing moves or loads
    int focus = -1;         // the typing line (0-based) the focus moves to, -1 none
    bool finished = false;  // the text is done
    bool turnPage = false;  // the page is done: the next one
};

// The copying in progress in one of the two windows: which text, where its next page
// begins, the reference lines shown, the counts and the clock. The window shows it and
// acts on what its changes come to; each window's own rules of moving on lie beside it.
class LineCopy {
public:
    explicit LineCopy(const LineTypingRules& rules);

    const LineTypingRules& Rules() const { return rules_; }
    int Text() const { return text_; }  // the lesson or article, 0 none
    // The reference lines shown now (`pairs` of them, empty where the page has none).
    const std::vector<std::string>& References() const { return references_; }
    const std::string& Reference(int line) const { return references_[static_cast<size_t>(line)]; }
    bool HasReference() const { return text_ != 0 && !references_[0].empty(); }

    // Text `text` is chosen: another one starts from its beginning with everything at 0
    // (judged: right and wrong count; free input only counts); the same one stays.
    // True when it started over.
    bool Choose(int text, bool judged = true);
    // The next page of the chosen text from its file's text (TextOfFile): the lines are
    // emptied, the page read, the counts so far carried. False, and nothing changes,
    // when the text has been read to its end.
    bool LoadPage(std::string_view fileText);
    // Whether the page shown is the text's last: its end was read.
    bool AtEnd() const { return atEnd_; }
    // The line that holds the text's last reference line (0-based), -1 before the end.
    int LastLine() const;
    // Every reference line becomes `line` (free input's blanks); the counts of the lines
    // carried, so a cleared page keeps what was typed on it in the totals.
    void FillReferences(const std::string& line);
    // The whole text again from its first page, everything at 0 (a finished lesson).
    void Restart(bool judged = true);

    // A typing line now holds `typed`: its counts are taken again.
    void Typed(int line, const TypedChars& typed);
    // Every line's counts again from what the lines hold (a paint rebuilds them).
    void Recount(const std::vector<TypedChars>& lines);
    TypingTotals Totals() const { return tally_.Totals(); }

    void Tick() { ++ticks_; }
    std::int64_t Ticks() const { return ticks_; }
    int Speed() const { return TypingSpeed(tally_.Totals().total, ticks_); }

private:
    LineTypingRules rules_;
    int text_ = 0;
    std::int64_t readPos_ = 0;
    bool atEnd_ = false;
    std::vector<std::string> references_;
    TypingTally tally_;
    std::int64_t ticks_ = 0;
};

}  // namespace qope
