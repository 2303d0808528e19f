#include "win/timer.h"

#include <algorithm>
#include <vector>

namespace win {

namespace {
// The running timers of the GUI thread; a tick finds its timer here by window and id.
std::vector<Timer*>& RunningTimers() {
    static std::vector<Timer*> timers;
    return timers;
}
}  // namespace

bool Timer::Start(HWND window, UINT_PTR id, UINT periodMs) {
    if (window_ && (window_ != window || id_ != id)) Stop();
    // SetTimer with the same window and id replaces the period of a running timer.
    if (!::SetTimer(window, id, periodMs, &Timer::Tick)) {
        Stop();
        return false;
    }
    // Another timer object of the same window and id belonged to a window that is gone
    // (a handle can be reused): the system timer is this one's now.
    auto& timers = RunningTimers();
    for (Timer* other : std::vector<Timer*>(timers))
        if (other != this && other->window_ == window && other->id_ == id) other->Forget();
    if (!window_) timers.push_back(this);
    window_ = window;
    id_ = id;
    period_ = periodMs;
    return true;
}

void Timer::Stop() {
    if (!window_) return;
    ::KillTimer(window_, id_);
    Forget();
}

void Timer::Forget() {
    auto& timers = RunningTimers();
    timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
    window_ = nullptr;
}

void Timer::StopAllOf(HWND window) {
    // Stopping removes from the list: walk a copy.
    const std::vector<Timer*> timers = RunningTimers();
    for (Timer* timer : timers)
        if (timer->window_ == window) timer->Stop();
}

void CALLBACK Timer::Tick(HWND window, UINT, UINT_PTR id, DWORD) {
    for (Timer* timer : RunningTimers()) {
        if (timer->window_ != window || timer->id_ != id) continue;
        if (timer->onTick_) timer->onTick_();
        return;  // the handler may have stopped timers: the list is not walked further
    }
}

}  // namespace win
