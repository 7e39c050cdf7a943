#include "platform/basic/Round.h"

#include <charconv>
#include <cmath>

#include "platform/basic/RuntimeError.h"

namespace basic {

double Round(double value, int digits) {
    if (digits < 0 || digits > 22) Raise(errInvalidProcedureCall);
    if (!std::isfinite(value)) return value;
    // to_chars writes the exact binary value rounded to `digits` places, an
    // exact half to even; reading the text back gives the nearest double.
    char buffer[400];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, digits);
    if (error != std::errc()) return value;
    double result = value;
    std::from_chars(buffer, end, result);
    return result;
}

} // namespace basic
