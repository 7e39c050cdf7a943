#pragma once
// The database engine: our stand-in for the file database the system was
// written for, kept in SQLite files under the system's file names.
//
// Usage:
//   auto db = data::OpenDatabase(folder + "\\tv941.mdb");   // shared, read-write
//   auto rs = db->OpenRecordset("Employers", data::dbOpenTable);
//   rs->MoveFirst();                                         // 3021 when empty
//   rs->Edit();                                              // 3260 when locked
//   rs->Fields("EmployerName1") = data::Value{std::string("SMITH TOOLS")};
//   rs->Update();                                            // 3022 on a duplicate key
//   db->Execute("DELETE * FROM DET941 IN '" + path + "'");  // the system's SQL as written
//
// Failures are basic::RuntimeError with the engine's numbers (Errors.h).
// Paths may use drive letters ("A:\...") and any letter case. Row locks
// (Edit) hold across connections and processes and die with their holder.
// The data control that binds screen fields is DataControl.h; the schema and
// the empty databases of the installation are Schema.h.

#include "platform/data/Database.h"
#include "platform/data/Errors.h"
#include "platform/data/Recordset.h"
#include "platform/data/Value.h"

#include <string>

namespace data {

// The collating locale the backup is created with.
inline constexpr const char* dbLangGeneral = ";LANGID=0x0409;CP=1252;COUNTRY=0";
// The idle call's option that frees unneeded read locks.
inline constexpr int dbFreeLocks = 1;

// Opens an existing database file, shared for reading and writing. A missing
// file is 3024 (never a new empty file), a missing folder or drive 3044, a
// file or folder this user may not read 3051, a file that is not a database
// 3343. `exclusive` is accepted and ignored: the system always shares.
// `readOnly` opens a file only to be read and copied from, wherever it lies:
// one in write-ahead mode on read-only media is read from a private copy,
// the rows that stand only in its log included.
// `connect` "" or "Access"; "dBASE III;" opens a folder of dBASE III tables
// read-only (the path is the folder, each table a .dbf file in it); any other
// driver is 3170.
DatabasePtr OpenDatabase(const std::string& path, bool exclusive = false, bool readOnly = false,
                         const std::string& connect = "");

// Creates a new, empty database file and opens it. An existing file is 3204,
// a missing folder 3044, a folder this user may not write or one on
// read-only media 3051 (naming the folder). The locale text is the engine's (dbLangGeneral).
DatabasePtr CreateDatabase(const std::string& path, const std::string& locale);

// Creates a new, empty database of this process alone, in a folder of its
// own in the temporary folder (TMPDIR, else /tmp), to hold a copy for a while
// (the data of one moment, read out of a shared file in one transaction
// and written elsewhere afterwards); nothing in it is synced, and the file
// and its folder go when the last user lets it go. Its path is FilePath(). A
// temporary folder that cannot take it, or a write into it that fails, raises
// the engine's error naming that folder under kSourceEngine (3044 missing,
// 3051 closed to this user, 3026 full, 3043 a failing disk).
DatabasePtr CreatePrivateDatabase();

// The engine's idle call. Nothing is held between statements here, so it
// only yields; kept so the system's retry loops read as written.
void Idle(int options = 0);

} // namespace data
