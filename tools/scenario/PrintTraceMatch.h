#pragma once
#include <string>
#include <vector>

namespace scenario {

// Whether one expected store ("Name=Value") matches one recorded store.
// Texts compare exactly; two numbers match when they differ by less than 1e-9.
bool StoreMatches(const std::string& expected, const std::string& recorded);

// Where the expected stores stand in the trace as one unbroken run, in order;
// -1 when they do not.
long FindRun(const std::vector<std::string>& trace, const std::vector<std::string>& expected);

// For a failure report: the longest prefix of the expected run found anywhere
// in the trace, and the recorded store that broke it ("" when none did).
struct NearestRun {
    std::size_t matched = 0;
    long at = -1;
    std::string brokenBy;
};
NearestRun FindNearestRun(const std::vector<std::string>& trace, const std::vector<std::string>& expected);

} // namespace scenario
