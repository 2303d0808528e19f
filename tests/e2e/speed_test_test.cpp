// The two speed tests through the running program: the letter and the items as they start
// and move (read from the window, and seen on the screen), keys judged, the choices of
// speed, set, category and edition, the hint, a missing code table, Enter, the way back.
// The pacing is held for the walks: each step is made by the test, so the walks do not
// race the pane's timer; the timer itself is seen stepping and re-armed.
#include "app/PracticeDlgRes.h"
#include "chinese/ChineseSpeedTestDlgRes.h"
#include "common/speed_test_diagnostics.h"
#include "driver/qope_driver.h"
#include "english/EnglishSpeedTestDlgRes.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using e2e::Qope;
using e2e::Window;

constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kGround = RGB(130, 170, 150);

class SpeedTest : public ::testing::Test {
protected:
    void SetUp() override {
        qope = Qope::Start();
        ASSERT_TRUE(qope);
    }
    Window Open(int button) const { return qope->OpenToolWindow(button); }
    static long Query(const Window& w, unsigned query) { return w.Diagnostics(query); }
    // The moving text as GBK.
    static std::string Text(const Window& w) {
        std::string text;
        for (int k = 0; k < qope::kSpeedTextChunks; ++k) {
            const unsigned long chunk = static_cast<unsigned long>(Query(w, qope::kSpeedTextBytes + k));
            for (int i = 0; i < 4; ++i) text += char((chunk >> (8 * i)) & 0xFF);
        }
        text.resize(size_t(Query(w, qope::kSpeedTextLength)));
        return text;
    }
    static std::string Code(const Window& w) {
        const unsigned long packed = static_cast<unsigned long>(Query(w, qope::kSpeedCode));
        std::string code;
        for (int i = 0; i < 4 && ((packed >> (8 * i)) & 0xFF); ++i) code += char((packed >> (8 * i)) & 0xFF);
        return code;
    }
    static POINT At(const Window& w) { return {Query(w, qope::kSpeedTextX), Query(w, qope::kSpeedTextY)}; }
    static void Step(const Window& w, int steps = 1) {
        for (int i = 0; i < steps; ++i) Query(w, qope::kSpeedStep);
    }
    // Steps until the slot draws a new text (the position jumps back); returns the steps made.
    static int StepToNext(const Window& w, bool byColumn) {
        for (int i = 1; i <= 100; ++i) {
            const POINT before = At(w);
            Step(w);
            const POINT now = At(w);
            if (byColumn ? now.y < before.y : now.x > before.x) return i;
        }
        ADD_FAILURE() << "no new text in 100 steps";
        return 0;
    }
    // Pixels of `colour` on the screen where the pane shows its text now.
    static int TextPixels(const Window& w, COLORREF colour) {
        const POINT at = At(w);
        const e2e::Capture shot = e2e::CaptureClientOf(w.Item(IDC_ES_PANE));
        return shot.Count(RECT{at.x, at.y, at.x + 200, at.y + 60}, colour);
    }
    static bool Checked(const Window& w, int id) {
        return ::SendMessageW(w.Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    std::string Counts(const Window& w, int right, int wrong) const { return w.Gbk(right) + " " + w.Gbk(wrong); }

    std::unique_ptr<Qope> qope;
};

TEST_F(SpeedTest, EnglishLettersFallAreJudgedAndRunInColumns) {
    const Window w = Open(IDC_ENGLISHTESTBUTTON);
    ASSERT_TRUE(w);
    EXPECT_EQ(w.Caption(), L"Dialog");
    EXPECT_TRUE(Checked(w, IDC_ES_LEVEL1) && Checked(w, IDC_ES_LOWER));
    EXPECT_EQ(qope->Focus(), w.Item(IDC_ES_INPUT));
    // "a" at the left, falling by the timer of level 1.
    EXPECT_EQ(Text(w), "a");
    EXPECT_EQ(At(w).x, 10);
    EXPECT_TRUE(e2e::WaitUntil([&] { return Query(w, qope::kSpeedPeriod) == 200 && At(w).y > 0; }));
    ASSERT_EQ(Query(w, qope::kSpeedHold), 1);
    EXPECT_EQ(Query(w, qope::kSpeedPeriod), 0);
    const int y = At(w).y;
    Step(w, 2);
    EXPECT_EQ(At(w).y, y + 40);
    EXPECT_GT(TextPixels(w, kRed), 30);

    // A new set waits for the next letter.
    qope->Click(w.Item(IDC_ES_ALL));
    EXPECT_EQ(qope->Focus(), w.Item(IDC_ES_INPUT));
    EXPECT_EQ(Text(w), "a");
    // Case matters; a hit empties the letter, whose slot falls on: the next key is wrong.
    qope->TypeKeys(L"A");
    EXPECT_EQ(Counts(w, IDC_ES_CORRECT, IDC_ES_ERRORS), "0 1");
    qope->TypeKeys(L"a");
    EXPECT_EQ(Counts(w, IDC_ES_CORRECT, IDC_ES_ERRORS), "1 1");
    EXPECT_EQ(Text(w), "");
    qope->Settle();
    EXPECT_EQ(TextPixels(w, kRed), 0);
    qope->TypeKeys(L"a");
    EXPECT_EQ(Counts(w, IDC_ES_CORRECT, IDC_ES_ERRORS), "1 2");
    EXPECT_EQ(w.Text(IDC_ES_INPUT), L"");
    Step(w);
    EXPECT_EQ(At(w).y, y + 60);

    // The next letters, untyped and not counted: from all 94 characters (the run's first
    // rand() is 41: "p"), in columns 190 apart that wrap once the last lay right of
    // width - 100.
    RECT pane{};
    ::GetClientRect(w.Item(IDC_ES_PANE), &pane);
    ASSERT_EQ(pane.right, 662);
    std::vector<int> columns;
    for (int i = 0; i < 5; ++i) {
        StepToNext(w, true);
        EXPECT_EQ(At(w).y, 0);
        columns.push_back(At(w).x);
        if (i == 0) {
            EXPECT_EQ(Text(w), "p");
        }
        EXPECT_EQ(Text(w).size(), 1u);
    }
    EXPECT_EQ(columns, (std::vector<int>{200, 390, 580, 10, 200}));
    qope->Settle();
    EXPECT_GT(TextPixels(w, kRed), 30);
    EXPECT_EQ(Counts(w, IDC_ES_CORRECT, IDC_ES_ERRORS), "1 2");

    // The look: the ground in its frame, the speeds in magenta, the hand over the radios.
    const e2e::Capture shot = w.CaptureClient();
    EXPECT_EQ(shot.At(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(shot.At(3, shot.Height() - 3), kGround);
    RECT radio{};
    ::GetWindowRect(w.Item(IDC_ES_LEVEL3), &radio);
    ::MapWindowPoints(nullptr, w.Handle(), reinterpret_cast<POINT*>(&radio), 2);
    EXPECT_GT(shot.Count(radio, RGB(255, 0, 255)), 20);
    qope->PointAt(w.Item(IDC_ES_LEVEL3));
    EXPECT_TRUE(qope->ShowsHandCursor());
    qope->PointAt(w.Item(IDC_ES_CORRECT));
    EXPECT_FALSE(qope->ShowsHandCursor());
    // A count clicked keeps no focus: the keys stay with the letter.
    qope->Click(w.Item(IDC_ES_CORRECT));
    EXPECT_EQ(qope->Focus(), w.Item(IDC_ES_INPUT));

    // 五级: the timer takes the shortest period at its next tick and steps on by itself.
    Query(w, qope::kSpeedResume);
    EXPECT_EQ(Query(w, qope::kSpeedPeriod), 200);
    qope->Click(w.Item(IDC_ES_LEVEL5));
    const long steps = Query(w, qope::kSpeedSteps);
    EXPECT_TRUE(e2e::WaitUntil([&] { return Query(w, qope::kSpeedPeriod) == 1; }));
    EXPECT_TRUE(e2e::WaitUntil([&] { return Query(w, qope::kSpeedSteps) > steps + 50; }));

    // Enter closes nothing; Esc does, and the code field of the main window has the focus.
    qope->Key(VK_RETURN);
    EXPECT_TRUE(::IsWindowVisible(w.Handle()));
    qope->Key(VK_ESCAPE);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(w.Handle()); }));
    EXPECT_EQ(qope->Focus(), qope->Item(IDC_CODE_EDIT));
}

TEST_F(SpeedTest, ChineseItemsCrossTheHintAndTheCountsFollowTheKeys) {
    const Window w = Open(IDC_CHINESETESTBUTTON);
    ASSERT_TRUE(w);
    EXPECT_EQ(w.Caption(), L"Dialog");
    EXPECT_TRUE(Checked(w, IDC_CS_LEVEL1) && Checked(w, IDC_CS_ONE_SIMP) && Checked(w, IDC_CS_EDITION86));
    EXPECT_EQ(qope->Focus(), w.Item(IDC_CS_CODE));
    // 我 enters from the right and moves left by the timer of level 1.
    EXPECT_EQ(Text(w), "我");
    EXPECT_EQ(Code(w), "q ");
    EXPECT_TRUE(e2e::WaitUntil([&] { return Query(w, qope::kSpeedPeriod) == 300 && At(w).x < 700; }));
    Query(w, qope::kSpeedHold);
    EXPECT_EQ(At(w).y, 0);
    EXPECT_GT(TextPixels(w, kGreen), 30);

    // The hint from the first key; "q" and a blank are right, the hint keeps the code until
    // the next key, which is judged against the empty slot.
    EXPECT_EQ(w.Gbk(IDC_CS_HINT), "");
    qope->TypeKeys(L"q");
    EXPECT_EQ(w.Gbk(IDC_CS_HINT), "q ");
    EXPECT_EQ(Counts(w, IDC_CS_CORRECT, IDC_CS_ERRORS), "0 0");
    qope->TypeKeys(L" ");
    EXPECT_EQ(Counts(w, IDC_CS_CORRECT, IDC_CS_ERRORS), "1 0");
    EXPECT_EQ(w.Gbk(IDC_CS_HINT), "q ");
    EXPECT_EQ(w.Gbk(IDC_CS_CODE), "");
    EXPECT_EQ(Text(w), "");
    qope->Settle();
    EXPECT_EQ(TextPixels(w, kGreen), 0);
    qope->TypeKeys(L"qq");
    EXPECT_EQ(Counts(w, IDC_CS_CORRECT, IDC_CS_ERRORS), "1 1");
    EXPECT_EQ(w.Gbk(IDC_CS_HINT), "");

    // 六级: the empty slot still crosses the picture before the next item enters, a row lower.
    qope->Click(w.Item(IDC_CS_LEVEL6));
    const int x = At(w).x;
    Step(w);
    EXPECT_EQ(At(w).x, x - 20);
    EXPECT_EQ(StepToNext(w, false), (x - 20) / 20 + 1);
    EXPECT_EQ(At(w).x, 700);
    EXPECT_EQ(At(w).y, 100);
    EXPECT_EQ(Text(w).size(), 2u);
    EXPECT_EQ(Code(w).size(), 2u);
    Query(w, qope::kSpeedResume);
    EXPECT_TRUE(e2e::WaitUntil([&] { return Query(w, qope::kSpeedPeriod) == 1; }));
    Query(w, qope::kSpeedHold);

    // Words fall from the word slot; the character slot stays where it was meanwhile.
    const POINT character = At(w);
    qope->Click(w.Item(IDC_CS_TWO_WORDS));
    EXPECT_EQ(At(w).x, 10);
    EXPECT_EQ(At(w).y, 0);
    EXPECT_EQ(Text(w), "");
    Step(w, 3);
    EXPECT_EQ(At(w).x, 10);
    EXPECT_EQ(At(w).y, 60);
    StepToNext(w, true);
    EXPECT_EQ(At(w).x, 370);
    EXPECT_EQ(Text(w).size(), 8u);
    EXPECT_EQ(Code(w).size(), 4u);
    qope->Settle();
    EXPECT_GT(TextPixels(w, kGreen), 60);
    // Two keys are too short for a word's code: not judged (z is in no code).
    qope->TypeKeys(L"zz");
    EXPECT_EQ(Counts(w, IDC_CS_CORRECT, IDC_CS_ERRORS), "1 1");
    qope->TypeKeys(L"zz");
    EXPECT_EQ(Counts(w, IDC_CS_CORRECT, IDC_CS_ERRORS), "1 2");
    qope->Click(w.Item(IDC_CS_ONE_SIMP));
    EXPECT_EQ(At(w).x, character.x);
    EXPECT_EQ(At(w).y, character.y);

    // 98: the item goes; the next one comes from the 98 table, code first in its records.
    qope->Click(w.Item(IDC_CS_EDITION98));
    EXPECT_EQ(Text(w), "");
    StepToNext(w, false);
    EXPECT_EQ(Code(w).size(), 2u);
    EXPECT_EQ(Text(w).size(), 2u);
    EXPECT_EQ(Counts(w, IDC_CS_CORRECT, IDC_CS_ERRORS), "1 2");

    // Enter closes nothing; <<=返回 does, and the code field of the main window has the focus.
    qope->Key(VK_RETURN);
    EXPECT_TRUE(::IsWindowVisible(w.Handle()));
    qope->PointAt(w.Item(IDC_CS_EDITION86));
    EXPECT_TRUE(qope->ShowsHandCursor());
    qope->Click(w.Item(IDC_CS_RETURN));
    EXPECT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(w.Handle()); }));
    EXPECT_EQ(qope->Focus(), qope->Item(IDC_CODE_EDIT));
}

