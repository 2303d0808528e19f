// The usage clock of the main window: hours, minutes and seconds since start-up.
//
// It counts 100 ms timer ticks, not wall time, so a late or merged tick makes it slow.
// Seconds and minutes each keep their own tick counter and roll over at 60.
#pragma once

namespace qope {

class UsageClock {
public:
    void Tick();
    void Reset() { *this = UsageClock{}; }

    int Hours() const { return hours_; }
    int Minutes() const { return minutes_; }
    int Seconds() const { return seconds_; }

    static constexpr int kTickMs = 100;

private:
    int secondTicks_ = 0;
    int minuteTicks_ = 0;
    int hours_ = 0;
    int minutes_ = 0;
    int seconds_ = 0;
};

}  // namespace qope
