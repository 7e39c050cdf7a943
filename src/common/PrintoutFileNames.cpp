#include "common/PrintoutFileNames.h"

#include "platform/basic/Strings.h"

#include <cctype>
#include <cstdio>

namespace {

bool IsPeriodCode(const std::string& code) {
    return code.size() == 3 && std::isdigit(static_cast<unsigned char>(code[1])) &&
           std::isdigit(static_cast<unsigned char>(code[2])) && ((code[0] >= '1' && code[0] <= '4') || code[0] == '6');
}

} // namespace

std::string ReturnPrintoutFileName(const std::string& employerName, const std::string& form,
                                   const std::string& periodCode) {
    const std::string employer = basic::Trim(employerName);
    std::string name = employer.empty() ? form : employer + " - " + form;
    if (!IsPeriodCode(periodCode)) return name;
    name += " 20" + periodCode.substr(1);
    if (periodCode[0] != '6') name += std::string(" Q") + periodCode[0];
    return name;
}

std::string ListingPrintoutFileName(const basic::DateTime& day) {
    char date[16];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", day.Year, day.Month, day.Day);
    return std::string("Employer listing ") + date;
}
