// The layer's self-painting control and window timer in a real dialog, as tables of what
// a change must give: the paints each window gets, what shows on the screen afterwards,
// the ticks a timer delivers.
#include "dialog_harness.h"
#include "win/overlay_control.h"
#include "win/scoped.h"
#include "win/timer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <thread>

namespace {

using namespace std::chrono_literals;

// Handles what is queued, as the modal loop would, counting the paints of each window;
// WM_PAINT comes last, once the queue is otherwise empty.
std::map<HWND, int> Pump() {
    std::map<HWND, int> paints;
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_PAINT) ++paints[msg.hwnd];
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return paints;
}

void PumpFor(std::chrono::milliseconds span) {
    const auto end = std::chrono::steady_clock::now() + span;
    while (std::chrono::steady_clock::now() < end) {
        Pump();
        std::this_thread::sleep_for(5ms);
    }
}

constexpr COLORREF kMark = RGB(255, 0, 255);

// The overlay of the test: a bar under every character of the edit, where the edit itself
// draws it now (so a scrolled line moves its bars).
void MarkCharacters(HWND edit, HDC dc) {
    RECT client{};
    ::GetClientRect(edit, &client);
    const int length = ::GetWindowTextLengthW(edit);
    win::ScopedBrush mark(::CreateSolidBrush(kMark));
    for (int i = 0; i < length; ++i) {
        const LRESULT at = ::SendMessageW(edit, EM_POSFROMCHAR, WPARAM(i), 0);
        const int x = short(LOWORD(at));
        if (x < 0 || x + 2 > client.right) continue;
        const RECT bar{x, client.bottom - 2, x + 2, client.bottom};
        ::FillRect(dc, &bar, mark.Get());
    }
}

// The characters whose bar shows on the screen (the caret hidden: it inverts what it
// covers).
int MarkedCharacters(HWND edit) {
    RECT client{};
    ::GetClientRect(edit, &client);
    POINT origin{0, client.bottom - 1};
    ::ClientToScreen(edit, &origin);
    ::HideCaret(edit);
    // What the screen shows, not what the window's own surface holds.
    win::WindowDC screen(nullptr);
    auto at = [&](int x) { return ::GetPixel(screen.Get(), origin.x + x, origin.y); };
    int marked = 0;
    for (int x = 0; x + 1 < client.right; ++x)
        if (at(x) == kMark && at(x + 1) == kMark) {
            ++marked;
            ++x;
        }
    ::ShowCaret(edit);
    return marked;
}

int VisibleCharacters(HWND edit) {
    RECT client{};
    ::GetClientRect(edit, &client);
    int visible = 0;
    for (int i = 0; i < ::GetWindowTextLengthW(edit); ++i) {
        const int x = short(LOWORD(::SendMessageW(edit, EM_POSFROMCHAR, WPARAM(i), 0)));
        if (x >= 0 && x + 2 <= client.right) ++visible;
    }
    return visible;
}

TEST(OverlayControl, AChangeRepaintsTheControlAloneAndTheOverlayStays) {
    win::OverlayControl line;
    HarnessDialog dialog([&](HarnessDialog& d) {
        HWND edit = line.Handle();
        // The body runs before the modal loop would show the window.
        ::ShowWindow(d.Handle(), SW_SHOWNORMAL);
        ::SetWindowTextW(edit, L"ab");
        ::SetFocus(edit);
        Pump();
        struct Step {
            const char* what;
            std::function<void()> change;
        };
        const Step steps[] = {
            {"invalidated", [&] { line.Invalidate(); }},
            {"a typed character", [&] { ::PostMessageW(edit, WM_CHAR, L'a', 0); }},
            {"a character from an input method", [&] { ::PostMessageW(edit, WM_IME_CHAR, L'中', 0); }},
            {"a selection", [&] { ::SendMessageW(edit, EM_SETSEL, 0, 2); }},
            {"a line long enough to scroll", [&] {
                 for (int i = 0; i < 30; ++i) ::PostMessageW(edit, WM_CHAR, L'0' + i % 10, 0);
             }},
            {"scrolled back by Home", [&] { ::PostMessageW(edit, WM_KEYDOWN, VK_HOME, 0); }},
        };
        for (const Step& step : steps) {
            SCOPED_TRACE(step.what);
            step.change();
            const std::map<HWND, int> paints = Pump();
            // Exactly one paint of the control; none of its window or its siblings.
            EXPECT_EQ(paints.count(edit) ? paints.at(edit) : 0, 1);
            EXPECT_EQ(paints.size(), 1u);
            EXPECT_GT(VisibleCharacters(edit), 0);
            EXPECT_EQ(MarkedCharacters(edit), VisibleCharacters(edit));
        }
        // Scrolled to its start again: the first character is in view.
        EXPECT_GE(short(LOWORD(::SendMessageW(edit, EM_POSFROMCHAR, 0, 0))), 0);
    });
    dialog.onInit = [&](HarnessDialog& d) {
        ASSERT_TRUE(d.Bind(line, IDC_TEST_OVERLAY));
        line.paintOver = [&](HDC dc, const RECT&) { MarkCharacters(line.Handle(), dc); };
    };
    EXPECT_EQ(dialog.RunModal(nullptr), IDOK);
}

TEST(Timer, TicksStopWithTheWindowAndTakeANewPeriodWhenReArmed) {
    int ticks = 0;
    win::Timer timer([&] { ++ticks; });
    HarnessDialog dialog([&](HarnessDialog& d) {
        // A period far longer than the wait, re-armed in place to a short one: ticks come.
        ASSERT_TRUE(timer.Start(d.Handle(), 7, 60000));
        ASSERT_TRUE(timer.Start(d.Handle(), 7, 15));
        EXPECT_EQ(timer.Period(), 15u);
        const auto end = std::chrono::steady_clock::now() + 3s;
        while (ticks < 3 && std::chrono::steady_clock::now() < end) PumpFor(20ms);
        EXPECT_GE(ticks, 3);
        // And back to a long period: at most a tick already under way still arrives.
        ASSERT_TRUE(timer.Start(d.Handle(), 7, 60000));
        const int before = ticks;
        PumpFor(300ms);
        EXPECT_LE(ticks - before, 1);
        // Re-armed short again, then the window ends: no tick after that.
        ASSERT_TRUE(timer.Start(d.Handle(), 7, 15));
        d.EndModal(IDOK);
        EXPECT_FALSE(timer.Running());
    });
    EXPECT_EQ(dialog.RunModal(nullptr), IDOK);
    const int atEnd = ticks;
    PumpFor(200ms);
    EXPECT_EQ(ticks, atEnd);
}

}  // namespace
