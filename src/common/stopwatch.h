// Elapsed time since a start, for the timings the benchmarks read and for pacing work in
// frames. The steady clock: never set back, at the system's finest resolution.
#pragma once

#include <chrono>
#include <cstdint>

namespace qope {

class Stopwatch {
public:
    Stopwatch() : start_(Clock::now()) {}
    void Restart() { start_ = Clock::now(); }
    std::int64_t Micros() const { return Elapsed<std::chrono::microseconds>(); }
    std::int64_t Millis() const { return Elapsed<std::chrono::milliseconds>(); }

private:
    using Clock = std::chrono::steady_clock;
    template <class Unit>
    std::int64_t Elapsed() const {
        return std::chrono::duration_cast<Unit>(Clock::now() - start_).count();
    }
    Clock::time_point start_;
};

}  // namespace qope
