#pragma once

namespace basic {

// Round(x, digits): to the nearest multiple of 10^-digits, an exact half going
// to the even digit. "Exact half" is decided on the exact binary value of the
// double, so Round(0.125, 2) = 0.12 but Round(200 * 0.009, 2) = 1.8.
// digits outside 0..22 raises 5.
double Round(double value, int digits = 0);

} // namespace basic
