// A timer owned by its window: a member of the window's class, started with an id and a
// period, its ticks going straight to the member's tick handler.
//
//   win::Timer m_clock{[this] { OnClockTick(); }};
//   m_clock.Start(Handle(), kClockTimer, 100);   // in OnInitDialog
//   m_clock.Start(Handle(), kClockTimer, 50);    // re-armed in place with a new period
//
// The ticks do not pass through the window's message routes: the system hands each one to
// the timer it belongs to, found by window and id. A timer stops when its owner window
// ends (the layer stops every timer of a dialog when the dialog is ended or destroyed,
// and of a bound control when the control is destroyed) or when the Timer object goes,
// whichever comes first; a tick that arrives after that, or for a window being destroyed,
// does nothing.
//
// Periods below the system's minimum (USER_TIMER_MINIMUM, 10 ms): the system raises them
// to that minimum, so a period of 1 ms ticks about every 10 ms, or as fast as the system's
// timer resolution allows (under Wine about every 10 ms; on Windows the default clock of
// 15.6 ms often makes it slower still). Ticks never queue up: a tick missed while the
// thread was busy is merged with the next. A handler that does one step per tick
// therefore moves as fast as the system allows, and no faster.
#pragma once

#include <windows.h>

#include <functional>

namespace win {

class Timer {
public:
    explicit Timer(std::function<void()> onTick = {}) : onTick_(std::move(onTick)) {}
    ~Timer() { Stop(); }
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    // Starts the timer `id` of `window` with a period in milliseconds, or re-arms it with
    // a new period in place. False when the system refused (no such window).
    bool Start(HWND window, UINT_PTR id, UINT periodMs);
    void Stop();
    bool Running() const { return window_ != nullptr; }
    UINT Period() const { return period_; }
    UINT_PTR Id() const { return id_; }

    void SetHandler(std::function<void()> onTick) { onTick_ = std::move(onTick); }

    // Stops every timer of `window`: its owner is ending.
    static void StopAllOf(HWND window);

private:
    void Forget();  // leaves the list of running timers without touching the system's
    static void CALLBACK Tick(HWND window, UINT message, UINT_PTR id, DWORD time);

    std::function<void()> onTick_;
    HWND window_ = nullptr;
    UINT_PTR id_ = 0;
    UINT period_ = 0;
};

}  // namespace win
