#include "Measure.h"

#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>

namespace bench {
namespace {

double StatusMb(const std::string& key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key + ":", 0) == 0) return std::stod(line.substr(key.size() + 1)) / 1024.0;
    }
    return 0;
}

void ResetPeak() {
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
}

} // namespace

double ResidentMb() {
    malloc_trim(0);
    return StatusMb("VmRSS");
}

Sample Measure(const std::function<void()>& operation, int runs, const std::function<void()>& prepare) {
    Sample best{1e300, 0};
    for (int i = 0; i < runs; ++i) {
        if (prepare) prepare();
        ResetPeak();
        auto start = std::chrono::steady_clock::now();
        operation();
        std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best.seconds = std::min(best.seconds, took.count());
        best.peakMb = std::max(best.peakMb, StatusMb("VmHWM"));
    }
    return best;
}

} // namespace bench
