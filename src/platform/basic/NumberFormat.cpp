#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

#include "platform/basic/Format.h"
#include "platform/basic/RuntimeError.h"

namespace basic {

namespace {

// What a digit picture asks for.
struct DigitPicture {
    std::size_t minIntegerDigits = 0; // the "0"s of the whole part
    std::size_t minDecimals = 0;      // up to the last "0" after the point
    std::size_t maxDecimals = 0;      // every place after the point
    bool hasPoint = false;
};

DigitPicture ReadPicture(std::string_view picture) {
    DigitPicture result;
    std::size_t point = picture.find('.');
    result.hasPoint = point != std::string_view::npos;
    std::string_view whole = picture.substr(0, point);
    std::string_view decimals = result.hasPoint ? picture.substr(point + 1) : std::string_view{};
    for (char c : whole)
        if (c != '#' && c != '0') Raise(errInvalidProcedureCall);
    for (char c : decimals)
        if (c != '#' && c != '0') Raise(errInvalidProcedureCall);
    std::size_t firstZero = whole.find('0');
    if (firstZero != std::string_view::npos) result.minIntegerDigits = whole.size() - firstZero;
    std::size_t lastZero = decimals.rfind('0');
    if (lastZero != std::string_view::npos) result.minDecimals = lastZero + 1;
    result.maxDecimals = decimals.size();
    return result;
}

// The number as the decimal digits of its 15-digit text, split at the point.
struct DecimalDigits {
    bool negative = false;
    std::string whole; // without leading zeros
    std::string decimals;
};

DecimalDigits FifteenDigits(double value) {
    DecimalDigits result;
    result.negative = value < 0;
    if (value == 0.0) return result;
    char buffer[64];
    auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 14);
    (void)error;
    std::string text(buffer, end);
    std::size_t mark = text.find('e');
    int exponent = std::atoi(text.c_str() + mark + 1);
    std::string digits;
    for (std::size_t i = 0; i < mark; ++i)
        if (text[i] != '.') digits += text[i];
    if (exponent < 0) {
        result.decimals = std::string(-exponent - 1, '0') + digits;
    } else if (static_cast<std::size_t>(exponent) + 1 >= digits.size()) {
        result.whole = digits + std::string(exponent + 1 - digits.size(), '0');
    } else {
        result.whole = digits.substr(0, exponent + 1);
        result.decimals = digits.substr(exponent + 1);
    }
    return result;
}

// Rounds half away from zero to `places` decimals, on the decimal digits.
void RoundDecimals(DecimalDigits& d, std::size_t places) {
    if (d.decimals.size() <= places) return;
    bool up = d.decimals[places] >= '5';
    d.decimals.resize(places);
    if (!up) return;
    std::string all = d.whole + d.decimals;
    int i = static_cast<int>(all.size()) - 1;
    for (; i >= 0; --i) {
        if (all[i] == '9') {
            all[i] = '0';
            continue;
        }
        ++all[i];
        break;
    }
    if (i < 0) all.insert(all.begin(), '1');
    d.whole = all.substr(0, all.size() - places);
    d.decimals = all.substr(all.size() - places);
}

} // namespace

std::string Format(double value, std::string_view picture) {
    DigitPicture want = ReadPicture(picture);
    DecimalDigits d = FifteenDigits(value);
    RoundDecimals(d, want.maxDecimals);

    while (d.decimals.size() > want.minDecimals && d.decimals.back() == '0') d.decimals.pop_back();
    if (d.decimals.size() < want.minDecimals) d.decimals.append(want.minDecimals - d.decimals.size(), '0');

    std::size_t firstDigit = d.whole.find_first_not_of('0');
    d.whole = firstDigit == std::string::npos ? "" : d.whole.substr(firstDigit);
    if (d.whole.size() < want.minIntegerDigits) d.whole.insert(0, want.minIntegerDigits - d.whole.size(), '0');

    // A value that rounds to nothing is not negative ("-.00" would print as an amount).
    bool anyDigit = (d.whole + d.decimals).find_first_not_of('0') != std::string::npos;
    std::string text = (d.negative && anyDigit) ? "-" : "";
    text += d.whole;
    if (want.hasPoint) text += "." + d.decimals;
    return text;
}

} // namespace basic
