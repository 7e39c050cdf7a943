#include "common/EmployeeCountCaption.h"

#include "platform/basic/Strings.h"

#include <array>

namespace {

struct LineOneCaption {
    const char* quarter;
    const char* caption;
};

constexpr std::array<LineOneCaption, 4> kLineOneCaptions{{
    {"1", "Number of Employees in 3/12 pay period:"},
    {"2", "Number of Employees in 6/12 pay period:"},
    {"3", "Number of Employees in 9/12 pay period:"},
    {"4", "Number of Employees in 12/12 pay period:"},
}};

} // namespace

const char* EmployeeCountCaption(const std::string& periodCode) {
    const std::string quarter = basic::Left(periodCode, 1);
    for (const LineOneCaption& row : kLineOneCaptions) {
        if (quarter == row.quarter) return row.caption;
    }
    return nullptr;
}
