#include "platform/basic/NumberToText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace basic {

namespace {

// The number's 15 significant digits (trailing zeros dropped) and the power
// of ten of the first: 7.970000000000001 -> ("797", 0).
struct Digits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

Digits SignificantDigits(double value) {
    Digits result;
    result.negative = std::signbit(value) && value != 0.0;
    char buffer[64];
    auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 14);
    (void)error;
    std::string text(buffer, end); // "7.97000000000000e+00"
    std::size_t mark = text.find('e');
    result.exponent = std::atoi(text.c_str() + mark + 1);
    for (std::size_t i = 0; i < mark; ++i) {
        if (text[i] != '.') result.digits += text[i];
    }
    while (result.digits.size() > 1 && result.digits.back() == '0') result.digits.pop_back();
    return result;
}

std::string ScientificText(const Digits& d) {
    std::string text = d.digits.substr(0, 1);
    if (d.digits.size() > 1) text += "." + d.digits.substr(1);
    std::string power = std::to_string(std::abs(d.exponent));
    if (power.size() < 2) power = "0" + power;
    return text + "E" + (d.exponent < 0 ? "-" : "+") + power;
}

std::string FixedText(const Digits& d) {
    const int count = static_cast<int>(d.digits.size());
    if (d.exponent < 0) return "0." + std::string(-d.exponent - 1, '0') + d.digits;
    if (d.exponent + 1 >= count) return d.digits + std::string(d.exponent + 1 - count, '0');
    return d.digits.substr(0, d.exponent + 1) + "." + d.digits.substr(d.exponent + 1);
}

} // namespace

std::string NumberText(double value) {
    if (value == 0.0) return "0";
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";
    Digits d = SignificantDigits(value);
    // The classic run time writes plain digits from 1E-04 up to 15 digits
    // before the point, and an exponent beyond.
    std::string text = (d.exponent >= 15 || d.exponent < -4) ? ScientificText(d) : FixedText(d);
    return d.negative ? "-" + text : text;
}

std::string Str(double value) {
    std::string text = NumberText(value);
    if (text.rfind("0.", 0) == 0) text.erase(0, 1);
    else if (text.rfind("-0.", 0) == 0) text.erase(1, 1);
    return text[0] == '-' ? text : " " + text;
}

} // namespace basic
