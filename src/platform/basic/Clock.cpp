#include "platform/basic/Clock.h"

#include <chrono>
#include <ctime>

#include "platform/basic/RuntimeError.h"

namespace basic {

namespace {

std::optional<DateTime>& FixedDay() {
    static std::optional<DateTime> fixed;
    return fixed;
}

bool IsRealDate(int year, int month, int day) {
    using namespace std::chrono;
    if (month < 1 || month > 12 || day < 1 || day > 31) return false;
    return year_month_day{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                          std::chrono::day{static_cast<unsigned>(day)}}
        .ok();
}

// Reads the digits of `text` into `number`; false when it holds anything else.
bool ReadWhole(std::string_view text, int& number) {
    if (text.empty() || text.size() > 4) return false;
    number = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        number = number * 10 + (c - '0');
    }
    return true;
}

} // namespace

DateTime Now() {
    if (FixedDay()) return *FixedDay();
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return DateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

DateTime Today() {
    DateTime now = Now();
    return DateTime{now.Year, now.Month, now.Day, 0, 0, 0};
}

void SetToday(int year, int month, int day) {
    if (!IsRealDate(year, month, day)) Raise(errInvalidProcedureCall);
    FixedDay() = DateTime{year, month, day, 0, 0, 0};
}

void UseSystemClock() { FixedDay().reset(); }

std::optional<DateTime> ParseDate(std::string_view text) {
    int year = 0, month = 0, day = 0;
    std::size_t dash1 = text.find('-');
    std::size_t slash1 = text.find('/');
    if (dash1 != std::string_view::npos) {
        std::size_t dash2 = text.find('-', dash1 + 1);
        if (dash2 == std::string_view::npos || dash1 != 4) return std::nullopt;
        if (!ReadWhole(text.substr(0, dash1), year) || !ReadWhole(text.substr(dash1 + 1, dash2 - dash1 - 1), month) ||
            !ReadWhole(text.substr(dash2 + 1), day)) {
            return std::nullopt;
        }
    } else if (slash1 != std::string_view::npos) {
        std::size_t slash2 = text.find('/', slash1 + 1);
        if (slash2 == std::string_view::npos || text.size() - slash2 - 1 != 4) return std::nullopt;
        if (!ReadWhole(text.substr(0, slash1), month) ||
            !ReadWhole(text.substr(slash1 + 1, slash2 - slash1 - 1), day) ||
            !ReadWhole(text.substr(slash2 + 1), year)) {
            return std::nullopt;
        }
    } else {
        return std::nullopt;
    }
    if (!IsRealDate(year, month, day)) return std::nullopt;
    return DateTime{year, month, day, 0, 0, 0};
}

std::string DateText(const DateTime& value) {
    std::string text = std::to_string(value.Month) + "/" + std::to_string(value.Day) + "/" + std::to_string(value.Year);
    if (value.Hour == 0 && value.Minute == 0 && value.Second == 0) return text;
    int hour12 = value.Hour % 12 == 0 ? 12 : value.Hour % 12;
    auto two = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    return text + " " + std::to_string(hour12) + ":" + two(value.Minute) + ":" + two(value.Second) +
           (value.Hour < 12 ? " AM" : " PM");
}

} // namespace basic
