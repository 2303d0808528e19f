// The shared edit classes on real edit controls: what each lets through, what it says,
// which sound it asks for and how it colours itself.
#include "common/EditControls.h"
#include "common/install_paths.h"
#include "dialog_harness.h"
#include "win/scoped.h"

#include <gtest/gtest.h>

namespace {

void Chars(HWND edit, const std::wstring& text) {
    for (wchar_t ch : text) ::SendMessageW(edit, WM_CHAR, ch, 1);
}

DWORD Caret(HWND edit) {
    DWORD start = 0, end = 0;
    ::SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return end;
}

// Runs `body` with `control` bound to the text field of the harness dialog.
template <typename Control>
void WithField(Control& control, int id, std::function<void(HarnessDialog&, HWND)> body) {
    HarnessDialog dialog([&](HarnessDialog& d) { body(d, d.Item(id)); });
    dialog.m_strText.clear();
    dialog.onInit = [&](HarnessDialog& d) { d.Bind(control, id); };
    dialog.RunModal(nullptr);
}

TEST(CodeEntryEdit, TakesLowerCaseSpaceAndBackspaceAndClicksForEveryCharacter) {
    CCodeEntryEdit field;
    SoundCatcher sounds;
    WithField(field, IDC_TEST_TEXT, [](HarnessDialog&, HWND edit) {
        ::SendMessageW(edit, EM_LIMITTEXT, 0, 0);
        Chars(edit, L"ab");
        Chars(edit, L"C3;.\r");
        Chars(edit, L" c");
        EXPECT_EQ(ControlText(edit), L"ab c");
        Chars(edit, L"\b");
        EXPECT_EQ(ControlText(edit), L"ab ");
    });
    EXPECT_EQ(sounds.Names().size(), 10u);
    for (const std::wstring& name : sounds.Names()) EXPECT_EQ(name, qope::kSoundCodeClick);
}

TEST(CodeEntryEdit, EditingKeysDoNothing) {
    CCodeEntryEdit field;
    WithField(field, IDC_TEST_TEXT, [](HarnessDialog&, HWND edit) {
        Chars(edit, L"abc");
        ASSERT_EQ(Caret(edit), 3u);
        for (WPARAM key : {VK_LEFT, VK_HOME, VK_DELETE}) ::SendMessageW(edit, WM_KEYDOWN, key, 1);
        EXPECT_EQ(Caret(edit), 3u);
        EXPECT_EQ(ControlText(edit), L"abc");
    });
    // Without the filter the same keys do move the caret, so the test above means something.
    HarnessDialog plain([](HarnessDialog& d) {
        HWND edit = d.Item(IDC_TEST_TEXT);
        ::SetWindowTextW(edit, L"abc");
        ::SendMessageW(edit, EM_SETSEL, 3, 3);
        ::SendMessageW(edit, WM_KEYDOWN, VK_LEFT, 1);
        EXPECT_EQ(Caret(edit), 2u);
    });
    plain.RunModal(nullptr);
}

TEST(CodeEntryEdit, F1WarnsAndF8AsksForTheHelp) {
    CCodeEntryEdit field;
    int helpRequests = 0;
    field.onHelp = [&] { ++helpRequests; };
    MessageBoxCatcher boxes;
    WithField(field, IDC_TEST_TEXT, [](HarnessDialog&, HWND edit) {
        ::SendMessageW(edit, WM_KEYDOWN, VK_F1, 1);
        ::SendMessageW(edit, WM_KEYDOWN, VK_F8, 1);
        ::SendMessageW(edit, WM_KEYDOWN, VK_F4, 1);
    });
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], L"对不起,F1键不是帮助键,\n\n请按F8键获得系统帮助!");
    EXPECT_EQ(helpRequests, 1);
}

TEST(DictInputEdit, WarnsOnAnythingButLettersAndKeepsTheSpace) {
    CDictInputEdit field;
    MessageBoxCatcher boxes;
    SoundCatcher sounds;
    WithField(field, IDC_TEST_TEXT, [](HarnessDialog&, HWND edit) {
        ::SendMessageW(edit, EM_LIMITTEXT, 0, 0);
        Chars(edit, L"a Q1b\b");
        EXPECT_EQ(ControlText(edit), L"a ");
    });
    ASSERT_EQ(boxes.texts.size(), 2u);  // the space and the digit
    EXPECT_EQ(boxes.texts[0], L"请转换成英文输入状态！");
    EXPECT_EQ(sounds.Names().size(), 6u);
    for (const std::wstring& name : sounds.Names()) EXPECT_EQ(name, qope::kSoundKeyClick);
}

TEST(ImeInputEdit, TakesInputMethodTextAndSendsLettersAway) {
    CImeInputEdit field;
    MessageBoxCatcher boxes;
    WithField(field, IDC_TEST_TEXT, [](HarnessDialog&, HWND edit) {
        ::SendMessageW(edit, EM_LIMITTEXT, 0, 0);
        Chars(edit, L"中文 1,.");
        Chars(edit, L"x");
        Chars(edit, L"字");
        EXPECT_EQ(ControlText(edit), L"中文字");
    });
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0].rfind(L"对不起，你没有启动汉字输入法!\n\n", 0), 0u);
}

TEST(LineInputEdit, DropsEnterOnly) {
    CLineInputEdit field;
    WithField(field, IDC_TEST_LINES, [](HarnessDialog&, HWND edit) {
        Chars(edit, L"ab\rc");
        EXPECT_EQ(ControlText(edit), L"abc");
    });
}

TEST(KeyClickEdit, ClicksAndPassesEverything) {
    CKeyClickEdit field;
    SoundCatcher sounds;
    WithField(field, IDC_TEST_TEXT, [](HarnessDialog&, HWND edit) {
        ::SendMessageW(edit, EM_LIMITTEXT, 0, 0);
        Chars(edit, L"A1;");
        EXPECT_EQ(ControlText(edit), L"A1;");
    });
    ASSERT_EQ(sounds.Names().size(), 3u);
    EXPECT_EQ(sounds.Names()[0], qope::kSoundKeyClick);
}

TEST(ColourEdits, AnswerTheirOwnColourRequests) {
    struct Case {
        win::Control* control;
        bool greenText;
    };
    CColorEdit colour;
    CImeInputEdit firstLine(true), otherLine(false);
    CLineInputEdit line;
    for (const Case& c : {Case{&colour, true}, Case{&firstLine, true}, Case{&otherLine, false}, Case{&line, false}}) {
        WithField(*c.control, IDC_TEST_TEXT, [&](HarnessDialog& d, HWND edit) {
            win::WindowDC dc(edit);
            ::SetTextColor(dc.Get(), RGB(1, 2, 3));
            const auto brush = ::SendMessageW(d.Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.Get()),
                                              reinterpret_cast<LPARAM>(edit));
            EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), ::GetStockObject(BLACK_BRUSH));
            EXPECT_EQ(::GetBkColor(dc.Get()), RGB(0, 0, 0));
            EXPECT_EQ(::GetTextColor(dc.Get()), c.greenText ? RGB(0, 255, 0) : RGB(1, 2, 3));
        });
    }
}

}  // namespace
