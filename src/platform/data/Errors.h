#pragma once
#include "platform/basic/RuntimeError.h"

#include <string>

namespace data {

// The engine's error numbers, as the screens' handlers test them. Every
// failure of this layer is a basic::RuntimeError carrying one of these.
enum ErrorNumber : int {
    errReservedLockConflict = 3000, // counted as a lock conflict by the counter
    errInvalidArgument = 3001,
    errTableExists = 3010,
    errNoCurrentRecord = 3021,
    errDuplicateKey = 3022,
    errFileNotFound = 3024,
    errDiskFull = 3026,
    errReadOnly = 3027,
    errDiskOrNetwork = 3043,
    errInvalidPath = 3044,
    errCouldNotLockFile = 3050,
    errNoPermission = basic::errNoPermission, // 3051
    errNullInKey = 3058,
    errUnknownName = 3061,
    errCannotExecuteSelect = 3065,
    errSyntax = 3075,
    errTableNotFound = 3078,
    errUnknownFieldInInsert = 3127,
    errNotInEditMode = 3020,
    errInvalidBookmark = 3159,
    errFieldTooSmall = 3163,
    errRecordDeleted = 3167,
    errNoInstallableDriver = 3170,
    errDatabaseExists = 3204,
    errRecordLocked = 3260,
    errTableLocked = 3262,
    errFieldNotFound = 3265,
    errUnrecognizedFormat = 3343,
    errObjectClosed = 3420,
    errConversion = 3421,
    errActionCancelled = 3426,
};

// The source of the errors the engine meets in its own temporary folder,
// where it reads a copy of a file it cannot read where it lies: they name
// that folder, no file or folder the user named.
inline constexpr const char* kSourceEngine = "DAO.DBEngine";

// The engine's own wording of an error number: its own table's, else the run
// time's (3051, which the file functions share); "" for numbers it does not raise.
std::string EngineDescription(int number);

// Raises basic::RuntimeError with the number, the given source (for example
// "DAO.Recordset") and the engine's description, followed by detail when given.
[[noreturn]] void RaiseEngineError(int number, const std::string& source, const std::string& detail = "");

} // namespace data
