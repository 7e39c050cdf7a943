#pragma once
#include <string>

#include "platform/printing/StoreValue.h"

namespace printing {

// A number in its shortest form that reads back as the same double
// (8.5, 11, 1.9180000000000001).
std::string ShortestNumber(double value);

// A value as the trace writes it: texts in double quotes (inner quotes
// doubled), True/False, numbers in shortest form, dates as #M/D/YYYY#.
std::string TraceText(const StoreValue::Variant& value);

// The text ItemText prints for a value: texts as they are, whole numbers in
// digits, other numbers as general numbers (15 significant digits), dates as
// M/D/YYYY, True/False.
std::string PrintedText(const StoreValue::Variant& value);

} // namespace printing
