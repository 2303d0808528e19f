// The dictionary search: z patterns, matching, the result layout, the record limit, damaged
// files, and the shipped 86 full-code list.
#include "lookup/dictionary.h"
#include "stdio_source.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

namespace fs = std::filesystem;
using qope::DictDamage;
using qope::DictPattern;

// Counts reads, so a search is seen to read its files in blocks and nothing for a refusal.
struct CountingSource : qope::RecordSource {
    explicit CountingSource(const std::string& path) : file(path) {}
    bool ReadAt(std::int64_t offset, char* buffer, int count) override { return ++reads, file.ReadAt(offset, buffer, count); }
    std::int64_t Size() override { return file.Size(); }
    StdioSource file;
    int reads = 0;
};

std::string Character(int i) { return {char(0xB0 + i / 94 % 40), char(0xA1 + i % 94)}; }
std::string CodeRecords(const std::vector<std::string>& codes) {
    std::string out;
    for (const auto& code : codes) out += code + "\r\n";
    return out;
}
// "abcd" with the positions of `mask` replaced by `letter`.
std::string Replaced(unsigned mask, char letter) {
    std::string code = "abcd";
    for (int p = 0; p < 4; ++p)
        if (mask >> p & 1) code[p] = letter;
    return code;
}
std::string CharRecords(int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += Character(i) + "\r\n";
    return out;
}
// The text listing characters 0 .. n - 1, all of code "abcd".
std::string Listed(int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += Character(i) + "abcd " + (i % 5 == 4 ? "\r\n" : "");
    return out;
}

class Dictionary : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("qope-dict-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    // Searches code and character lists with these bytes; the codes each entry carried.
    qope::DictResult Search(const std::string& input, const std::string& codes, const std::string& chars,
                            std::vector<std::string>* entryCodes = nullptr) {
        std::ofstream(dir_ / "en", std::ios::binary) << codes;
        std::ofstream(dir_ / "ch", std::ios::binary) << chars;
        CountingSource codeFile((dir_ / "en").string()), charFile((dir_ / "ch").string());
        std::string appended;
        auto result = qope::SearchDictionary(input, codeFile, charFile, [&](std::string_view entry) {
            appended += entry;
            if (entryCodes) entryCodes->emplace_back(entry.substr(2, 4));
        });
        EXPECT_EQ(appended, result.text);
        reads = codeFile.reads + charFile.reads;
        return result;
    }
    fs::path dir_;
    int reads = 0;
};

TEST_F(Dictionary, OnlyFourCharactersWithOneToThreeZAreSearched) {
    int searched = 0;
    for (unsigned mask = 0; mask < 16; ++mask) {
        const auto query = qope::ClassifyDictInput(Replaced(mask, 'z'));
        if (query.verdict == DictPattern::Search) {
            EXPECT_EQ(query.zMask, mask);
            ++searched;
        }
    }
    EXPECT_EQ(searched, 14);
    const std::string codes = CodeRecords({"abcd"});
    for (const auto& [input, verdict] : std::vector<std::pair<std::string, DictPattern>>{
             {"zzzz", DictPattern::TooManyZ}, {"abcd", DictPattern::NoZ}, {"abcZ", DictPattern::NoZ},
             {"abz", DictPattern::NotFourChars}, {"abzzz", DictPattern::NotFourChars}, {"", DictPattern::NotFourChars}}) {
        const auto result = Search(input, codes, CharRecords(1));
        EXPECT_EQ(result.verdict, verdict) << input;
        EXPECT_EQ(reads, 0) << input;
        EXPECT_TRUE(result.text.empty());
    }
}

TEST_F(Dictionary, EachPatternMatchesTheCodesDifferingOnlyAtItsZ) {
    // Record m differs from "abcd" at the positions of mask m: a pattern lists it exactly
    // when it covers those positions.
    std::vector<std::string> codes;
    for (unsigned m = 0; m < 16; ++m) codes.push_back(Replaced(m, 'q'));
    for (unsigned pattern = 1; pattern < 15; ++pattern) {
        const std::string input = Replaced(pattern, 'z');
        std::vector<std::string> expected, found;
        for (unsigned i = 0; i < codes.size(); ++i)
            if ((i & ~pattern) == 0) expected.push_back(codes[i]);
        const auto result = Search(input, CodeRecords(codes), CharRecords(16), &found);
        EXPECT_EQ(found, expected) << input;
        EXPECT_EQ(result.damage, DictDamage::None);
    }
}

