#include "platform/basic/Rnd.h"

#include <cstdint>

namespace basic {

namespace {

// The classic run time's generator: a 24-bit linear congruential sequence
// whose state starts at &H50000 in every run that does not seed it.
constexpr std::uint32_t kStartState = 0x50000;
constexpr std::uint32_t kMultiplier = 0x43FD43FD;
constexpr std::uint32_t kIncrement = 0xC39EC3;
constexpr std::uint32_t kMask = 0xFFFFFF;
constexpr double kRange = 16777216.0; // 2^24

std::uint32_t state = kStartState;

} // namespace

double Rnd() {
    state = (state * kMultiplier + kIncrement) & kMask;
    return state / kRange;
}

void RestartRnd() { state = kStartState; }

} // namespace basic
