#pragma once
// The one definition of the system's tables, and the empty databases of the
// installation (TV941.MDB and db1099_ID.mdb) made from it.

#include <string>
#include <vector>

namespace data {

enum class ColumnKind { Integer, Real, Text };

struct ColumnDef {
    const char* name;
    ColumnKind kind;
    int width; // characters of a text column; 0 for numbers
};

struct TableDef {
    std::string name;
    std::vector<ColumnDef> columns;
    // Each a list of column names; the first names a row (Recordset.h).
    std::vector<std::vector<std::string>> uniqueKeys;
    std::vector<std::string> notNull;                 // columns that may not hold Null
    // Text columns searched by their first letters (Find) or sorted on: each
    // gets an index, which compares without regard to case as its column does.
    std::vector<std::string> searchedColumns;
};

// File names as the system spells them.
inline constexpr const char* kMainDatabaseFile = "TV941.MDB";
inline constexpr const char* kIdDatabaseFile = "db1099_ID.mdb";

// Employers, DET941, Det944, Employees, W2Dollars.
const std::vector<TableDef>& MainDatabaseTables();
// Employers_ID, Employees_ID.
const std::vector<TableDef>& IdDatabaseTables();
// The table of that name (case-insensitive) in either list, or nullptr.
const TableDef* FindTableDef(const std::string& name);

// The SQLite column type of a column: "INTEGER", "REAL" or "TEXT(n)".
std::string DeclaredType(const ColumnDef& column);

// Creates a database file at a native path holding the given tables, and
// the rows the statements insert, in one transaction. Fails
// (basic::RuntimeError 3204) when the file exists.
void CreateSchemaDatabase(const std::string& nativePath, const std::vector<TableDef>& tables,
                          const std::vector<std::string>& firstRows = {});

// Creates TV941.MDB and db1099_ID.mdb (with its one counter row, NextCounter
// 1) in a native folder, each only when no file of that name exists there in
// any letter case; each is made whole under another name and then renamed
// into place, so a creation cut short is made again at the next run.
// Returns the names of the files it created. This is what the tool `makedb`
// runs.
std::vector<std::string> MakeEmptyDatabases(const std::string& nativeFolder);

} // namespace data
