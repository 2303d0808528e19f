// Durations of one kind of work, measured inside the process for the benchmarks: the last
// few thousand in microseconds, with their median and worst.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace qope {

class TimingLog {
public:
    void Add(std::int64_t micros) {
        if (samples_.size() == kKept) samples_.erase(samples_.begin());
        samples_.push_back(micros);
    }
    void Clear() { samples_.clear(); }
    std::size_t Count() const { return samples_.size(); }
    std::int64_t Median() const {
        if (samples_.empty()) return -1;
        std::vector<std::int64_t> sorted = samples_;
        std::nth_element(sorted.begin(), sorted.begin() + std::ptrdiff_t(sorted.size() / 2), sorted.end());
        return sorted[sorted.size() / 2];
    }
    std::int64_t Worst() const {
        return samples_.empty() ? -1 : *std::max_element(samples_.begin(), samples_.end());
    }

private:
    static constexpr std::size_t kKept = 4096;
    std::vector<std::int64_t> samples_;
};

}  // namespace qope
