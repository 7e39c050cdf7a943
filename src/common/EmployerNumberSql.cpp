#include "common/EmployerNumberSql.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

std::optional<std::string> EmployerNumberSql(const data::Value& stored) {
    if (const auto* whole = std::get_if<std::int64_t>(&stored)) return std::to_string(*whole);
    const auto* number = std::get_if<double>(&stored);
    if (number == nullptr || !std::isfinite(*number)) return std::nullopt;
    // The shortest digits that read back as the same double, without an
    // exponent: the statement then finds the very number stored.
    std::array<char, 400> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), *number, std::chars_format::fixed);
    if (written.ec != std::errc()) return std::nullopt;
    return std::string(text.data(), written.ptr);
}

std::optional<std::string> ShownEmployerNumberSql(const std::string& shown) {
    const char* first = shown.data();
    const char* last = shown.data() + shown.size();
    std::int64_t whole = 0;
    if (auto read = std::from_chars(first, last, whole); read.ec == std::errc() && read.ptr == last)
        return EmployerNumberSql(data::Value{whole});
    double number = 0;
    if (auto read = std::from_chars(first, last, number); read.ec == std::errc() && read.ptr == last)
        return EmployerNumberSql(data::Value{number});
    return std::nullopt;
}
