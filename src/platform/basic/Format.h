#pragma once
#include "platform/basic/Clock.h"
#include <string>
#include <string_view>

namespace basic {

// Format of a number with a digit picture: "#" shows a digit only where one is
// needed, "0" always shows one, "." places the decimal point. No blanks are
// put in front. Rounded half away from zero on the number's 15-digit text.
//   Format(0.5, "#########.00") = ".50"   Format(-3, "#########.00") = "-3.00"
//   Format(0, "#########") = ""           Format(0, "##########0") = "0"
// A picture with other characters raises 5.
std::string Format(double value, std::string_view picture);

// Format of a date with a date picture, English month names whatever the
// locale: "MMM DD YYYY" -> "Mar 07 2023". Letters are case-blind: d, dd,
// m, mm, mmm, mmmm, yy, yyyy; hh, nn, ss for the time; anything else is
// copied as it stands.
std::string Format(const DateTime& value, std::string_view picture);

} // namespace basic
