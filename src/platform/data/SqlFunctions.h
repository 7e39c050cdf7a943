#pragma once
// Internal: the engine's expression functions that SQLite lacks (Left, Right,
// Mid, Len, UCase, LCase), so that the system's criteria run as written.

#include <string>

struct sqlite3;

namespace data {

// Also registers the checks of values for their columns (StoredValues.h) and kCaseBlind, the engine's comparison of texts
// without regard to case for every letter of code page 1252 (é = É). SQLite's own
// NOCASE folds ASCII letters only; for texts of ASCII alone the two agree,
// so the tables keep NOCASE (any SQLite tool reads them) and only a
// comparison with a text beyond ASCII uses kCaseBlind.
void RegisterEngineFunctions(sqlite3* db);
inline constexpr const char* kCaseBlind = "JET_NOCASE";

// The SQLite name of an engine function named in upper case ("LEFT" -> "jet_left").
std::string EngineFunctionName(const std::string& upperName);

} // namespace data
