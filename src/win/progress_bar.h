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
    // Advances by the step; past the top of the range the bar wraps to the bottom.
    void StepIt() { ::SendMessageW(Handle(), PBM_STEPIT, 0, 0); }
    int Pos() const { return static_cast<int>(::SendMessageW(Handle(), PBM_GETPOS, 0, 0)); }
};

}  // namespace win
