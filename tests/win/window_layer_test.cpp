// The window layer in a real dialog: data exchange, routing, colours, bitmap buttons,
// the handle census and the GBK conversions.
#include "dialog_harness.h"
#include "win/bitmap_button.h"
#include "win/gdi.h"
#include "win/scoped.h"
#include "win/text.h"
#include "win/ui.h"
#include "common/DataFile.h"

#include <gtest/gtest.h>

namespace {

void RunDialog(std::function<void(HarnessDialog&)> body, std::function<void(HarnessDialog&)> onInit = {}) {
    HarnessDialog dialog(std::move(body));
    dialog.onInit = std::move(onInit);
    ASSERT_EQ(dialog.RunModal(nullptr), IDOK);
}

TEST(DataExchange, PushFillsControlsWithoutRaisingChangeHandlers) {
    RunDialog([](HarnessDialog& d) {
        EXPECT_EQ(ControlText(d.Item(IDC_TEST_TEXT)), L"abc");
        EXPECT_EQ(ControlText(d.Item(IDC_TEST_NUMBER)), L"42");
        EXPECT_EQ(d.changes, 0);
        d.m_strText = "中文";
        d.Push();
        EXPECT_EQ(ControlText(d.Item(IDC_TEST_TEXT)), L"中文");
        EXPECT_EQ(d.changes, 0);
        // The text limit of the member is the edit's limit.
        EXPECT_EQ(::SendMessageW(d.Item(IDC_TEST_TEXT), EM_GETLIMITTEXT, 0, 0), 4);
    });
}

TEST(DataExchange, EditsByTheUserAreRoutedAndReadBack) {
    RunDialog([](HarnessDialog& d) {
        ::SetWindowTextW(d.Item(IDC_TEST_TEXT), L"xyz");
        EXPECT_EQ(d.changes, 1);
        ::SetWindowTextW(d.Item(IDC_TEST_NUMBER), L"-17");
        d.Read();
        EXPECT_EQ(d.m_strText, "xyz");
        EXPECT_EQ(d.m_nNumber, -17);
        // Not a number: the member keeps its value.
        ::SetWindowTextW(d.Item(IDC_TEST_NUMBER), L"12a");
        d.Read();
        EXPECT_EQ(d.m_nNumber, -17);
        // A longer text than the limit is cut on reading (4 bytes: two Chinese characters).
        ::SetWindowTextW(d.Item(IDC_TEST_TEXT), L"中文字");
        d.Read();
        EXPECT_EQ(d.m_strText, "中文");
    });
}

TEST(DataExchange, PushDoesNotRewriteUnchangedFields) {
    RunDialog([](HarnessDialog& d) {
        HWND edit = d.Item(IDC_TEST_TEXT);
        ::SendMessageW(edit, EM_SETSEL, 1, 2);
        d.Push();
        DWORD start = 0, end = 0;
        ::SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 1u);  // a rewrite would have reset the selection
        EXPECT_EQ(end, 2u);
    });
}

