#include "win/control.h"

#include "win/timer.h"

#include <commctrl.h>

namespace win {

namespace {
constexpr UINT_PTR kSubclassId = 1;
}

Control::~Control() {
    if (hwnd_ && subclassed_) ::RemoveWindowSubclass(hwnd_, SubclassProc, kSubclassId);
}

bool Control::Bind(HWND dialog, int id) {
    hwnd_ = ::GetDlgItem(dialog, id);
    id_ = id;
    if (!hwnd_) return false;
    if (WantsMessages())
        subclassed_ = ::SetWindowSubclass(hwnd_, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
    return true;
}

LRESULT Control::Default(UINT message, WPARAM wp, LPARAM lp) { return ::DefSubclassProc(hwnd_, message, wp, lp); }

LRESULT CALLBACK Control::SubclassProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
    auto* control = reinterpret_cast<Control*>(self);
    if (message == WM_DESTROY) Timer::StopAllOf(hwnd);  // a control's own timers end with it
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
        control->hwnd_ = nullptr;
        control->subclassed_ = false;
        return ::DefSubclassProc(hwnd, message, wp, lp);
    }
    if (auto result = control->OnMessage(message, wp, lp)) return *result;
    return ::DefSubclassProc(hwnd, message, wp, lp);
}

}  // namespace win
