// The main practice window as a learner meets it: start-up state, edition switch, the
// code field, label colours, the about box and version history, the ways to close, and
// no handle growth over many switches and openings.
#include "driver/qope_driver.h"
#include "app/PracticeDlgRes.h"
#include "common/VersionHistoryDlgRes.h"
#include "win/diagnostics.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

using e2e::Qope;
using namespace std::chrono_literals;

class PracticeWindow : public ::testing::Test {
protected:
    void SetUp() override {
        qope = Qope::Start();
        ASSERT_TRUE(qope) << "qope.exe did not show its main window";
    }

    // A control's rectangle in the client coordinates of its dialog.
    static RECT ClientRectOf(HWND control) {
        RECT rect{};
        ::GetWindowRect(control, &rect);
        ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    RECT ClientRectOf(int id) const { return ClientRectOf(qope->Item(id)); }

    // Pixels of the picture area that differ from the bitmap, on a sampling grid; the
    // icon static, which lies over the area, is left out.
    int PictureAreaMismatches(int bitmapId) const {
        const e2e::Capture shot = qope->CaptureClient(qope->Main());
        const e2e::Capture picture = qope->ResourceBitmap(bitmapId);
        if (picture.Width() < 762 || picture.Height() < 265) return -1;  // no such picture
        const RECT icon = ClientRectOf(IDC_APP_ICON);
        int mismatches = 0;
        for (int y = 0; y < 265; y += 5)
            for (int x = 0; x < 762; x += 7) {
                const POINT at{14 + x, 10 + y};
                if (::PtInRect(&icon, at)) continue;
                if (shot.At(at.x, at.y) != picture.At(x, y)) ++mismatches;
            }
        return mismatches;
    }

    std::unique_ptr<Qope> qope;
};

TEST_F(PracticeWindow, StartsWithCaptionStatusTitleClockAndFocus) {
    EXPECT_EQ(qope->Text(qope->Main()), L" Qope ");
    EXPECT_EQ(qope->Text(IDC_STATUS), L"你还没有选择练习内容！");
    EXPECT_EQ(qope->Text(IDC_USE_HOURS), L"0");
    EXPECT_EQ(qope->Text(IDC_USE_MINUTES), L"0");
    EXPECT_LT(std::stoi(qope->Text(IDC_USE_SECONDS)), 10);
    EXPECT_EQ(qope->Text(IDC_COMPARE_TEXT), L"");
    EXPECT_EQ(qope->Text(IDC_INPUT_TEXT), L"");
    EXPECT_EQ(qope->Text(IDC_CODE_EDIT), L"");
    EXPECT_EQ(qope->Text(IDC_SPEED), L"0");
    EXPECT_EQ(qope->Text(IDC_TYPING_SECS), L"0");
    EXPECT_EQ(qope->Focus(), qope->Item(IDC_CODE_EDIT));
    EXPECT_EQ(PictureAreaMismatches(IDB_TITLE86), 0);
}

TEST_F(PracticeWindow, ClockCountsSeconds) {
    const int before = std::stoi(qope->Text(IDC_USE_SECONDS));
    EXPECT_TRUE(e2e::WaitUntil([&] { return std::stoi(qope->Text(IDC_USE_SECONDS)) >= before + 2; }, 6s));
}

TEST_F(PracticeWindow, Choosing86In86ChangesNothing) {
    qope->Command(ID_EDITION_86);
    qope->Settle();
    // The switch would rename the key-map button; nothing did.
    EXPECT_EQ(qope->Text(IDC_KEYHELPBUTTON), L"KEYHELPBUTTON");
    EXPECT_EQ(qope->Text(IDC_STATUS), L"你还没有选择练习内容！");
    EXPECT_EQ(PictureAreaMismatches(IDB_TITLE86), 0);
}

TEST_F(PracticeWindow, EditionSwitchShowsThatEditionsTitle) {
    qope->Command(ID_EDITION_98);
    qope->Settle();
    EXPECT_EQ(qope->Text(IDC_KEYHELPBUTTON), L"键盘");
    EXPECT_EQ(qope->Text(IDC_STATUS), L"你还没有选择练习内容！");
    EXPECT_EQ(PictureAreaMismatches(IDB_TITLE98), 0);

    qope->Command(ID_EDITION_86);
    qope->Settle();
    EXPECT_EQ(qope->Text(IDC_STATUS), L"你还没有选择练习内容！");
    EXPECT_EQ(PictureAreaMismatches(IDB_TITLE86), 0);
}

TEST_F(PracticeWindow, ClickingTheDisplayLinesLeavesTheFocusInTheCodeField) {
    qope->Click(qope->Item(IDC_COMPARE_TEXT));
    EXPECT_EQ(qope->Focus(), qope->Item(IDC_CODE_EDIT));
    qope->Click(qope->Item(IDC_INPUT_TEXT));
    EXPECT_EQ(qope->Focus(), qope->Item(IDC_CODE_EDIT));
}

TEST_F(PracticeWindow, TypingWithNoSetLoadedIsRefused) {
    qope->Type(L"a");
    EXPECT_EQ(qope->AnswerMessageBox(), L"对不起,您未选择对照汉字,\n\n暂不能输入,请选择后再输入!");
    EXPECT_EQ(qope->Text(IDC_CODE_EDIT), L"");
    // Capitals and digits never reach the check.
    qope->Type(L"A3;");
    qope->Settle();
    EXPECT_EQ(qope->FindDialog(L"Qope"), nullptr);
}

TEST_F(PracticeWindow, F1TellsTheLearnerToPressF8) {
    qope->Key(VK_F1);
    EXPECT_EQ(qope->AnswerMessageBox(), L"对不起,F1键不是帮助键,\n\n请按F8键获得系统帮助!");
    EXPECT_EQ(qope->Focus(), qope->Item(IDC_CODE_EDIT));
}

TEST_F(PracticeWindow, LabelsAreDrawnInTheirColours) {
    struct Label {
        int id;
        COLORREF colour;
    };
    const Label labels[] = {
        {IDC_LABEL_CHOOSE, RGB(255, 255, 255)},    {IDC_LABEL_TIMING, RGB(255, 255, 255)},
        {IDC_LABEL_SECONDS, RGB(255, 255, 255)},   {IDC_LABEL_COMPARE, RGB(0, 255, 255)},
        {IDC_LABEL_INPUT, RGB(255, 0, 255)},       {IDC_LABEL_CODE, RGB(255, 0, 0)},
        {IDC_LABEL_USE_TIME, RGB(0, 0, 255)},      {IDC_LABEL_SPEED, RGB(0, 255, 0)},
        {IDC_LABEL_SPEED_UNIT, RGB(0, 255, 0)},    {IDC_CREDIT, RGB(0, 255, 255)},
        {IDC_LABEL_CORRECT_RATE, RGB(0, 0, 255)},  {IDC_LABEL_ERROR_RATE, RGB(255, 0, 0)},
    };
    const e2e::Capture shot = qope->CaptureClient(qope->Main());
    // Text is smoothed, so its pixels are near the colour rather than all exactly on it.
    for (const Label& label : labels)
        EXPECT_GT(shot.CountNear(ClientRectOf(label.id), label.colour, 40), 8) << "label " << label.id;

    // The status line: red text on an opaque yellow ground.
    const RECT status = ClientRectOf(IDC_STATUS);
    EXPECT_GT(shot.Count(status, RGB(255, 255, 0)), 100);
    EXPECT_GT(shot.Count(status, RGB(255, 0, 0)), 20);
}

TEST_F(PracticeWindow, CreditLineIsInImpactAndLabelsInArial) {
    // The width of the drawn credit line is the width of its text in Impact 12 pt.
    const e2e::Capture shot = qope->CaptureClient(qope->Main());
    const RECT credit = shot.Bounds(ClientRectOf(IDC_CREDIT), RGB(0, 255, 255));
    const std::wstring text = qope->Text(IDC_CREDIT);
    auto extent = [&](const wchar_t* face, int points) {
        HDC screen = ::GetDC(nullptr);
        const int height = -::MulDiv(points, ::GetDeviceCaps(screen, LOGPIXELSY), 72);
        HFONT font = ::CreateFontW(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face);
        HGDIOBJ old = ::SelectObject(screen, font);
        SIZE size{};
        ::GetTextExtentPoint32W(screen, text.c_str(), int(text.size()), &size);
        ::SelectObject(screen, old);
        ::DeleteObject(font);
        ::ReleaseDC(nullptr, screen);
        return size.cx;
    };
    const long drawn = credit.right - credit.left;
    // The ink is a little narrower than the advance widths (side bearings).
    EXPECT_NEAR(drawn, extent(L"Impact", 12), 8);
    EXPECT_GT(std::abs(drawn - extent(L"Arial", 16)), 20);

    // Arial 16 pt glyphs stand about 16 pixels tall or more; Impact 12 pt would be smaller.
    const RECT compare = shot.Bounds(ClientRectOf(IDC_LABEL_COMPARE), RGB(0, 255, 255));
    EXPECT_GE(compare.bottom - compare.top, 14);
}

TEST_F(PracticeWindow, AboutBoxOpensFromTheSystemMenu) {
    qope->PostSysCommand(IDM_ABOUTBOX);
    HWND about = qope->WaitForDialog(L"关于 Qope");
    ASSERT_TRUE(about);
    bool foundVersion = false;
    for (HWND child = ::GetWindow(about, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (qope->Text(child) == L"Qope 1.0 版") foundVersion = true;
    EXPECT_TRUE(foundVersion);
    ::SendMessageW(about, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(about); }));
    qope->Settle();
    EXPECT_EQ(qope->Focus(), qope->Item(IDC_CODE_EDIT));
}

TEST_F(PracticeWindow, VersionHistoryShowsItsTextsInTheirColours) {
    qope->PostCommand(ID_VERSION_HISTORY);
    HWND history = qope->WaitForDialog(L"关于Qope......");
    ASSERT_TRUE(history);
    qope->Settle();
    struct Text {
        int id;
        const wchar_t* begins;
        COLORREF colour;
    };
    const Text texts[] = {
        {IDC_HISTORY_TITLE, L"                      Qope版本发布记录", RGB(255, 255, 255)},
        {IDC_HISTORY_V1, L"一、Qope   1.0版\n", RGB(0, 0, 255)},
        {IDC_HISTORY_V2, L"二、Qope  2.0版\n", RGB(100, 75, 55)},
        {IDC_HISTORY_V3, L"三、Qope  3.0版\n", RGB(255, 255, 255)},
        {IDC_HISTORY_V4, L"四、Qope  4.0版\n", RGB(255, 255, 0)},
        {IDC_HISTORY_CLOSING, L"        作者将以最快的速度更新软件的版本，以增强本软件的功能，\n请随时上网查看。", RGB(255, 0, 0)},
    };
    const e2e::Capture shot = qope->CaptureClient(history);
    for (const Text& text : texts) {
        HWND label = ::GetDlgItem(history, text.id);
        ASSERT_TRUE(label) << text.id;
        EXPECT_EQ(qope->Text(label).rfind(text.begins, 0), 0u) << text.id;
        EXPECT_GT(shot.Count(ClientRectOf(label), text.colour), 8) << text.id;
    }
    // Ground colour, away from the texts.
    EXPECT_EQ(shot.At(shot.Width() - 4, shot.Height() - 4), RGB(128, 200, 100));

    qope->Click(::GetDlgItem(history, IDOK));
    EXPECT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(history); }));
}

