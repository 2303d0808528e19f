// The Wubi drills through the running program: sets read from the shipped code tables,
// answers typed as real keystrokes, the lines, bars and key hints read back.
#include "drill/code_table.h"
#include "drill/code_drill.h"
#include "drill/key_hint.h"
#include "driver/qope_driver.h"
#include "app/PracticeDlgRes.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <fstream>
#include <iterator>

namespace {

using e2e::Qope;

class Drills : public ::testing::Test {
protected:
    void SetUp() override {
        qope = Qope::Start();
        ASSERT_TRUE(qope);
    }
    int Bar(int id) const { return int(::SendMessageW(qope->Item(id), PBM_GETPOS, 0, 0)); }
    std::string Gbk(int id) const { return qope->Gbk(id); }
    void Answer(const std::string& code) const {
        qope->TypeKeys(std::wstring(code.begin(), code.end()));
    }
    // Starts a drill in an edition and returns the codes of its set.
    std::string Start(int menu, int kind, int edition) const {
        qope->Command(edition == 86 ? ID_EDITION_86 : ID_EDITION_98);
        qope->Command(menu);
        qope->Settle();
        return qope->ShownSetCodes(kind, edition);
    }
    std::unique_ptr<Qope> qope;
};

struct KindCase {
    int kind;
    int menu;
};
constexpr KindCase kKinds[] = {
    {1, ID_ONE_SIMP},      {2, ID_TWO_SIMP},     {3, ID_THREE_SIMP}, {4, ID_ALL_CODES},
    {16, ID_END_STROKE},   {17, ID_WORD_ROOTS},  {12, ID_TWO_WORDS}, {13, ID_THREE_WORDS},
    {14, ID_FOUR_WORDS},   {15, ID_MORE_WORDS},
};

TEST_F(Drills, AFullSetOfEveryKindInBothEditions) {
    for (int edition : {86, 98}) {
        qope->Command(edition == 86 ? ID_EDITION_86 : ID_EDITION_98);
        for (const KindCase& k : kKinds) {
            if (k.kind == 17 && edition == 98) continue;
            SCOPED_TRACE(testing::Message() << "kind " << k.kind << ", edition " << edition);
            const qope::DrillKind* drill = qope::FindDrillKind(k.kind);
            const std::string codes = Start(k.menu, k.kind, edition);
            ASSERT_EQ(codes.size(), size_t(28 * drill->codeWidth)) << "set not found in the shipped files";
            EXPECT_EQ(Gbk(IDC_STATUS), drill->status);
            const std::string reference = Gbk(IDC_COMPARE_TEXT);
            for (int i = 0; i < drill->setLength - 1; ++i) {
                Answer(codes.substr(size_t(i * drill->codeWidth), size_t(drill->codeWidth)));
                ASSERT_EQ(Gbk(IDC_INPUT_TEXT), reference.substr(0, size_t((i + 1) * drill->referenceStep))) << i;
                ASSERT_EQ(Bar(IDC_CORRECT_BAR), i + 1);
            }
            EXPECT_EQ(Bar(IDC_ERROR_BAR), 0);
            EXPECT_EQ(qope->Text(IDC_CODE_EDIT), L"");
            // The answer that completes the set starts the next one at once.
            Answer(codes.substr(size_t((drill->setLength - 1) * drill->codeWidth), size_t(drill->codeWidth)));
            EXPECT_EQ(Gbk(IDC_INPUT_TEXT), "");
            EXPECT_EQ(Bar(IDC_CORRECT_BAR), 0);
            EXPECT_EQ(qope->ShownSetCodes(k.kind, edition).size(),
                      codes.size());
        }
    }
}

TEST_F(Drills, StatusLineNamesTheDrill) {
    qope->Command(ID_TWO_WORDS);
    EXPECT_EQ(qope->Text(IDC_STATUS), L"你所练习的是二字词组！");
    qope->Command(ID_END_STROKE);
    EXPECT_EQ(qope->Text(IDC_STATUS), L"你所练习的是末笔识别码！");
}

TEST_F(Drills, OneLevelChecksAtTheBlank) {
    const std::string codes = Start(ID_ONE_SIMP, 1, 86);
    ASSERT_FALSE(codes.empty());
    Answer(codes.substr(0, 1));
    EXPECT_EQ(Bar(IDC_CORRECT_BAR) + Bar(IDC_ERROR_BAR), 0);
    EXPECT_EQ(qope->Text(IDC_CODE_EDIT).size(), 1u);
    Answer(" ");
    EXPECT_EQ(Bar(IDC_CORRECT_BAR), 1);
    EXPECT_EQ(Gbk(IDC_INPUT_TEXT), Gbk(IDC_COMPARE_TEXT).substr(0, 2));
}

TEST_F(Drills, TwoLevelWithoutItsBlankIsWrong) {
    const std::string codes = Start(ID_TWO_SIMP, 2, 98);
    ASSERT_FALSE(codes.empty());
    const char third = codes[0] == 'a' ? 'b' : 'a';
    Answer(codes.substr(0, 2) + third);
    EXPECT_EQ(Bar(IDC_ERROR_BAR), 1);
    EXPECT_EQ(Bar(IDC_CORRECT_BAR), 0);
    EXPECT_EQ(qope->Text(IDC_CODE_EDIT), L"");
    Answer(codes.substr(0, 3));
    EXPECT_EQ(Bar(IDC_CORRECT_BAR), 1);
}

TEST_F(Drills, FullCodeWrongInTheFourthLetterCountsOnce) {
    const std::string codes = Start(ID_ALL_CODES, 4, 86);
    ASSERT_FALSE(codes.empty());
    std::string code = codes.substr(0, 4);
    code[3] = code[3] == 'y' ? 'x' : 'y';
    Answer(code);
    EXPECT_EQ(Bar(IDC_ERROR_BAR), 1);
    EXPECT_EQ(Gbk(IDC_INPUT_TEXT), "");
    EXPECT_EQ(qope->Text(IDC_CODE_EDIT), L"");
}

TEST_F(Drills, SixTwoWordAnswersFillFortyEightBytes) {
    const std::string codes = Start(ID_TWO_WORDS, 12, 86);
    ASSERT_FALSE(codes.empty());
    for (int i = 0; i < 6; ++i) Answer(codes.substr(size_t(4 * i), 4));
    EXPECT_EQ(Gbk(IDC_INPUT_TEXT).size(), 48u);
    EXPECT_EQ(Bar(IDC_CORRECT_BAR), 6);
    Answer(codes.substr(24, 4));
    EXPECT_EQ(Gbk(IDC_INPUT_TEXT), "");
    EXPECT_EQ(Bar(IDC_CORRECT_BAR), 0);
    EXPECT_EQ(Bar(IDC_ERROR_BAR), 0);
}

TEST_F(Drills, CapsLockLettersAreDropped) {
    const std::string codes = Start(ID_ALL_CODES, 4, 86);
    ASSERT_FALSE(codes.empty());
    qope->Key(VK_CAPITAL);
    qope->TypeKeys(L"abcd");
    EXPECT_EQ(qope->Text(IDC_CODE_EDIT), L"");
    EXPECT_EQ(Bar(IDC_ERROR_BAR), 0);
    qope->Key(VK_CAPITAL);
    Answer(codes.substr(0, 4));
    EXPECT_EQ(Bar(IDC_CORRECT_BAR), 1);
}

TEST_F(Drills, CharacterRootsAre86Only) {
    qope->Command(ID_EDITION_98);
    qope->PostCommand(ID_WORD_ROOTS);
    EXPECT_EQ(qope->AnswerMessageBox(), L"此项功能只对86版有效！");
    EXPECT_EQ(qope->Text(IDC_STATUS), L"你所练习的是成字字根！");
    // No set stays loaded: typing meets the no-reference message.
    qope->TypeKeys(L"a");
    EXPECT_EQ(qope->AnswerMessageBox(), L"对不起,您未选择对照汉字,\n\n暂不能输入,请选择后再输入!");
}

TEST_F(Drills, EditionSwitchAbandonsTheSet) {
    ASSERT_FALSE(Start(ID_ALL_CODES, 4, 86).empty());
    qope->Command(ID_EDITION_98);
    EXPECT_EQ(qope->Text(IDC_COMPARE_TEXT), L"");
    EXPECT_EQ(qope->Text(IDC_STATUS), L"你还没有选择练习内容！");
    qope->TypeKeys(L"a");
    EXPECT_EQ(qope->AnswerMessageBox(), L"对不起,您未选择对照汉字,\n\n暂不能输入,请选择后再输入!");
}

// Key hints: the picture area against the program's own pictures.
class KeyHints : public Drills {
protected:
    // Whether the 70 x 70 block at (x, y) of the window shows `bitmap` (sampled).
    bool Shows(const e2e::Capture& shot, int x, int y, const e2e::Capture& bitmap, int bx, int by) const {
        for (int dy = 2; dy < 68; dy += 5)
            for (int dx = 2; dx < 68; dx += 5)
                if (shot.At(x + dx, y + dy) != bitmap.At(bx + dx, by + dy)) return false;
        return true;
    }
    // Checks every key: lit exactly when it is in `lit`.
    void ExpectLit(const std::vector<char>& lit, int edition) {
        const e2e::Capture shot = qope->CaptureClient(qope->Main());
        const e2e::Capture map = qope->ResourceBitmap(edition == 86 ? IDB_KEYMAP86 : IDB_KEYMAP98);
        ASSERT_GE(map.Width(), 762);
        for (char letter = 'a'; letter <= 'y'; ++letter) {
            const qope::KeyPicture* key = qope::FindKeyPicture(letter);
            const bool wanted = std::find(lit.begin(), lit.end(), letter) != lit.end();
            if (wanted) {
                const e2e::Capture picture = qope->ResourceBitmap(edition == 86 ? key->id86 : key->id98);
                EXPECT_TRUE(Shows(shot, key->x, key->y, picture, 0, 0)) << "key " << letter << " not lit";
            } else {
                EXPECT_TRUE(Shows(shot, key->x, key->y, map, key->x - 14, key->y - 10)) << "key " << letter << " lit";
            }
        }
    }
};

TEST_F(KeyHints, FollowTheCurrentCodeOnTheMapInBothEditions) {
    for (int edition : {86, 98}) {
        SCOPED_TRACE(edition);
        qope->Command(edition == 86 ? ID_EDITION_86 : ID_EDITION_98);
        qope->Command(IDC_KEYHELPBUTTON);
        EXPECT_EQ(qope->Text(IDC_KEYHELPBUTTON), L"背景");
        const std::string codes = Start(ID_ALL_CODES, 4, edition);
        ASSERT_FALSE(codes.empty());
        ExpectLit(qope::HintedKeys(codes, 0, 4), edition);
        Answer(codes.substr(0, 4));
        ExpectLit(qope::HintedKeys(codes, 4, 4), edition);
        // A wrong answer leaves the hint where it is.
        std::string wrong = codes.substr(4, 4);
        wrong[0] = wrong[0] == 'a' ? 'b' : 'a';
        Answer(wrong);
        ExpectLit(qope::HintedKeys(codes, 4, 4), edition);

        // One-level codes light one key: the letter, not the blank.
        const std::string one = Start(ID_ONE_SIMP, 1, edition);
        ASSERT_FALSE(one.empty());
        ExpectLit({one[0]}, edition);

        // Hints off: the plain map; on: the hint for the current item at once.
        qope->Command(ID_KEY_HINTS_OFF);
        ExpectLit({}, edition);
        Answer(one.substr(0, 2));
        ExpectLit({}, edition);
        qope->Command(ID_KEY_HINTS_ON);
        ExpectLit({one[2]}, edition);

        // Twice pressed, the toggle returns to the title picture.
        qope->Command(IDC_KEYHELPBUTTON);
        EXPECT_EQ(qope->Text(IDC_KEYHELPBUTTON), L"键盘");
    }
}

TEST_F(KeyHints, AreNeverDrawnOverTheTitlePicture) {
    const std::string codes = Start(ID_ALL_CODES, 4, 86);
    ASSERT_FALSE(codes.empty());
    Answer(codes.substr(0, 4));
    const e2e::Capture shot = qope->CaptureClient(qope->Main());
    const e2e::Capture title = qope->ResourceBitmap(IDB_TITLE86);
    for (char letter : qope::HintedKeys(codes, 4, 4)) {
        const qope::KeyPicture* key = qope::FindKeyPicture(letter);
        EXPECT_TRUE(Shows(shot, key->x, key->y, title, key->x - 14, key->y - 10)) << letter;
    }
}

}  // namespace

