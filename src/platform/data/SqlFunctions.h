#pragma once
// Internal: the engine's expression functions that SQLite lacks (Left, Right,
// Mid, Len, UCase, LCase), so that the system's criteria run as written.

#include <string>

struct sqlite3;

namespace data {

void RegisterEngineFunctions(sqlite3* db);

// The SQLite name of an engine function named in upper case ("LEFT" -> "jet_left").
std::string EngineFunctionName(const std::string& upperName);

} // namespace data
