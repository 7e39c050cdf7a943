#pragma once
#include <cstdint>

namespace basic {

// CLng: round half to even to a 32-bit whole number; a value outside its
// range raises 6 "Overflow".
std::int32_t CLng(double value);

// Int: the largest whole number not above the value (Int(-2.5) = -3).
double Int(double value);

} // namespace basic