TEST_F(PracticeWindow, RepeatedSwitchesAndOpeningsLeaveNoHandlesBehind) {
    auto census = [&] {
        std::vector<long> counts;
        for (unsigned query : {win::kLiveGdiObjects, win::kLiveMemoryDCs, win::kLiveWindowDCs, win::kLiveIcons,
                               win::kLiveCursors, win::kLiveMenus, win::kThreadWindows})
            counts.push_back(qope->Diagnostics(query));
        return counts;
    };
    const std::vector<long> before = census();
    EXPECT_GT(before[0], 80);  // the pictures and fonts of the window are counted
    for (int i = 0; i < 500; ++i) {
        qope->Command(ID_EDITION_98);
        qope->Command(ID_EDITION_86);
    }
    EXPECT_EQ(census(), before);

    for (int i = 0; i < 1000; ++i) {
        qope->PostCommand(ID_VERSION_HISTORY);
        HWND history = qope->WaitForDialog(L"关于Qope......");
        ASSERT_TRUE(history) << "opening " << i;
        ::SendMessageW(history, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(history); })) << "closing " << i;
    }
    qope->Settle();
    EXPECT_EQ(census(), before);
    std::printf("census after 1000 switches and 1000 openings: %ld GDI objects, %ld memory DCs, %ld window DCs, "
                "%ld icons, %ld cursors, %ld menus, %ld windows (unchanged)\n",
                before[0], before[1], before[2], before[3], before[4], before[5], before[6]);
}

// Each way to close ends the program.
class Closing : public PracticeWindow {};

TEST_F(Closing, EnterInTheCodeField) {
    qope->Key(VK_RETURN);
    EXPECT_TRUE(qope->WaitForExit());
}

TEST_F(Closing, Escape) {
    qope->Key(VK_ESCAPE);
    EXPECT_TRUE(qope->WaitForExit());
}

TEST_F(Closing, ExitButton) {
    qope->Click(qope->Item(IDC_EXIT));
    EXPECT_TRUE(qope->WaitForExit());
}

TEST_F(Closing, ExitMenuItem) {
    qope->PostCommand(ID_EXIT_SYSTEM);
    EXPECT_TRUE(qope->WaitForExit());
}

}  // namespace
