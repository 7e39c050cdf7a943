#pragma once
// An employer number goes into the statements that find its rows. It is
// written out anew from the number it holds, so that nothing but a number
// ever reaches a statement, whatever a row from elsewhere holds there: a
// whole number, or one with a fraction another program stored (8.5).
#include "platform/data/Value.h"

#include <optional>
#include <string>

// The stored number as SQL text; nothing for Null, a text or a number past
// a double's range.
std::optional<std::string> EmployerNumberSql(const data::Value& stored);

// The same for a number shown as text ("17", "8.5"); nothing when the text
// is not wholly one number.
std::optional<std::string> ShownEmployerNumberSql(const std::string& shown);
