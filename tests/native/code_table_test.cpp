// Reading a drill set from the code-table files: start index, offsets, both layouts, and
// damaged files.
#include "common/crt_rand.h"
#include "drill/code_table.h"
#include "stdio_source.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

namespace {

namespace fs = std::filesystem;
using qope::CodeTable;
using qope::FindCodeTable;

TEST(CrtRand, DrawsTheWindowsSequence) {
    qope::CrtRand rand;
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int value : expected) EXPECT_EQ(rand.Next(), value);
}

TEST(StartIndex, IsSecondsTimesRandModuloN) {
    EXPECT_EQ(qope::ChooseStartIndex(0, 18467, 7272), 0);  // second 0 is always record 0
    EXPECT_EQ(qope::ChooseStartIndex(59, 32767, 7272), 59 * 32767 % 7272);
    EXPECT_EQ(qope::ChooseStartIndex(13, 41, 790), 533);
    for (int seconds = 0; seconds < 60; ++seconds)
        EXPECT_LT(qope::ChooseStartIndex(seconds, 32767, 49), 49);
    // Whatever the values, no overflow and never a record outside 0 .. N - 1.
    EXPECT_EQ(qope::ChooseStartIndex(-3, 5, 7), 6);
    const int big = qope::ChooseStartIndex(INT_MAX, INT_MIN, 7272);
    EXPECT_TRUE(big >= 0 && big < 7272);
}

TEST(CodeTableFiles, LayoutsAndRecordLengths) {
    const auto* one86 = FindCodeTable(1, 86);
    const auto* one98 = FindCodeTable(1, 98);
    ASSERT_TRUE(one86 && one98);
    EXPECT_STREQ(one86->itemFile, one98->itemFile);  // one file for both editions
    EXPECT_EQ(qope::ItemRecordLength(*one86), 6);
    EXPECT_EQ(qope::ItemRecordLength(*FindCodeTable(2, 98)), 7);
    EXPECT_EQ(qope::ItemRecordLength(*FindCodeTable(12, 86)), 10);
    EXPECT_EQ(qope::CodeRecordLength(*FindCodeTable(12, 86)), 6);
    EXPECT_EQ(qope::ItemRecordLength(*FindCodeTable(15, 98)), 26);
    EXPECT_EQ(FindCodeTable(17, 98), nullptr);  // character roots: 86 only
    EXPECT_EQ(FindCodeTable(4, 86)->starts, 7272);
}

class FixtureFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("qope-codetable-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Write(const std::string& name, const std::string& bytes) {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    fs::path dir_;
};

// n records of `width`-byte fields, blank padded, each ending in `lineEnd`.
std::string Records(int n, int width, const std::function<std::string(int)>& field, const char* lineEnd = "\r\n") {
    std::string out;
    for (int i = 0; i < n; ++i) {
        std::string f = field(i);
        f.resize(static_cast<size_t>(width), ' ');
        out += f + lineEnd;
    }
    return out;
}

// Recognisable per record and well formed: two GBK characters, three letters a-y.
std::string Word(int i) { return {char(0xB0 + i % 40), char(0xA1 + i % 94), char(0xC0 + i % 40), char(0xA1 + i % 90)}; }
std::string Code(int i) { return {char('a' + i % 25), char('a' + i / 25 % 25), 'y'}; }

TEST_F(FixtureFiles, CombinedLayoutTakesCodeAtZeroAndItemAfterIt) {
    // 98 two-level short codes: code 3, character 2, CR LF = 7 bytes a record.
    const auto* table = FindCodeTable(2, 98);
    const std::string bytes = Records(40, 5, [](int i) { return std::string{char('a' + i % 25), 'b', ' ', char(0xB0 + i), char(0xA1 + i)}; });
    const std::string path = Write("twosimpcode98.txt", bytes);
    StdioSource file(path);
    CodeTable set;
    ASSERT_EQ(qope::ReadSet(*table, 0, file, file, set), qope::SetFailure::None);
    ASSERT_EQ(set.items.size(), 56u);
    ASSERT_EQ(set.codes.size(), 84u);
    for (int k = 0; k < 28; ++k) {
        EXPECT_EQ(set.items.substr(size_t(2 * k), 2), bytes.substr(size_t(7 * k + 3), 2)) << k;
        EXPECT_EQ(set.codes.substr(size_t(3 * k), 3), bytes.substr(size_t(7 * k), 3)) << k;
    }
}

