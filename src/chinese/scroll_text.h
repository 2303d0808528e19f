// The Chinese speed test's moving item: single characters cross the picture right to left
// a row at a time, words fall a column at a time. Each new item is a record drawn at
// random from the category's code table; the learner types its code before it leaves.
#pragma once

#include "common/record_source.h"
#include "drill/code_table.h"
#include "common/speed_pane.h"

#include <memory>
#include <string>
#include <string_view>

namespace qope {

inline constexpr int kScrollCategories = 9;  // 一级简码 .. 多字词组
inline constexpr int kScrollLevels = 6;      // 一级 .. 六级

// The code-table row that category 1 .. 9 reads in an edition; nullptr for any other.
const CodeTableFile* ScrollTable(int category, int edition);

// The length a typed code must have to be judged (its code field's width): 2, 3 or 4;
// 0 for an unknown category.
int RequiredCodeLength(int category);

// The files of selectfiles, as the window opens them.
class CodeTableFiles {
public:
    virtual ~CodeTableFiles() = default;
    // The file `name` open for reading; nullptr when it cannot be opened.
    virtual std::unique_ptr<RecordSource> Open(const std::string& name) = 0;
};

struct ScrollItem {
    std::string text;  // the item field, padding included
    std::string code;  // the code field, blanks included
};

// Record `record` of the table: the item field and then the code field, each file opened
// only while it is read. On failure `item` is left empty.
PaneFailure ReadScrollItem(const CodeTableFile& table, int record, CodeTableFiles& files, ScrollItem& item);

enum class CodeVerdict {
    Unjudged,  // not of the required length: left in the field
    Right,     // the item vanishes
    Wrong,
};

struct CodeCheck {
    std::string hint;  // what the hint shows now: the item's code as it was before the check
    CodeVerdict verdict = CodeVerdict::Unjudged;
};

class ScrollText final : public PaneMotion {
public:
    static constexpr PaneColour kColour{0, 255, 0};
    static constexpr int kMoveStep = 20;
    static constexpr int kRowStep = 100;
    static constexpr int kColumnStep = 360;

    explicit ScrollText(CodeTableFiles& files) : files_(files) {}

    int PeriodMs() const override;
    PaneText Text() const override;
    // Characters: once x < 20 a new item enters at x 700 a row lower, or at the top row
    // (y 10) once the row was below height − 200; else the item moves left. Words: once
    // y > height − 70 a new word starts at the top of the next column, or of the first
    // once the column was right of width − 400; else the word falls. A new item is drawn
    // only then, also when the learner has already typed the slot's item.
    PaneFailure Step(int width, int height, const RandFn& rand) override;

    // A change of the code field. The code is judged only when it has the required
    // length; a right one empties the item, whose slot moves on.
    CodeCheck Check(std::string_view typed);

    // Levels 1 .. 6, categories 1 .. 9, editions 86 and 98; other values are ignored. A
    // category or an edition empties the item and lifts a stop after a failed read (the
    // window then re-arms the timer). Categories 6 .. 9 move words; the character slot
    // stays where it was until a character category comes back.
    void SetLevel(int level);
    void SetCategory(int category);
    void SetEdition(int edition);

    int Level() const { return level_; }
    int Category() const { return category_; }
    int Edition() const { return edition_; }
    bool Words() const { return category_ > 5; }
    bool Stopped() const { return stopped_; }
    const ScrollItem& Item() const { return item_; }

private:
    PaneFailure ChooseItem(const RandFn& rand);

    CodeTableFiles& files_;
    ScrollItem item_{"我", "q "};
    int level_ = 1;
    int category_ = 1;
    int edition_ = 86;
    int charX_ = 700;
    int charY_ = 0;
    int wordX_ = 10;
    int wordY_ = 0;
    bool stopped_ = false;
};

}  // namespace qope
