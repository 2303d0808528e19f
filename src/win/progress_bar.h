// A progress bar control bound as an object.
#pragma once

#include "win/control.h"

#include <commctrl.h>

namespace win {

class ProgressBar : public Control {
public:
    void SetRange(int low, int high) { ::SendMessageW(Handle(), PBM_SETRANGE32, low, high); }
    void SetStep(int step) { ::SendMessageW(Handle(), PBM_SETSTEP, step, 0); }
    void SetPos(int pos) { ::SendMessageW(Handle(), PBM_SETPOS, pos, 0); }
    // Advances by the step; past the top of the range the bar wraps to the bottom. The bar
    // is painted with the window's next paint, not inside the handler that steps it.
    void StepIt() {
        ::SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
        ::SendMessageW(Handle(), PBM_STEPIT, 0, 0);
        ::SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(Handle(), nullptr, TRUE);
    }
    int Pos() const { return static_cast<int>(::SendMessageW(Handle(), PBM_GETPOS, 0, 0)); }
};

}  // namespace win