TEST_F(FixtureFiles, PairedLayoutReadsTheSameRecordsOfBothFiles) {
    // 86 two-character words: word 8 / code 4.
    const auto* table = FindCodeTable(12, 86);
    const std::string items = Write("Twowordsch.txt", Records(60, 8, Word));
    const std::string codes = Write("TwowordsCode.txt", Records(60, 4, Code));
    StdioSource itemFile(items), codeFile(codes);
    CodeTable set;
    ASSERT_EQ(qope::ReadSet(*table, 30, itemFile, codeFile, set), qope::SetFailure::None);
    EXPECT_EQ(set.items.size(), 224u);
    EXPECT_EQ(set.codes.size(), 112u);
    EXPECT_EQ(set.items.substr(0, 8), Word(30) + "    ");
    EXPECT_EQ(set.items.substr(27 * 8, 8), Word(57) + "    ");
    EXPECT_EQ(set.codes.substr(0, 4), Code(30) + " ");
    EXPECT_EQ(set.codes.substr(27 * 4, 4), Code(57) + " ");
    EXPECT_EQ(set.start, 30);
}

TEST_F(FixtureFiles, AFileTooShortForTheSetLoadsNothing) {
    const auto* table = FindCodeTable(12, 86);
    const std::string items = Write("Twowordsch.txt", Records(40, 8, Word));
    const std::string codes = Write("TwowordsCode.txt", Records(30, 4, Code));
    StdioSource itemFile(items), codeFile(codes);
    CodeTable set;
    // Records 5 .. 32 exist in the item file but not in the code file.
    EXPECT_EQ(qope::ReadSet(*table, 5, itemFile, codeFile, set), qope::SetFailure::CodeFile);
    EXPECT_TRUE(set.items.empty());
    EXPECT_TRUE(set.codes.empty());
    EXPECT_EQ(qope::ReadSet(*table, 20, itemFile, itemFile, set), qope::SetFailure::ItemFile);
    // A record cut in the middle is short too.
    const std::string cut = Write("cut.txt", Records(28, 8, Word).substr(0, 28 * 10 - 3));
    StdioSource cutFile(cut);
    EXPECT_EQ(qope::ReadSet(*table, 0, cutFile, codeFile, set), qope::SetFailure::ItemFile);
    // No start reaches before the file or wraps its offset around.
    EXPECT_EQ(qope::ReadSet(*table, -1, itemFile, codeFile, set), qope::SetFailure::ItemFile);
    EXPECT_EQ(qope::ReadSet(*table, INT_MIN, itemFile, codeFile, set), qope::SetFailure::ItemFile);
    EXPECT_EQ(qope::ReadSet(*table, INT_MAX, itemFile, codeFile, set), qope::SetFailure::ItemFile);
    EXPECT_TRUE(set.items.empty());
}

