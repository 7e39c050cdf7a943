#pragma once
// Wall time and peak resident memory of one run of an operation. The peak is
// the process's own high-water mark, reset before the run (freed memory is
// handed back to the system first), so it counts what the run itself needed
// on top of what the process already held.
#include <functional>

namespace bench {

struct Sample {
    double seconds = 0;
    double peakMb = 0;
};

// Runs the operation `runs` times (preparing before each, untimed) and keeps
// the fastest time and the highest peak.
Sample Measure(const std::function<void()>& operation, int runs = 1, const std::function<void()>& prepare = {});

// Resident memory now, in MB, after freed memory went back to the system.
double ResidentMb();

} // namespace bench