namespace {

using e2e::InstalledFileChange;

class DamagedFiles : public Drills {
protected:
    // Starts a drill whose file is bad: one box naming the file, and no set loaded.
    void ExpectReportAndNoSet(int menu, const std::wstring& expectedText) {
        qope->PostCommand(menu);
        EXPECT_EQ(qope->AnswerMessageBox(), expectedText);
        EXPECT_EQ(qope->FindDialog(L"Qope"), nullptr) << "told only once";
        EXPECT_EQ(qope->Text(IDC_COMPARE_TEXT), L"");
        qope->TypeKeys(L"a");
        EXPECT_EQ(qope->AnswerMessageBox(), L"对不起,您未选择对照汉字,\n\n暂不能输入,请选择后再输入!");
    }
};

TEST_F(DamagedFiles, AShortCodeFileIsReportedAndLoadsNothing) {
    InstalledFileChange file(L"shibuicode.txt");
    file.Truncate(6 * 20);  // 20 records: too few for any set
    ExpectReportAndNoSet(ID_END_STROKE, L"文件 " + file.Path() + L" 不完整或已损坏，\n\n无法读取练习内容。");
}

TEST_F(DamagedFiles, AMissingFileIsReportedByName) {
    InstalledFileChange file(L"AllCodeen.txt");
    file.Remove();
    ExpectReportAndNoSet(ID_ALL_CODES, L"无法打开文件 " + file.Path() + L"。");
}

}  // namespace