// One set of both layouts of the word drills with one byte damaged in its first or last
// record: the reader must refuse the set and name the file, yet read the set after it.
// Paired: word 8 | CR LF and code 4 | CR LF. Combined: code 4, word 8 | CR LF.
TEST_F(FixtureFiles, ABadByteInAnyRecordOfTheSetIsADamagedFile) {
    enum Part { Item, Code4, LineEndOfItems, LineEndOfCodes };
    struct Damage {
        const char* what;
        Part part;
        int offset;
        char byte;
    };
    const Damage damages[] = {
        {"CR", LineEndOfItems, 0, ' '},       {"LF", LineEndOfCodes, 1, '\r'},
        {"0xFF", Item, 2, '\xFF'},            {"trail 0x7F", Item, 3, '\x7F'},
        {"lead, blank", Item, 4, '\xB0'},     {"lead as last byte", Item, 7, '\xB0'},
        {"z", Code4, 0, 'z'},                 {"capital", Code4, 1, 'A'},
        {"0xFF in a code", Code4, 3, '\xFF'}, {"NUL in a code", Code4, 2, '\0'},
    };
    const auto* paired = FindCodeTable(12, 86);
    const auto* combined = FindCodeTable(12, 98);
    const std::string items = Records(70, 8, Word), codes = Records(70, 4, Code);
    const std::string both = Records(70, 12, [](int i) { return Code(i) + " " + Word(i); });
    for (const Damage& d : damages) {
        for (int record : {10, 37}) {  // the set starting at 10
            SCOPED_TRACE(std::string(d.what) + " in record " + std::to_string(record));
            std::string item = items, code = codes, one = both;
            const size_t i = size_t(record * 10 + d.offset), c = size_t(record * 6 + d.offset), b = size_t(record * 14 + d.offset);
            switch (d.part) {
            case Item: item[i] = one[b + 4] = d.byte; break;
            case Code4: code[c] = one[b] = d.byte; break;
            case LineEndOfItems: item[i + 8] = one[b + 12] = d.byte; break;
            case LineEndOfCodes: code[c + 4] = one[b + 12] = d.byte; break;
            }
            StdioSource itemFile(Write("Twowordsch.txt", item)), codeFile(Write("TwowordsCode.txt", code));
            StdioSource combinedFile(Write("Twowordsch98.txt", one));
            const bool inCodes = d.part == Code4 || d.part == LineEndOfCodes;
            CodeTable set;
            EXPECT_EQ(qope::ReadSet(*paired, 10, itemFile, codeFile, set),
                      inCodes ? qope::SetFailure::CodeFile : qope::SetFailure::ItemFile);
            EXPECT_TRUE(set.items.empty() && set.codes.empty());
            EXPECT_EQ(qope::ReadSet(*paired, 38, itemFile, codeFile, set), qope::SetFailure::None);
            // One file: a bad code is found by the code read, anything else by the item read.
            EXPECT_EQ(qope::ReadSet(*combined, 10, combinedFile, combinedFile, set),
                      d.part == Code4 ? qope::SetFailure::CodeFile : qope::SetFailure::ItemFile);
            EXPECT_TRUE(set.items.empty() && set.codes.empty());
            EXPECT_EQ(qope::ReadSet(*combined, 38, combinedFile, combinedFile, set), qope::SetFailure::None);
        }
    }
}

TEST_F(FixtureFiles, LFLineEndsAreADamagedFile) {
    const auto* paired = FindCodeTable(12, 86);
    StdioSource lfItems(Write("lf-items.txt", Records(40, 8, Word, "\n"))), items(Write("items.txt", Records(40, 8, Word)));
    StdioSource lfCodes(Write("lf-codes.txt", Records(40, 4, Code, "\n"))), codes(Write("codes.txt", Records(40, 4, Code)));
    CodeTable set;
    EXPECT_EQ(qope::ReadSet(*paired, 0, lfItems, codes, set), qope::SetFailure::ItemFile);
    EXPECT_EQ(qope::ReadSet(*paired, 0, items, lfCodes, set), qope::SetFailure::CodeFile);
    StdioSource lfBoth(Write("lf-both.txt", Records(40, 12, [](int i) { return Code(i) + " " + Word(i); }, "\n")));
    EXPECT_EQ(qope::ReadSet(*FindCodeTable(12, 98), 0, lfBoth, lfBoth, set), qope::SetFailure::ItemFile);
    EXPECT_TRUE(set.items.empty() && set.codes.empty());
}

TEST_F(FixtureFiles, AZeroByteInAFieldIsADamagedFile) {
    const auto* table = FindCodeTable(4, 86);
    std::string bytes = Records(40, 2, [](int) { return "\xCE\xD2"; });
    bytes[10 * 4 + 1] = '\0';
    const std::string items = Write("AllCodech.txt", bytes);
    const std::string codes = Write("AllCodeen.txt", Records(40, 4, [](int) { return "trnt"; }));
    StdioSource itemFile(items), codeFile(codes);
    CodeTable set;
    EXPECT_EQ(qope::ReadSet(*table, 0, itemFile, codeFile, set), qope::SetFailure::ItemFile);
    EXPECT_EQ(qope::ReadSet(*table, 11, itemFile, codeFile, set), qope::SetFailure::None);
}