TEST_F(Dictionary, FiveEntriesALineEachTheCharacterAndItsStoredCode) {
    const auto result = Search("zbcd", CodeRecords(std::vector<std::string>(11, "abcd")), CharRecords(11));
    EXPECT_EQ(result.text, Listed(11));
    EXPECT_EQ(result.text.substr(33, 4), "d \r\n");  // the line ends after the fifth entry's blank
    EXPECT_EQ(result.matches, 11);
    // A blank-padded short code is shown as stored.
    EXPECT_EQ(Search("azzz", CodeRecords({"bbbb", "a   "}), CharRecords(2)).text, Character(1) + "a    ");
}

TEST_F(Dictionary, SearchesTheFirst7300RecordsOrFewerWithoutDamage) {
    std::vector<std::string> codes(7302, "xxxx");
    codes[7299] = codes[7300] = codes[7301] = "abcd";
    auto result = Search("abcz", CodeRecords(codes), CharRecords(7302));
    EXPECT_EQ(result.text, Character(7299) + "abcd ");
    EXPECT_EQ(result.damage, DictDamage::None);
    codes.resize(9);
    codes[8] = "abcd";
    result = Search("abcz", CodeRecords(codes), CharRecords(9));
    EXPECT_EQ(result.text, Character(8) + "abcd ");
    EXPECT_EQ(result.damage, DictDamage::None);
    EXPECT_EQ(Search("abcz", "", "").damage, DictDamage::None);
}

TEST_F(Dictionary, DamageNamesTheFileAndKeepsTheEntriesBeforeIt) {
    const std::string codes = CodeRecords(std::vector<std::string>(6, "abcd"));
    struct Case { std::string codes, chars; DictDamage damage; int kept; } cases[] = {
        {codes, CharRecords(4), DictDamage::CharFile, 4},                         // character list short
        {codes, CharRecords(4) + Character(4), DictDamage::CharFile, 4},          // its record cut
        {codes, CharRecords(3) + "ab\r\n" + CharRecords(6).substr(16), DictDamage::CharFile, 3},
        {codes, CharRecords(2) + Character(2) + "\n\n" + CharRecords(6).substr(12), DictDamage::CharFile, 2},
        {codes + "abc", CharRecords(7), DictDamage::CodeFile, 6},                  // last code record cut
        {CodeRecords({"abcd", "abcd"}) + "abcd\n\n" + codes, CharRecords(9), DictDamage::CodeFile, 2},
    };
    for (const Case& c : cases) {
        const auto result = Search("abzz", c.codes, c.chars);
        EXPECT_EQ(result.damage, c.damage) << c.kept;
        EXPECT_EQ(result.text, Listed(c.kept));
    }
}

// A code record is what the drills accept (IsCodeField): any other byte in its four makes
// the code list damaged, where the pattern would have hidden the byte and where the record
// could never have matched alike.
TEST_F(Dictionary, ACodeOfOtherBytesThanLettersAToYAndBlanksIsTheDamagedCodeList) {
    const std::pair<const char*, std::string> bad[] = {
        {"NUL under a z", std::string("abc\0", 4)}, {"NUL", std::string("\0bcd", 4)},
        {"0xFF", "ab\xFF" "d"},                      {"capital", "aBcd"},
        {"capital under a z", "abCd"},               {"stored z", "abcz"},
        {"stored z where no z was typed", "zbcd"}};
    for (const auto& [what, code] : bad) {
        const auto result = Search("abzz", CodeRecords({"abcd", "abcd", "abcd", code, "abcd"}), CharRecords(5));
        EXPECT_EQ(result.damage, DictDamage::CodeFile) << what;
        EXPECT_EQ(result.text, Listed(3)) << what;
    }
    // blanks pad a short code and are no damage
    EXPECT_EQ(Search("abzz", CodeRecords({"ab  ", "abcd"}), CharRecords(2)).damage, DictDamage::None);
}

TEST_F(Dictionary, ShippedListFindsEveryCodeStartingWithAInItsFirst7300) {
    const fs::path folder = fs::path(QOPE_SOURCE_DIR) / "data" / "selectfiles";
    const auto& table = qope::DictionaryTable();
    auto slurp = [](const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string codes = slurp(folder / table.codeFile), chars = slurp(folder / table.itemFile);
    ASSERT_GE(codes.size(), 7300u * 6);
    std::string expected;
    int n = 0;
    for (size_t i = 0; i < 7300; ++i)
        if (codes[6 * i] == 'a')
            expected += chars.substr(4 * i, 2) + codes.substr(6 * i, 4) + " " + (++n % 5 == 0 ? "\r\n" : "");
    ASSERT_GT(n, 0);
    CountingSource codeFile((folder / table.codeFile).string()), charFile((folder / table.itemFile).string());
    const auto result = qope::SearchDictionary("azzz", codeFile, charFile);
    EXPECT_EQ(result.text, expected);
    EXPECT_EQ(result.matches, n);
    EXPECT_EQ(result.damage, DictDamage::None);
    EXPECT_EQ(codeFile.reads + charFile.reads, 2);
}

}  // namespace