TEST(Dialog, OkReadsTheMembersAndEndsTheRun) {
    HarnessDialog dialog([](HarnessDialog& d) {
        ::SetWindowTextW(d.Item(IDC_TEST_TEXT), L"ok");
        ::SendMessageW(d.Handle(), WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(dialog.RunModal(nullptr), IDOK);
    EXPECT_EQ(dialog.m_strText, "ok");
}

TEST(Dialog, LabelsAndReadOnlyFieldsGetTheDialogColours) {
    constexpr COLORREF ground = RGB(192, 191, 190), text = RGB(1, 2, 255);
    win::SetDialogColours(ground, text);
    RunDialog([&](HarnessDialog& d) {
        win::WindowDC dc(d.Item(IDC_TEST_LABEL));
        auto brush = reinterpret_cast<HBRUSH>(::SendMessageW(d.Handle(), WM_CTLCOLORSTATIC,
                                                             reinterpret_cast<WPARAM>(dc.Get()),
                                                             reinterpret_cast<LPARAM>(d.Item(IDC_TEST_LABEL))));
        ASSERT_TRUE(brush);
        LOGBRUSH info{};
        ::GetObjectW(brush, sizeof info, &info);
        EXPECT_EQ(info.lbColor, ground);
        EXPECT_EQ(::GetTextColor(dc.Get()), text);
        EXPECT_EQ(::GetBkColor(dc.Get()), ground);
        // An editable field keeps the system's colours.
        const auto edit = ::SendMessageW(d.Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.Get()),
                                         reinterpret_cast<LPARAM>(d.Item(IDC_TEST_TEXT)));
        EXPECT_NE(reinterpret_cast<HBRUSH>(edit), brush);
    });
}

TEST(BitmapButton, ShowsItsNamedPicturesTakesTheirSizeAndRunsItsClick) {
    win::BitmapButton button;
    int clicks = 0;
    RunDialog([&](HarnessDialog& d) {
        // The caption is the window's to change; the pictures stay.
        ::SetWindowTextW(d.Item(IDC_TEST_BUTTON), L"背景");
        const win::ScopedBitmap up = win::LoadBitmapResource(L"EXITU");
        const win::ScopedBitmap down = win::LoadBitmapResource(L"EXITD");
        ASSERT_TRUE(up && down);
        const SIZE size = win::BitmapSize(up.Get());
        RECT rect{};
        ::GetWindowRect(d.Item(IDC_TEST_BUTTON), &rect);
        EXPECT_EQ(rect.right - rect.left, size.cx);
        EXPECT_EQ(rect.bottom - rect.top, size.cy);

        // Pressed, it draws the down picture.
        win::WindowDC screen(nullptr);
        win::ScopedMemoryDC memory(::CreateCompatibleDC(screen.Get()));
        win::ScopedBitmap canvas(::CreateCompatibleBitmap(screen.Get(), size.cx, size.cy));
        win::SelectScope select(memory.Get(), canvas.Get());
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_BUTTON;
        item.hwndItem = d.Item(IDC_TEST_BUTTON);
        item.hDC = memory.Get();
        item.itemState = ODS_SELECTED;
        item.rcItem = RECT{0, 0, size.cx, size.cy};
        ::SendMessageW(d.Handle(), WM_DRAWITEM, IDC_TEST_BUTTON, reinterpret_cast<LPARAM>(&item));
        win::ScopedMemoryDC expected(::CreateCompatibleDC(screen.Get()));
        win::SelectScope selectDown(expected.Get(), down.Get());
        int differing = 0;
        for (int y = 0; y < size.cy; y += 3)
            for (int x = 0; x < size.cx; x += 3)
                if (::GetPixel(memory.Get(), x, y) != ::GetPixel(expected.Get(), x, y)) ++differing;
        EXPECT_EQ(differing, 0);

        // A click reaches the button's own handler, not the dialog's tables.
        ::SendMessageW(d.Handle(), WM_COMMAND, MAKEWPARAM(IDC_TEST_BUTTON, BN_CLICKED),
                       reinterpret_cast<LPARAM>(d.Item(IDC_TEST_BUTTON)));
        EXPECT_EQ(clicks, 1);
    }, [&](HarnessDialog& d) {
        EXPECT_TRUE(button.Load(d, IDC_TEST_BUTTON, L"EXIT"));
        button.onClick = [&] { ++clicks; };
    });
}

TEST(ScopedHandles, CountWhatTheyOwnAndReleaseIt) {
    const long before = win::LiveHandles(win::HandleKind::GdiObject);
    {
        win::ScopedFont font = win::CreatePointFont(12, L"Arial");
        ASSERT_TRUE(font);
        EXPECT_EQ(win::LiveHandles(win::HandleKind::GdiObject), before + 1);
        win::ScopedFont moved = std::move(font);
        EXPECT_FALSE(font);
        EXPECT_EQ(win::LiveHandles(win::HandleKind::GdiObject), before + 1);
        const HFONT handle = moved.Get();
        moved.Reset();
        EXPECT_EQ(::GetObjectType(handle), 0u);  // deleted
        EXPECT_EQ(win::LiveHandles(win::HandleKind::GdiObject), before);
        moved = win::CreatePointFont(16, L"Arial");
    }
    EXPECT_EQ(win::LiveHandles(win::HandleKind::GdiObject), before);
    {
        win::WindowDC dc(nullptr);
        win::ScopedMemoryDC memory(::CreateCompatibleDC(dc.Get()));
        EXPECT_EQ(win::LiveHandles(win::HandleKind::WindowDC), 1);
        EXPECT_EQ(win::LiveHandles(win::HandleKind::MemoryDC), 1);
    }
    EXPECT_EQ(win::LiveHandles(win::HandleKind::WindowDC), 0);
    EXPECT_EQ(win::LiveHandles(win::HandleKind::MemoryDC), 0);
}

TEST(Text, GbkAndUtf16RoundTrip) {
    const std::string gbk = "五笔字型 Wubi 86/98：练习！";
    const std::wstring wide = win::Widen(gbk);
    EXPECT_EQ(wide, L"五笔字型 Wubi 86/98：练习！");
    EXPECT_EQ(win::Narrow(wide), gbk);
    EXPECT_EQ(gbk.size(), 8 + 11 + 2 + 4 + 2u);  // two bytes a Chinese character, one an ASCII
    EXPECT_EQ(win::Widen(""), L"");
    // A lone lead byte at the end does not run past the text.
    EXPECT_FALSE(win::Widen(std::string("\xCE", 1)).empty());
}

TEST(MessageBoxes, FileErrorNamesTheFullPath) {
    MessageBoxCatcher boxes;
    qope::ReportFileError(nullptr, "C:\\Program Files\\zel\\qope\\selectfiles\\AllCodech.txt");
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_NE(boxes.texts[0].find(L"C:\\Program Files\\zel\\qope\\selectfiles\\AllCodech.txt"), std::wstring::npos);
}

// A box's modal loop still delivers posted input and commands: a handler run there must
// not stack a second box over the first.
TEST(MessageBoxes, NoSecondBoxWhileOneIsShown) {
    static bool shownDuring = false;
    static int returned = 0;
    ::SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
        ::KillTimer(nullptr, id);
        shownDuring = win::MessageShown();
        win::ShowMessage(nullptr, "second");  // returns at once
        ++returned;
        ::PostMessageW(::GetActiveWindow(), WM_COMMAND, IDOK, 0);
    });
    // Should a second box open after all, this ends it, and the test fails instead of hanging.
    ::SetTimer(nullptr, 0, 3000, [](HWND, UINT, UINT_PTR id, DWORD) {
        ::KillTimer(nullptr, id);
        ::EnumThreadWindows(::GetCurrentThreadId(), [](HWND w, LPARAM) -> BOOL {
            ::PostMessageW(w, WM_COMMAND, IDOK, 0);
            return TRUE;
        }, 0);
    });
    win::ShowMessage(nullptr, "first");
    EXPECT_TRUE(shownDuring);
    EXPECT_EQ(returned, 1);
    EXPECT_FALSE(win::MessageShown());
}

}  // namespace
