#pragma once
#include <charconv>
#include <string_view>

namespace basic {

// Val: the leading number of a text, 0 when it starts with none. Blanks, tabs
// and line feeds are skipped anywhere, a point is the decimal point whatever
// the locale, "&H" and "&O" read hexadecimal and octal. Raises 6 on overflow.
double Val(std::string_view text);

// CDbl: the whole text must be a number (blanks around it, one sign, digits
// with optional "," grouping, one ".", an exponent E/D). Anything else raises
// 13 "Type mismatch", a blank text included; a number too large raises 6.
double CDbl(std::string_view text);

// A field's text taken as a number, the way the screens read amounts: a blank
// text (or one holding only a sign or a point, as typed part-way) is 0;
// otherwise the strict conversion above (13 on anything that is not a number).
double TextAsNumber(std::string_view text);

// A plain number text ("-12.5", "1E+300") as written into a field: its leading
// number, "." the decimal point whatever the locale, 0 when it starts with
// none. A number too large for a double reads as infinity with its sign, never
// as 0, so that a range check refuses it; one too small to tell from 0 is 0.
double PlainNumber(std::string_view text);

// std::from_chars for a number written in digits, "-" its only sign: the
// words it takes as well (nan, inf, infinity, in any case) are no number
// here, so that no stored text and no property's text reads as one.
std::from_chars_result NumberInDigits(const char* first, const char* last, double& value);

} // namespace basic
