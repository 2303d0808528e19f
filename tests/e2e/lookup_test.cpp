// The code lookup through the running program: the answer to the item asked now, in
// fields and key caps (compared with the program's own pictures), for code and root drills
// in both editions; the drill goes on where it was; the caps are released however the
// window closes.
#include "app/PracticeDlgRes.h"
#include "driver/qope_driver.h"
#include "lookup/CodeLookupDlgRes.h"
#include "lookup/code_lookup.h"
#include "win/diagnostics.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

using e2e::Qope;

class Lookup : public ::testing::Test {
protected:
    void SetUp() override {
        qope = Qope::Start();
        ASSERT_TRUE(qope);
    }
    // Opens the lookup and returns its window (nullptr when none came).
    HWND Open() const {
        qope->PostCommand(IDC_CODEFINDBUTTON);
        HWND dialog = qope->WaitForDialog(L"编码查询                                    谢谢使用!");
        if (dialog) qope->Settle();
        return dialog;
    }
    // Whether cap cell i of the window shows the cap picture of `key` (sampled).
    bool ShowsCap(HWND dialog, int i, char key, int edition) const {
        const e2e::Capture shot = qope->CaptureClient(dialog);
        const e2e::Capture cap = qope->ResourceBitmap(qope::KeyCapId(key, edition));
        if (cap.Width() < 69) return false;
        for (int y = 1; y < 68; y += 3)
            for (int x = 1; x < 68; x += 3)
                if (shot.At(60 + 75 * i + x, 130 + y) != cap.At(x, y)) return false;
        return true;
    }
    std::wstring Field(HWND dialog, int id) const { return qope->Text(::GetDlgItem(dialog, id)); }
    int Bar() const { return int(::SendMessageW(qope->Item(IDC_CORRECT_BAR), PBM_GETPOS, 0, 0)); }

    std::unique_ptr<Qope> qope;
};

TEST_F(Lookup, WithoutADrillOnlyTheMessage) {
    qope->PostCommand(ID_CODE_LOOKUP);
    EXPECT_EQ(qope->AnswerMessageBox(), L"对不起,您未选择对照汉字,\n\n暂不能查询,请选择后再使用!");
    EXPECT_EQ(qope->CountDialogs(), 0);
}

TEST_F(Lookup, TwoLevelCodesInBothEditionsWithTheSpaceCapAndTheDrillGoesOn) {
    for (int edition : {86, 98}) {
        SCOPED_TRACE(edition);
        qope->Command(edition == 86 ? ID_EDITION_86 : ID_EDITION_98);
        qope->Command(ID_TWO_SIMP);
        qope->Settle();
        const std::string codes = qope->ShownSetCodes(2, edition);
        ASSERT_EQ(codes.size(), 84u);
        const long census = qope->Diagnostics(win::kLiveGdiObjects);
        HWND dialog = Open();
        ASSERT_TRUE(dialog);
        const std::string code = codes.substr(0, 3);  // two letters and the blank
        EXPECT_EQ(Field(dialog, IDC_LOOKUP_CODE), std::wstring(code.begin(), code.end()));
        EXPECT_EQ(Field(dialog, IDC_LOOKUP_CHARS).size(), 1u);  // one character
        EXPECT_EQ(Field(dialog, IDC_LOOKUP_EDITION), std::to_wstring(edition));
        for (int i = 0; i < 3; ++i) EXPECT_TRUE(ShowsCap(dialog, i, code[size_t(i)], edition)) << "cap " << i;
        EXPECT_EQ(code[2], ' ');  // the last cap is the space bar's
        // Closed by Esc: the caps go, the drill still asks the same item.
        ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        ASSERT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(dialog); }));
        qope->Settle();
        EXPECT_EQ(qope->Diagnostics(win::kLiveGdiObjects), census);
        EXPECT_EQ(qope->Focus(), qope->Item(IDC_CODE_EDIT));
        qope->TypeKeys(std::wstring(code.begin(), code.end()));
        EXPECT_EQ(Bar(), 1);
    }
}

TEST_F(Lookup, RootDrillShowsOneKeyAndNoCharacters) {
    qope->Command(ID_ALL_ROOTS);
    qope->Settle();
    const std::string keys = Qope::RootKeys(qope->RootRow(390, 86), 86);
    HWND dialog = Open();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(Field(dialog, IDC_LOOKUP_CHARS), L"");
    EXPECT_EQ(Field(dialog, IDC_LOOKUP_CODE), std::wstring(1, wchar_t(keys[0])));
    EXPECT_TRUE(ShowsCap(dialog, 0, keys[0], 86));
    // Only one cap: the next cell is the blue ground.
    EXPECT_EQ(qope->CaptureClient(dialog).At(60 + 75 + 30, 160), RGB(0, 0, 255));
    // Closed with its button.
    qope->Click(::GetDlgItem(dialog, IDOK));
    ASSERT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(dialog); }));
    qope->TypeKeys(std::wstring(1, wchar_t(keys[0])));
    EXPECT_EQ(Bar(), 1);
}

}  // namespace
