#include "platform/basic/TextToNumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/basic/RuntimeError.h"

namespace basic {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsExponentMark(char c) { return c == 'e' || c == 'E' || c == 'd' || c == 'D'; }

// The power of ten of a decimal text's leading digit ("-12.5e3" gives 4), to
// tell an overflow from an underflow.
long DecimalMagnitude(std::string_view number) {
    const std::string clean(number);
    std::size_t mark = clean.find_first_of("eE");
    std::string mantissa = clean.substr(0, mark);
    long exponent = mark == std::string::npos ? 0 : std::strtol(clean.c_str() + mark + 1, nullptr, 10);
    // Far beyond any double's range either way; kept small enough to add to.
    exponent = std::clamp(exponent, -100000L, 100000L);
    std::size_t point = mantissa.find('.');
    if (point == std::string::npos) point = mantissa.size();
    std::size_t firstNonZero = mantissa.find_first_of("123456789");
    if (firstNonZero == std::string::npos) return 0;
    long position =
        firstNonZero < point ? static_cast<long>(point - firstNonZero) - 1 : -static_cast<long>(firstNonZero - point);
    return position + exponent;
}

// Converts a clean decimal text ("-12.5e3") correctly rounded; 6 on overflow.
double DecimalValue(const std::string& clean) {
    std::string_view number = clean;
    if (!number.empty() && number.front() == '+') number.remove_prefix(1);
    const double result = PlainNumber(number);
    if (std::isinf(result)) Raise(errOverflow);
    return result;
}

// Reads the digits of a "&H" / "&O" number; `valid` tells whether any digit was read.
double RadixValue(std::string_view digits, int radix, bool& valid) {
    std::uint64_t value = 0;
    valid = false;
    for (char c : digits) {
        int digit = -1;
        if (IsDigit(c)) digit = c - '0';
        else if (radix == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (radix == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        if (digit < 0 || digit >= radix) break;
        value = value * radix + digit;
        if (value > 0xFFFFFFFFull) Raise(errOverflow);
        valid = true;
    }
    // The classic run time reads up to 32 bits as a signed long.
    if (value > 0xFFFFull) return static_cast<double>(static_cast<std::int32_t>(value));
    return static_cast<double>(static_cast<std::int16_t>(value));
}

bool StartsWithRadix(std::string_view text, int& radix) {
    if (text.size() < 2 || text[0] != '&') return false;
    char mark = text[1];
    if (mark == 'h' || mark == 'H') {
        radix = 16;
        return true;
    }
    if (mark == 'o' || mark == 'O') {
        radix = 8;
        return true;
    }
    return false;
}

} // namespace

double Val(std::string_view text) {
    std::string compact;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') compact += c;
    }
    int radix = 0;
    if (StartsWithRadix(compact, radix)) {
        bool valid = false;
        return RadixValue(std::string_view(compact).substr(2), radix, valid);
    }
    std::string clean;
    std::size_t i = 0;
    if (i < compact.size() && (compact[i] == '-' || compact[i] == '+')) clean += compact[i++];
    bool digits = false;
    while (i < compact.size() && IsDigit(compact[i])) {
        clean += compact[i++];
        digits = true;
    }
    if (i < compact.size() && compact[i] == '.') {
        clean += compact[i++];
        while (i < compact.size() && IsDigit(compact[i])) {
            clean += compact[i++];
            digits = true;
        }
    }
    if (!digits) return 0.0;
    if (i < compact.size() && IsExponentMark(compact[i])) {
        std::string exponent = "e";
        std::size_t j = i + 1;
        if (j < compact.size() && (compact[j] == '-' || compact[j] == '+')) exponent += compact[j++];
        bool exponentDigits = false;
        while (j < compact.size() && IsDigit(compact[j])) {
            exponent += compact[j++];
            exponentDigits = true;
        }
        if (exponentDigits) clean += exponent;
    }
    if (clean == "-." || clean == "+." || clean == ".") return 0.0;
    return DecimalValue(clean);
}

double CDbl(std::string_view text) {
    std::size_t first = text.find_first_not_of(' ');
    std::size_t last = text.find_last_not_of(' ');
    if (first == std::string_view::npos) Raise(errTypeMismatch);
    std::string_view body = text.substr(first, last - first + 1);

    int radix = 0;
    if (StartsWithRadix(body, radix)) {
        bool valid = false;
        std::string_view digits = body.substr(2);
        double value = RadixValue(digits, radix, valid);
        // Every character after the mark must have been a digit of the radix.
        for (char c : digits) {
            bool ok =
                IsDigit(c) ? (c - '0') < radix : (radix == 16 && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
            if (!ok) Raise(errTypeMismatch);
        }
        if (!valid) Raise(errTypeMismatch);
        return value;
    }

    std::string clean;
    std::size_t i = 0;
    if (i < body.size() && (body[i] == '-' || body[i] == '+')) clean += body[i++];
    bool digits = false;
    while (i < body.size() && (IsDigit(body[i]) || (body[i] == ',' && digits))) {
        if (body[i] != ',') {
            clean += body[i];
            digits = true;
        }
        ++i;
    }
    if (i < body.size() && body[i] == '.') {
        clean += body[i++];
        while (i < body.size() && IsDigit(body[i])) {
            clean += body[i++];
            digits = true;
        }
    }
    if (!digits) Raise(errTypeMismatch);
    if (i < body.size() && IsExponentMark(body[i])) {
        clean += 'e';
        ++i;
        if (i < body.size() && (body[i] == '-' || body[i] == '+')) clean += body[i++];
        bool exponentDigits = false;
        while (i < body.size() && IsDigit(body[i])) {
            clean += body[i++];
            exponentDigits = true;
        }
        if (!exponentDigits) Raise(errTypeMismatch);
    }
    if (i != body.size()) Raise(errTypeMismatch);
    return DecimalValue(clean);
}

double TextAsNumber(std::string_view text) {
    // Blank, or a sign / point typed part-way: an empty amount counts as 0.
    static constexpr std::string_view kEmptyAmounts[] = {"", "-", "+", ".", "-.", "+."};
    std::string compact;
    for (char c : text) {
        if (c != ' ') compact += c;
    }
    for (auto empty : kEmptyAmounts) {
        if (compact == empty) return 0.0;
    }
    return CDbl(text);
}

double PlainNumber(std::string_view text) {
    double result = 0.0;
    auto [end, error] = NumberInDigits(text.data(), text.data() + text.size(), result);
    if (error == std::errc::result_out_of_range) {
        // from_chars leaves the result alone: say which way it fell out.
        const std::string_view number = text.substr(0, static_cast<std::size_t>(end - text.data()));
        if (DecimalMagnitude(number) <= 0) return 0.0;
        return number.front() == '-' ? -HUGE_VAL : HUGE_VAL;
    }
    return error == std::errc() ? result : 0.0;
}

std::from_chars_result NumberInDigits(const char* first, const char* last, double& value) {
    const char* number = first != last && *first == '-' ? first + 1 : first;
    if (number == last || !(IsDigit(*number) || *number == '.')) return {first, std::errc::invalid_argument};
    return std::from_chars(first, last, value);
}

} // namespace basic
