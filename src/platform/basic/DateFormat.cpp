#include <array>
#include <chrono>
#include <string>

#include "platform/basic/Format.h"

namespace basic {

namespace {

constexpr std::array<const char*, 12> kMonthNames{"January",   "February", "March",    "April",
                                                  "May",       "June",     "July",     "August",
                                                  "September", "October",  "November", "December"};

constexpr std::array<const char*, 7> kDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                               "Thursday", "Friday", "Saturday"};

std::string TwoDigits(int n) {
    std::string text = std::to_string(n);
    return text.size() < 2 ? "0" + text : text;
}

std::string MonthName(int month, bool full) {
    if (month < 1 || month > 12) return "";
    std::string name = kMonthNames[month - 1];
    return full ? name : name.substr(0, 3);
}

std::string DayName(const DateTime& value, bool full) {
    using namespace std::chrono;
    year_month_day date{year{value.Year}, month{static_cast<unsigned>(value.Month)},
                        day{static_cast<unsigned>(value.Day)}};
    if (!date.ok()) return "";
    std::string name = kDayNames[weekday{sys_days{date}}.c_encoding()];
    return full ? name : name.substr(0, 3);
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

} // namespace

std::string Format(const DateTime& value, std::string_view picture) {
    std::string text;
    bool afterHour = false; // "m" right after an hour means minutes
    std::size_t i = 0;
    while (i < picture.size()) {
        char letter = Lower(picture[i]);
        std::size_t run = 1;
        while (i + run < picture.size() && Lower(picture[i + run]) == letter) ++run;
        switch (letter) {
        case 'd':
            if (run == 1) text += std::to_string(value.Day);
            else if (run == 2) text += TwoDigits(value.Day);
            else text += DayName(value, run >= 4);
            break;
        case 'm':
            if (afterHour && run <= 2) {
                text += run == 1 ? std::to_string(value.Minute) : TwoDigits(value.Minute);
            } else if (run == 1) text += std::to_string(value.Month);
            else if (run == 2) text += TwoDigits(value.Month);
            else text += MonthName(value.Month, run >= 4);
            break;
        case 'y': text += run <= 2 ? TwoDigits(value.Year % 100) : std::to_string(value.Year); break;
        case 'h': text += run == 1 ? std::to_string(value.Hour) : TwoDigits(value.Hour); break;
        case 'n': text += run == 1 ? std::to_string(value.Minute) : TwoDigits(value.Minute); break;
        case 's': text += run == 1 ? std::to_string(value.Second) : TwoDigits(value.Second); break;
        default: text.append(picture.substr(i, run)); break;
        }
        if (letter == 'h') afterHour = true;
        else if (letter != ':' && letter != ' ') afterHour = false;
        i += run;
    }
    return text;
}

} // namespace basic
