#include "app/usage_clock.h"

namespace qope {

void UsageClock::Tick() {
    ++secondTicks_;
    seconds_ = secondTicks_ * kTickMs / 1000;
    if (seconds_ == 60) {
        seconds_ = 0;
        secondTicks_ = 0;
    }
    ++minuteTicks_;
    minutes_ = minuteTicks_ * kTickMs / 60000;
    if (minutes_ == 60) {
        minutes_ = 0;
        minuteTicks_ = 0;
        ++hours_;
    }
}

}  // namespace qope
