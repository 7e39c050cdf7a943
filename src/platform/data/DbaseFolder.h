#pragma once
// Internal: the engine's dBASE III driver. The "database" is a folder; each
// table is a file <name>.dbf in it (found without regard to case), read whole
// when a recordset first opens it and kept in memory. Nothing is written.

#include "platform/data/Database.h"

#include <string>

namespace data {

// Opens a folder of dBASE III tables, read-only. 3044 when the folder or its
// drive does not exist. Opening a table that has no file is 3078; a file
// that is no well-formed table is 3343.
DatabasePtr OpenDbaseFolder(const std::string& folder);

// Whether a connect text names the dBASE III driver ("dBASE III;").
bool IsDbaseConnect(const std::string& connect);

} // namespace data
