#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace basic {

// A date with a time of day, as the clock gives it (local time).
struct DateTime {
    int Year = 1899;
    int Month = 12;
    int Day = 30;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;

    friend bool operator==(const DateTime&, const DateTime&) = default;
};

// The current date and time, or the fixed day set by SetToday (its time
// is then 00:00:00).
DateTime Now();
// Now without the time of day.
DateTime Today();

// Fixes the clock at a day (tests, the scenario runner's `today`); an
// impossible date raises 5.
void SetToday(int year, int month, int day);
// Back to the system clock.
void UseSystemClock();

// Reads "YYYY-MM-DD" or "M/D/YYYY"; nothing when the text is no valid date.
std::optional<DateTime> ParseDate(std::string_view text);

// How a date value reads as text when handed over as it is: "3/7/2023", with
// " h:nn:ss AM/PM" appended when it has a time of day.
std::string DateText(const DateTime& value);

} // namespace basic
