// The Chinese speed test's moving item: start, rows and columns with their wraps, judging
// and the hint, the item read for every category of both editions, and failed reads.
#include "chinese/scroll_text.h"
#include "stdio_source.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <vector>

namespace {

using qope::CodeVerdict;
using qope::PaneFailure;
using qope::ScrollText;

std::string Shipped(const std::string& name) { return std::string(QOPE_SOURCE_DIR) + "/data/selectfiles/" + name; }

class MemorySource : public qope::RecordSource {
public:
    explicit MemorySource(std::string bytes) : bytes_(std::move(bytes)) {}
    bool ReadAt(std::int64_t offset, char* buffer, int count) override {
        if (offset < 0 || offset + count > static_cast<std::int64_t>(bytes_.size())) return false;
        std::memcpy(buffer, bytes_.data() + offset, static_cast<size_t>(count));
        return true;
    }
    std::int64_t Size() override { return static_cast<std::int64_t>(bytes_.size()); }

private:
    std::string bytes_;
};

// The shipped files, unless a test replaces or hides one; counts every open.
struct Files : qope::CodeTableFiles {
    std::map<std::string, std::string> replaced;
    std::set<std::string> missing;
    std::vector<std::string> opened;
    std::unique_ptr<qope::RecordSource> Open(const std::string& name) override {
        opened.push_back(name);
        if (missing.count(name)) return nullptr;
        if (auto it = replaced.find(name); it != replaced.end()) return std::make_unique<MemorySource>(it->second);
        auto file = std::make_unique<StdioSource>(Shipped(name));
        if (!file->Open()) return nullptr;
        return file;
    }
};

struct Rand {
    std::vector<int> values{0};
    int calls = 0;
    qope::RandFn Fn() {
        return [this] { return values[static_cast<size_t>(calls++) % values.size()]; };
    }
};

// Steps until a new item is drawn (or the step fails); returns that step's failure.
PaneFailure StepToNextItem(ScrollText& text, Rand& rand, int width = 1050, int height = 570) {
    const int calls = rand.calls;
    for (int i = 0; i < 200; ++i) {
        PaneFailure failure = text.Step(width, height, rand.Fn());
        if (failure || rand.calls != calls) return failure;
    }
    ADD_FAILURE() << "no new item in 200 steps";
    return {};
}

TEST(ScrollText, StartsWithWoFromTheRightAndCrossesRowByRow) {
    Files files;
    ScrollText text(files);
    Rand rand;
    qope::PaneText shown = text.Text();
    EXPECT_EQ(shown.text, "我");
    EXPECT_EQ(text.Item().code, "q ");
    EXPECT_EQ(shown.x, 700);
    EXPECT_EQ(shown.y, 0);
    EXPECT_EQ(shown.colour.g, 255);
    EXPECT_EQ(shown.colour.r + shown.colour.b, 0);
    const int periods[] = {300, 200, 150, 100, 50, 1};
    for (int level = 6; level >= 1; --level) {
        text.SetLevel(level);
        EXPECT_EQ(text.PeriodMs(), periods[level - 1]);
    }
    // 20 pixels left a step; x 0 is the first left of 20, where the next item enters.
    for (int x = 680; x >= 0; x -= 20) {
        EXPECT_FALSE(text.Step(1050, 570, rand.Fn()));
        EXPECT_EQ(text.Text().x, x);
    }
    EXPECT_EQ(rand.calls, 0);
    EXPECT_TRUE(files.opened.empty());
    // Rows 100 apart; the row after one below height − 200 is the top row, y 10.
    for (int y : {100, 200, 300, 400, 10, 110}) {
        EXPECT_FALSE(StepToNextItem(text, rand));
        EXPECT_EQ(text.Text().x, 700);
        EXPECT_EQ(text.Text().y, y);
        EXPECT_FALSE(text.Text().text.empty());
    }
}

TEST(ScrollText, WordsFallAColumnAtATimeAndWrap) {
    Files files;
    ScrollText text(files);
    Rand rand;
    text.SetCategory(6);
    EXPECT_TRUE(text.Words());
    EXPECT_EQ(text.Text().x, 10);
    EXPECT_EQ(text.Text().y, 0);
    text.Step(1050, 570, rand.Fn());
    EXPECT_EQ(text.Text().y, 20);
    // A new word once y passes height − 70; a column right of width − 400 wraps.
    for (int x : {370, 730, 10, 370}) {
        EXPECT_FALSE(StepToNextItem(text, rand));
        EXPECT_EQ(text.Text().x, x);
        EXPECT_EQ(text.Text().y, 0);
        EXPECT_EQ(text.Text().text.size(), 8u);
        EXPECT_EQ(text.Item().code.size(), 4u);
    }
}

TEST(ScrollText, ARightCodeAtTheFastestLevelStillWaitsForTheEmptySlotToLeave) {
    Files files;
    ScrollText text(files);
    Rand rand;
    text.SetLevel(6);
    // The hint shows the item's code from the first key; a code is judged at its length.
    qope::CodeCheck check = text.Check("q");
    EXPECT_EQ(check.hint, "q ");
    EXPECT_EQ(check.verdict, CodeVerdict::Unjudged);
    check = text.Check("q ");
    EXPECT_EQ(check.verdict, CodeVerdict::Right);
    EXPECT_EQ(check.hint, "q ");  // kept after a right answer until the next key
    EXPECT_TRUE(text.Text().text.empty());
    EXPECT_EQ(text.Check("q").hint, "");
    EXPECT_EQ(text.Check("q ").verdict, CodeVerdict::Wrong);  // nothing left to type
    for (int i = 0; i < 35; ++i) text.Step(1050, 570, rand.Fn());
    EXPECT_EQ(text.Text().x, 0);
    EXPECT_EQ(rand.calls, 0);
    EXPECT_TRUE(files.opened.empty());
    text.Step(1050, 570, rand.Fn());
    EXPECT_EQ(rand.calls, 1);
    EXPECT_FALSE(text.Text().text.empty());
    const std::string code = text.Item().code;
    EXPECT_EQ(text.Check("zz").verdict, CodeVerdict::Wrong);
    EXPECT_EQ(text.Item().code, code);  // a wrong code leaves the item
}

TEST(ScrollText, WordsFreezeTheCharacterSlot) {
    Files files;
    ScrollText text(files);
    Rand rand;
    for (int i = 0; i < 5; ++i) text.Step(1050, 570, rand.Fn());
    EXPECT_EQ(text.Text().x, 600);
    text.SetCategory(7);
    EXPECT_TRUE(text.Item().text.empty() && text.Item().code.empty());
    for (int i = 0; i < 5; ++i) text.Step(1050, 570, rand.Fn());
    EXPECT_EQ(text.Text().x, 10);
    EXPECT_EQ(text.Text().y, 100);
    text.SetCategory(5);
    EXPECT_EQ(text.Text().x, 600);  // where the characters stopped
    EXPECT_EQ(text.Text().y, 0);
}

TEST(ScrollText, RequiredCodeLengths) {
    const int lengths[] = {2, 3, 4, 4, 4, 4, 4, 4, 4};
    for (int category = 1; category <= 9; ++category)
        EXPECT_EQ(qope::RequiredCodeLength(category), lengths[category - 1]) << category;
    EXPECT_EQ(qope::RequiredCodeLength(10), 0);

    Files files;
    ScrollText text(files);
    text.SetCategory(3);  // empties the item
    EXPECT_EQ(text.Check("q ").verdict, CodeVerdict::Unjudged);
    EXPECT_EQ(text.Check("abc").verdict, CodeVerdict::Unjudged);
    EXPECT_EQ(text.Check("abcd").verdict, CodeVerdict::Wrong);
    EXPECT_EQ(text.Check("abcde").verdict, CodeVerdict::Unjudged);  // past it: never judged
}

// The item and code of record r, at the offsets of its layout, straight from the bytes.
void RawRecord(const qope::CodeTableFile& table, int r, std::string& item, std::string& code) {
    auto bytes = [](const std::string& name, std::int64_t offset, int count) {
        std::ifstream in(Shipped(name), std::ios::binary);
        in.seekg(offset);
        std::string out(static_cast<size_t>(count), '\0');
        in.read(out.data(), count);
        return out;
    };
    if (table.layout == qope::TableLayout::Paired) {
        item = bytes(table.itemFile, std::int64_t(r) * (table.itemWidth + 2), table.itemWidth);
        code = bytes(table.codeFile, std::int64_t(r) * (table.codeWidth + 2), table.codeWidth);
    } else {
        const std::int64_t record = std::int64_t(r) * (table.codeWidth + table.itemWidth + 2);
        item = bytes(table.itemFile, record + table.codeWidth, table.itemWidth);
        code = bytes(table.itemFile, record, table.codeWidth);
    }
}

TEST(ScrollText, EveryRecordOfEveryCategoryReadsAsTheDrillsReadIt) {
    const int records86[] = {790, 630, 3847, 7272, 652, 246, 159, 155, 49};
    const int records98[] = {790, 634, 1314, 1330, 503, 246, 159, 155, 49};
    Files files;
    for (int edition : {86, 98}) {
        for (int category = 1; category <= 9; ++category) {
            SCOPED_TRACE(std::to_string(edition) + " category " + std::to_string(category));
            const qope::CodeTableFile* table = qope::ScrollTable(category, edition);
            ASSERT_NE(table, nullptr);
            EXPECT_EQ(table->starts, (edition == 86 ? records86 : records98)[category - 1]);
            const bool paired = table->layout == qope::TableLayout::Paired;
            EXPECT_EQ(paired, edition == 86 && category > 1);
            StdioSource items(Shipped(table->itemFile)), codes(Shipped(paired ? table->codeFile : table->itemFile));
            std::vector<int> starts{table->starts - 1};
            for (int start = 0; start < table->starts; start += qope::kSetRecords) starts.push_back(start);
            for (int start : starts) {
                qope::CodeTable set;
                ASSERT_EQ(qope::ReadSet(*table, start, items, codes, set), qope::SetFailure::None);
                for (int k = 0; k < qope::kSetRecords && start + k < table->starts; ++k) {
                    const int r = start + k;
                    qope::ScrollItem item;
                    ASSERT_FALSE(qope::ReadScrollItem(*table, r, files, item)) << r;
                    EXPECT_EQ(item.text, set.items.substr(size_t(k * table->itemWidth), size_t(table->itemWidth))) << r;
                    EXPECT_EQ(item.code, set.codes.substr(size_t(k * table->codeWidth), size_t(table->codeWidth))) << r;
                    if (r % 97 == 0 || r == table->starts - 1) {
                        std::string rawItem, rawCode;
                        RawRecord(*table, r, rawItem, rawCode);
                        EXPECT_EQ(item.text, rawItem) << r;
                        EXPECT_EQ(item.code, rawCode) << r;
                    }
                }
            }
        }
    }
    EXPECT_EQ(qope::ScrollTable(0, 86), nullptr);
    EXPECT_EQ(qope::ScrollTable(1, 87), nullptr);
}

TEST(ScrollText, ANewItemIsRandModuloTheRecordCount) {
    Files files;
    ScrollText text(files);
    Rand rand{{7272 + 5}};
    text.SetCategory(4);
    text.SetEdition(98);
    ASSERT_FALSE(StepToNextItem(text, rand));
    qope::ScrollItem expected;
    ASSERT_FALSE(qope::ReadScrollItem(*qope::ScrollTable(4, 98), (7272 + 5) % 1330, files, expected));
    EXPECT_EQ(text.Item().text, expected.text);
    EXPECT_EQ(text.Item().code, expected.code);
    text.SetEdition(86);
    ASSERT_FALSE(StepToNextItem(text, rand));
    ASSERT_FALSE(qope::ReadScrollItem(*qope::ScrollTable(4, 86), 5, files, expected));
    EXPECT_EQ(text.Item().text, expected.text);
    // Paired files are opened one after the other, the item file first.
    EXPECT_EQ(files.opened.back(), "AllCodeen.txt");
    EXPECT_EQ(files.opened[files.opened.size() - 2], "AllCodech.txt");
}

TEST(ScrollText, AFailedReadIsReportedOnceAndStopsThePacingUntilAChoice) {
    Files files;
    ScrollText text(files);
    Rand rand;
    files.missing.insert("TwoCode.txt");
    text.SetCategory(2);
    PaneFailure failure = StepToNextItem(text, rand);
    EXPECT_EQ(failure.kind, PaneFailure::CannotOpen);
    EXPECT_EQ(failure.file, "TwoCode.txt");
    EXPECT_TRUE(text.Stopped());
    EXPECT_EQ(text.PeriodMs(), 0);
    EXPECT_TRUE(text.Text().text.empty());
    const size_t opens = files.opened.size();
    for (int i = 0; i < 50; ++i) EXPECT_FALSE(text.Step(1050, 570, rand.Fn()));
    EXPECT_EQ(files.opened.size(), opens);
    EXPECT_EQ(text.Text().x, 0);  // the slot waits where the read failed

    // A choice lifts the stop; the slot draws again at once.
    text.SetLevel(3);
    EXPECT_TRUE(text.Stopped());
    files.missing.clear();
    // Two records of the 98 two-level file, the second with a capital in its code.
    files.replaced["twosimpcode98.txt"] = "aa \xB9\xA4\r\nbB \xB9\xA4\r\n";
    text.SetEdition(98);
    EXPECT_EQ(text.PeriodMs(), 150);
    rand.values = {0};
    EXPECT_FALSE(text.Step(1050, 570, rand.Fn()));
    EXPECT_EQ(text.Item().code, "aa ");
    EXPECT_EQ(text.Text().x, 700);
    rand.values = {1};
    failure = StepToNextItem(text, rand);
    EXPECT_EQ(failure.kind, PaneFailure::Damaged);
    EXPECT_EQ(failure.file, "twosimpcode98.txt");
    EXPECT_TRUE(text.Item().text.empty() && text.Item().code.empty());  // never a garbage item
    EXPECT_FALSE(text.Step(1050, 570, rand.Fn()));

    // A file too short for the record drawn: the 86 words' code file ends early.
    text.SetEdition(86);
    text.SetCategory(6);
    files.replaced["TwowordsCode.txt"] = "aaaa\r\n";
    rand.values = {245};
    failure = StepToNextItem(text, rand);
    EXPECT_EQ(failure.kind, PaneFailure::Damaged);
    EXPECT_EQ(failure.file, "TwowordsCode.txt");
}

}  // namespace