TEST_F(SpeedTest, AMissingCodeTableIsReportedOnceAndStopsThePacing) {
    e2e::InstalledFileChange codes(L"TwoCode.txt");
    codes.Remove();
    const Window w = Open(IDC_CHINESETESTBUTTON);
    ASSERT_TRUE(w);
    qope->Click(w.Item(IDC_CS_TWO_SIMP));
    qope->Click(w.Item(IDC_CS_LEVEL6));
    // The slot leaves at the fastest level, and the read of the next item fails.
    ASSERT_TRUE(e2e::WaitUntil([&] { return qope->FindDialog(L"Qope") != nullptr; }));
    EXPECT_EQ(Query(w, qope::kSpeedPeriod), 0);
    EXPECT_EQ(qope->AnswerMessageBox(), L"无法打开文件 C:\\Program Files\\zel\\qope\\selectfiles\\TwoCode.txt。");
    // Stopped: no more steps, no box, no paint of the pane while nothing changes.
    const long steps = Query(w, qope::kSpeedSteps), paints = Query(w, qope::kSpeedPanePaints);
    for (int i = 0; i < 5; ++i) qope->Settle();
    EXPECT_EQ(qope->CountDialogs(L"Qope"), 0);
    EXPECT_EQ(Query(w, qope::kSpeedSteps), steps);
    EXPECT_EQ(Query(w, qope::kSpeedPanePaints), paints);
    EXPECT_EQ(Text(w), "");
    // Another category lifts the stop: the slot draws at once and paces on.
    qope->Click(w.Item(IDC_CS_ONE_SIMP));
    EXPECT_TRUE(e2e::WaitUntil([&] { return Query(w, qope::kSpeedSteps) > steps + 20 && !Text(w).empty(); }));
    EXPECT_EQ(qope->CountDialogs(L"Qope"), 0);
    qope->Key(VK_ESCAPE);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(w.Handle()); }));
}

}  // namespace
