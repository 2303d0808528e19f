#include "chinese/scroll_text.h"

#include "drill/code_drill.h"

namespace qope {

namespace {

// The drill whose code table each category reads.
constexpr PracticeKind kCategoryKinds[kScrollCategories] = {
    kOneLevel, kTwoLevel, kThreeLevel, kFullCode, kEndStroke, kTwoWords, kThreeWords, kFourWords, kMoreWords,
};

constexpr int kPeriodsMs[kScrollLevels] = {300, 200, 150, 100, 50, 1};

}  // namespace

const CodeTableFile* ScrollTable(int category, int edition) {
    if (category < 1 || category > kScrollCategories) return nullptr;
    return FindCodeTable(kCategoryKinds[category - 1], edition);
}

int RequiredCodeLength(int category) {
    const CodeTableFile* table = ScrollTable(category, 86);
    return table ? table->codeWidth : 0;
}

PaneFailure ReadScrollItem(const CodeTableFile& table, int record, CodeTableFiles& files, ScrollItem& item) {
    item = ScrollItem{};
    const std::string itemName = table.itemFile;
    const std::string codeName = table.layout == TableLayout::Paired ? table.codeFile : table.itemFile;
    ScrollItem read;
    {
        const std::unique_ptr<RecordSource> file = files.Open(itemName);
        if (!file) return {PaneFailure::CannotOpen, itemName};
        if (!ReadItemFields(table, record, 1, *file, read.text)) return {PaneFailure::Damaged, itemName};
        if (codeName == itemName) {
            if (!ReadCodeFields(table, record, 1, *file, read.code)) return {PaneFailure::Damaged, codeName};
            item = std::move(read);
            return {};
        }
    }
    const std::unique_ptr<RecordSource> file = files.Open(codeName);
    if (!file) return {PaneFailure::CannotOpen, codeName};
    if (!ReadCodeFields(table, record, 1, *file, read.code)) return {PaneFailure::Damaged, codeName};
    item = std::move(read);
    return {};
}

int ScrollText::PeriodMs() const { return stopped_ ? 0 : kPeriodsMs[level_ - 1]; }

PaneText ScrollText::Text() const {
    return Words() ? PaneText{item_.text, wordX_, wordY_, kColour} : PaneText{item_.text, charX_, charY_, kColour};
}

PaneFailure ScrollText::ChooseItem(const RandFn& rand) {
    const CodeTableFile* table = ScrollTable(category_, edition_);
    PaneFailure failure = ReadScrollItem(*table, RandBelow(rand(), table->starts), files_, item_);
    // The step is abandoned where it stood: once a choice lifts the stop, the next step
    // draws again at once.
    if (failure) stopped_ = true;
    return failure;
}

PaneFailure ScrollText::Step(int width, int height, const RandFn& rand) {
    if (stopped_) return {};
    if (!Words()) {
        if (charX_ >= 20) {
            charX_ -= kMoveStep;
            return {};
        }
        if (PaneFailure failure = ChooseItem(rand)) return failure;
        charX_ = 700;
        charY_ = charY_ > height - 200 ? 10 : charY_ + kRowStep;
        return {};
    }
    if (wordY_ <= height - 70) {
        wordY_ += kMoveStep;
        return {};
    }
    if (PaneFailure failure = ChooseItem(rand)) return failure;
    wordY_ = 0;
    wordX_ = wordX_ > width - 400 ? 10 : wordX_ + kColumnStep;
    return {};
}

CodeCheck ScrollText::Check(std::string_view typed) {
    CodeCheck check{item_.code};
    if (static_cast<int>(typed.size()) != RequiredCodeLength(category_)) return check;
    if (typed == item_.code) {
        item_ = ScrollItem{};
        check.verdict = CodeVerdict::Right;
    } else {
        check.verdict = CodeVerdict::Wrong;
    }
    return check;
}

void ScrollText::SetLevel(int level) {
    if (level >= 1 && level <= kScrollLevels) level_ = level;
}

void ScrollText::SetCategory(int category) {
    if (category < 1 || category > kScrollCategories) return;
    category_ = category;
    item_ = ScrollItem{};
    stopped_ = false;
}

void ScrollText::SetEdition(int edition) {
    if (edition != 86 && edition != 98) return;
    edition_ = edition;
    item_ = ScrollItem{};
    stopped_ = false;
}

}  // namespace qope
