#include "common/key_filters.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using qope::CharVerdict;

// The characters of `text` whose verdict is `wanted`.
template <typename Filter>
std::string Select(Filter filter, const std::string& text, CharVerdict wanted) {
    std::string out;
    for (unsigned char ch : text)
        if (filter(ch) == wanted) out += static_cast<char>(ch);
    return out;
}

const std::string kPrintable = [] {
    std::string all;
    for (int ch = 32; ch <= 126; ++ch) all += static_cast<char>(ch);
    return all;
}();

TEST(CodeEntryFilter, PassesOnlyLowerCaseSpaceAndBackspace) {
    EXPECT_EQ(Select(qope::CodeEntryChar, kPrintable, CharVerdict::Pass), " abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(qope::CodeEntryChar(qope::kBackspace), CharVerdict::Pass);
    EXPECT_EQ(qope::CodeEntryChar(qope::kEnter), CharVerdict::Drop);
    EXPECT_EQ(qope::CodeEntryChar('A'), CharVerdict::Drop);
    EXPECT_EQ(qope::CodeEntryChar(0xC4), CharVerdict::Drop);  // a byte of a Chinese character
}

TEST(CodeEntryFilter, EditingKeysDoNothingFunctionKeysAct) {
    constexpr unsigned kLeft = 0x25, kHome = 0x24, kEnd = 0x23, kDelete = 0x2E, kBack = 0x08;
    for (unsigned key : {kLeft, kHome, kEnd, kDelete, kBack, 0x41u})
        EXPECT_EQ(qope::CodeEntryKeyDown(key), qope::CodeKey::Drop) << key;
    EXPECT_EQ(qope::CodeEntryKeyDown(0x70), qope::CodeKey::WarnThenPass);  // F1
    EXPECT_EQ(qope::CodeEntryKeyDown(0x73), qope::CodeKey::Pass);          // F4
    EXPECT_EQ(qope::CodeEntryKeyDown(0x77), qope::CodeKey::HelpThenPass);  // F8
    EXPECT_EQ(qope::CodeEntryKeyDown(0x71), qope::CodeKey::Drop);          // F2
}

TEST(ImeInputFilter, LettersWarnDigitsAndPunctuationVanishInputMethodTextPasses) {
    EXPECT_EQ(Select(qope::ImeInputChar, kPrintable, CharVerdict::DropAndWarn),
              "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(Select(qope::ImeInputChar, kPrintable, CharVerdict::Pass), "");
    EXPECT_EQ(qope::ImeInputChar(qope::kEnter), CharVerdict::Drop);
    EXPECT_EQ(qope::ImeInputChar(qope::kSpace), CharVerdict::Drop);
    EXPECT_EQ(qope::ImeInputChar('7'), CharVerdict::Drop);
    EXPECT_EQ(qope::ImeInputChar(qope::kBackspace), CharVerdict::Pass);
    // "中" as GBK bytes, and as the UTF-16 unit a Unicode window receives.
    EXPECT_EQ(qope::ImeInputChar(0xD6), CharVerdict::Pass);
    EXPECT_EQ(qope::ImeInputChar(0x4E2D), CharVerdict::Pass);
}

TEST(DictInputFilter, SpaceWarnsButIsKeptCapitalsAreDroppedSilently) {
    EXPECT_EQ(qope::DictInputChar(' '), CharVerdict::PassAndWarn);
    EXPECT_EQ(qope::DictInputChar('Q'), CharVerdict::Drop);
    EXPECT_EQ(qope::DictInputChar('q'), CharVerdict::Pass);
    EXPECT_EQ(qope::DictInputChar(qope::kBackspace), CharVerdict::Pass);
    EXPECT_EQ(Select(qope::DictInputChar, kPrintable, CharVerdict::DropAndWarn),
              "!\"#$%&'()*+,-./0123456789:;<=>?@[\\]^_`{|}~");
}

TEST(LineInputFilter, DropsOnlyEnter) {
    EXPECT_EQ(Select(qope::LineInputChar, kPrintable, CharVerdict::Pass), kPrintable);
    EXPECT_EQ(qope::LineInputChar(qope::kEnter), CharVerdict::Drop);
}

TEST(FieldMessages, AreTheGbkTexts) {
    // "请转换成英文输入状态！" in GBK: the program's texts are compiled to GBK bytes.
    const std::string expected = "\xC7\xEB\xD7\xAA\xBB\xBB\xB3\xC9\xD3\xA2\xCE\xC4\xCA\xE4\xC8\xEB\xD7\xB4\xCC\xAC\xA3\xA1";
    EXPECT_EQ(std::string(qope::kSwitchToEnglishMessage), expected);
    EXPECT_EQ(std::string(qope::kF1NotHelpMessage).size(), 45u);  // 18 Chinese characters, 9 ASCII
}

}  // namespace
