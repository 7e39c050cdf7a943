#pragma once
// Internal: the checks that let a statement copying rows from another table
// store each value as a column of its declared type takes it
// (ConvertForColumn), or fail as a whole: a value the column cannot take with
// SQLITE_MISMATCH (3421), a text longer than the n characters of a "TEXT(n)"
// type with SQLITE_TOOBIG (3163). Both are SQLite functions of the engine
// (RegisterStoredValues), named here by the SQL that calls them.
//
// A whole-number column of a unique key takes no number with a fraction
// (3421): rounded, an employer number 2.5 would become employer 2 or 3. Other
// whole-number columns round as ConvertForColumn does.

#include <string>
#include <vector>

struct sqlite3;

namespace data {

// A column values are stored into.
struct TargetColumn {
    std::string declaredType;
    bool inUniqueKey = false;
    // Takes a text wider than the declared width whole, as a copy of rows
    // as they are stored does.
    bool anyWidth = false;
};

// The value of `expression` as that column stores it.
std::string StoredValueSql(const std::string& expression, const TargetColumn& column);

// A condition that holds when each value is stored as it is by its column
// (columns in the same order), is false when some value needs converting
// first (StoredValueSql), and fails the statement as StoredValueSql does
// when a value cannot be stored at all. One call a row: far cheaper than a
// conversion a value, for the many rows that need none.
std::string StoredAsTheyAreSql(const std::vector<std::string>& expressions, const std::vector<TargetColumn>& columns);

void RegisterStoredValues(sqlite3* db);

} // namespace data
