#pragma once
// The names printouts propose for their files (without folder or extension),
// so that the printouts of one employer, each quarter's and the year's, and
// each day's listing are kept apart.
#include <string>

#include "platform/basic/Clock.h"

// "<employer> - <form> <year>[ Q<quarter>]": the year and the quarter from
// the period code ("122" = 2022 Q1, "622" = the year 2022 of Form 944, no
// quarter); only the employer and the form when the code is none of those
// ("ACME TOOLS - Form 941").
std::string ReturnPrintoutFileName(const std::string& employerName, const std::string& form,
                                   const std::string& periodCode);

// "Employer listing 2023-03-07".
std::string ListingPrintoutFileName(const basic::DateTime& day);
