// The Windows C runtime's rand(), replicated so every platform draws the same sequence.
//
// The program never sets its starting point: a fresh process draws 41, 18467, 6334, ...
// as Windows does, and the drills multiply it by the seconds of the clock for variety.
// The one generator of a run lives in its Session.
#pragma once

#include <cstdint>

namespace qope {

class CrtRand {
public:
    int Next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFF);
    }

private:
    std::uint32_t state_ = 1;
};

}  // namespace qope
