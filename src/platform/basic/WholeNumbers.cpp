#include "platform/basic/WholeNumbers.h"

#include <cmath>
#include <limits>

#include "platform/basic/Round.h"
#include "platform/basic/RuntimeError.h"

namespace basic {

namespace {

template <typename Whole>
Whole ToWhole(double value) {
    if (std::isnan(value)) Raise(errOverflow);
    double rounded = Round(value, 0);
    if (rounded < static_cast<double>(std::numeric_limits<Whole>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Whole>::max())) {
        Raise(errOverflow);
    }
    return static_cast<Whole>(rounded);
}

} // namespace

std::int32_t CLng(double value) { return ToWhole<std::int32_t>(value); }
double Int(double value) { return std::floor(value); }

} // namespace basic
