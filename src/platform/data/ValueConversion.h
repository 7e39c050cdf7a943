#pragma once
// Internal: a value written into a field takes the column's type, as the
// engine converts it: "" is Null in a number column, numbers round half to
// even into whole-number columns, numbers become text in text columns.

#include "platform/data/Value.h"

#include <string>

namespace data {

// Raises 3421 when the value cannot be taken by a column of that type.
Value ConvertForColumn(const std::string& declaredType, const Value& value);

// ConvertForColumn for a column of the key that names a row (EmployerNo): a
// number with a fraction, which another program may have stored there, stays
// itself in a whole-number column, since rounded it would name another row.
Value ConvertForKeyColumn(const std::string& declaredType, const Value& value);

// What a declared type makes of the values written into its column.
enum class ColumnAffinity { Integer, Real, Text };
ColumnAffinity AffinityOf(const std::string& declaredType);
// ConvertForColumn for a column of that affinity.
Value ConvertForAffinity(ColumnAffinity affinity, const Value& value);

} // namespace data
