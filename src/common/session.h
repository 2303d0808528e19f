// What every window of one run shares: the Wubi edition chosen in the main window and the
// C runtime's rand() sequence. There is one session per process, made at start and handed
// to each window, so all windows draw from one sequence as they would from rand().
#pragma once

#include "common/crt_rand.h"

namespace qope {

enum WubiEdition : int { kWubi86 = 86, kWubi98 = 98 };

class Session {
public:
    WubiEdition Edition() const { return edition_; }
    void SetEdition(WubiEdition edition) { edition_ = edition; }
    // The next value of rand().
    int Rand() { return rand_.Next(); }

private:
    WubiEdition edition_ = kWubi86;
    CrtRand rand_;
};

}  // namespace qope
