#pragma once
#include <cstdint>

namespace basic {

// CInt / CLng: round half to even to a 16-bit / 32-bit whole number; a value
// outside the type's range (the system's 16-bit counters and FieldNo
// included) raises 6 "Overflow".
std::int16_t CInt(double value);
std::int32_t CLng(double value);

// Int: the largest whole number not above the value (Int(-2.5) = -3).
double Int(double value);

} // namespace basic
