#include "PrintTraceMatch.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace scenario {
namespace {

std::optional<double> Number(const std::string& text) {
    if (text.empty()) return std::nullopt;
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::size_t MatchedFrom(const std::vector<std::string>& trace, std::size_t start,
                        const std::vector<std::string>& expected) {
    std::size_t n = 0;
    while (n < expected.size() && start + n < trace.size() && StoreMatches(expected[n], trace[start + n])) ++n;
    return n;
}

} // namespace

bool StoreMatches(const std::string& expected, const std::string& recorded) {
    if (expected == recorded) return true;
    auto expectedEq = expected.find('=');
    auto recordedEq = recorded.find('=');
    if (expectedEq == std::string::npos || recordedEq == std::string::npos) return false;
    if (expected.compare(0, expectedEq, recorded, 0, recordedEq) != 0) return false;
    auto a = Number(expected.substr(expectedEq + 1));
    auto b = Number(recorded.substr(recordedEq + 1));
    return a && b && std::fabs(*a - *b) < 1e-9;
}

long FindRun(const std::vector<std::string>& trace, const std::vector<std::string>& expected) {
    if (expected.empty()) return 0;
    for (std::size_t start = 0; start < trace.size(); ++start)
        if (MatchedFrom(trace, start, expected) == expected.size()) return static_cast<long>(start);
    return -1;
}

NearestRun FindNearestRun(const std::vector<std::string>& trace, const std::vector<std::string>& expected) {
    NearestRun best;
    for (std::size_t start = 0; start < trace.size(); ++start) {
        std::size_t n = MatchedFrom(trace, start, expected);
        if (n > best.matched) {
            best.matched = n;
            best.at = static_cast<long>(start);
            best.brokenBy = start + n < trace.size() ? trace[start + n] : "";
        }
    }
    return best;
}

} // namespace scenario
