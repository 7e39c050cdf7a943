#pragma once
#include <cstdint>
#include <string>
#include <variant>

namespace data {

// One column value of a row: Null, a whole number, a floating-point number or a text.
using Null = std::monostate;
using Value = std::variant<Null, std::int64_t, double, std::string>;

inline bool IsNull(const Value& v) { return std::holds_alternative<Null>(v); }

// The value as text: Null is "", numbers are written with "." as the decimal
// point and at most 15 significant digits (24.8 -> "24.8", 500.0 -> "500").
std::string ToText(const Value& v);

} // namespace data
