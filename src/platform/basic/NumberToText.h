#pragma once
#include <string>

namespace basic {

// The text a number is written as into a field: the shortest text of at most
// 15 significant digits, trailing zeros dropped, "-" for negatives, "." as the
// decimal point whatever the locale, no leading blank, a zero before the point
// ("0.5"), "0" for zero. Very large or small magnitudes use "1.5E+15", "1E-05".
// 7.970000000000001 -> "7.97", 0.1 + 0.2 -> "0.3", 124 -> "124".
std::string NumberText(double value);

// Str: as NumberText, but a non-negative number gets a leading blank in the
// sign position and no zero before the point: Str(3021) = " 3021",
// Str(0.5) = " .5", Str(-0.5) = "-.5".
std::string Str(double value);

} // namespace basic
