#include "platform/data/Value.h"

#include <charconv>

namespace data {

std::string ToText(const Value& v) {
    if (const auto* i = std::get_if<std::int64_t>(&v)) return std::to_string(*i);
    if (const auto* s = std::get_if<std::string>(&v)) return *s;
    if (const auto* d = std::get_if<double>(&v)) {
        // to_chars ignores the process locale, so the point stays a point.
        char buffer[64];
        auto result = std::to_chars(buffer, buffer + sizeof buffer, *d, std::chars_format::general, 15);
        std::string text(buffer, result.ptr);
        if (text == "-0") text = "0";
        return text;
    }
    return "";
}

} // namespace data