TEST_F(FixtureFiles, AMissingFileReadsNothing) {
    StdioSource missing((dir_ / "nope.txt").string());
    EXPECT_FALSE(missing.Open());
    CodeTable set;
    EXPECT_EQ(qope::ReadSet(*FindCodeTable(1, 86), 0, missing, missing, set), qope::SetFailure::ItemFile);
}

}  // namespace

namespace {

// The same reading on the shipped code tables.
class ShippedFiles : public ::testing::Test {
protected:
    static std::string PathOf(const char* file) { return std::string(QOPE_SOURCE_DIR) + "/data/selectfiles/" + file; }
    static std::string Record(const char* file, int length, int index) {
        std::ifstream in(PathOf(file), std::ios::binary);
        in.seekg(std::streamoff(index) * length);
        std::string record(size_t(length), '\0');
        in.read(record.data(), length);
        return record;
    }
};

TEST_F(ShippedFiles, LastStartOfThe86FullCodesReadsRecords7271To7298) {
    const auto* table = FindCodeTable(4, 86);
    StdioSource items(PathOf(table->itemFile)), codes(PathOf(table->codeFile));
    CodeTable set;
    ASSERT_EQ(qope::ReadSet(*table, table->starts - 1, items, codes, set), qope::SetFailure::None);
    EXPECT_EQ(set.start, 7271);
    for (int k = 0; k < 28; ++k) {
        EXPECT_EQ(set.items.substr(size_t(2 * k), 2), Record("AllCodech.txt", 4, 7271 + k).substr(0, 2));
        EXPECT_EQ(set.codes.substr(size_t(4 * k), 4), Record("AllCodeen.txt", 6, 7271 + k).substr(0, 4));
    }
}

TEST_F(ShippedFiles, EveryDrillReadsAFullSetAtEveryStart) {
    // Records are checked one by one, so sets 28 apart and the last start cover every
    // record any start 0 .. N - 1 reads.
    for (int kind : {1, 2, 3, 4, 12, 13, 14, 15, 16, 17}) {
        for (int edition : {86, 98}) {
            const auto* table = FindCodeTable(kind, edition);
            if (!table) continue;
            const bool paired = table->layout == qope::TableLayout::Paired;
            StdioSource items(PathOf(table->itemFile)), codes(PathOf(paired ? table->codeFile : table->itemFile));
            std::vector<int> starts{table->starts - 1};
            for (int start = 0; start < table->starts; start += qope::kSetRecords) starts.push_back(start);
            for (int start : starts) {
                CodeTable set;
                ASSERT_EQ(qope::ReadSet(*table, start, items, codes, set), qope::SetFailure::None)
                    << kind << "/" << edition << " at " << start;
                EXPECT_EQ(set.items.size(), size_t(28 * table->itemWidth));
                EXPECT_EQ(set.codes.size(), size_t(28 * table->codeWidth));
            }
        }
    }
    // The 86 two-character words: 224 bytes of words, 112 of codes.
    const auto* words = FindCodeTable(12, 86);
    StdioSource items(PathOf(words->itemFile)), codes(PathOf(words->codeFile));
    CodeTable set;
    ASSERT_EQ(qope::ReadSet(*words, 100, items, codes, set), qope::SetFailure::None);
    EXPECT_EQ(set.items.size(), 224u);
    EXPECT_EQ(set.codes.size(), 112u);
}

TEST_F(ShippedFiles, The98TwoLevelFileGivesItemsAtByte3AndCodesAtByte0OfEachRecord) {
    const auto* table = FindCodeTable(2, 98);
    StdioSource file(PathOf(table->itemFile));
    CodeTable set;
    ASSERT_EQ(qope::ReadSet(*table, 0, file, file, set), qope::SetFailure::None);
    for (int k = 0; k < 28; ++k) {
        const std::string record = Record("twosimpcode98.txt", 7, k);
        EXPECT_EQ(set.items.substr(size_t(2 * k), 2), record.substr(3, 2));
        EXPECT_EQ(set.codes.substr(size_t(3 * k), 3), record.substr(0, 3));
        EXPECT_EQ(record.substr(5, 2), "\r\n");
    }
}

}  // namespace
