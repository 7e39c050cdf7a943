#pragma once
// What the data utilities share: the paths of the program's two databases
// and file paths put into the engine's SQL (DatabasePaths.h), the statements
// that move whole tables, the row walk that counts a table, and the text of
// their generic error messages. What leaves the counter above the employer
// numbers a restore or an import brings in lies with the counter
// (basCounter.h), which a new employer's Save uses too.

#include <memory>
#include <string>

#include "common/DatabasePaths.h"
#include "common/basCounter.h"
#include "platform/basic/RuntimeError.h"
#include "platform/data/Database.h"
#include "platform/data/Errors.h"

// Opens a file the user's data is copied from (a backup, last year's
// databases) for reading only: the copy never changes it, not even its
// journal mode, which the program turns back only in its own databases.
std::shared_ptr<data::Database> OpenToCopyFrom(const std::string& path);

// The engine's statements that empty a table of a database file, and that
// copy all of a table's rows from one file into the same table of another;
// each file as the text of an IN clause (InClausePath).
std::string DeleteAllRowsSql(const std::string& table, const std::string& in);
std::string CopyAllRowsSql(const std::string& table, const std::string& to, const std::string& from);

// How a restore and an import run those copies: a row that cannot be stored
// fails the whole copy, and what a backup or last year's file holds comes
// back as it is stored there, the rows the DOS conversion or an Edit left
// with texts wider than their columns included; only the keys, which find
// the rows, are checked (Database::Execute).
constexpr int kCopyRowsAsStored = data::dbFailOnError + data::dbCopyAsStored;

// Checks on what a restore or an import has copied into the current tables,
// inside its transaction, so that a refused file changes nothing. A row of
// the return table (DET941 or Det944) without its key is refused (3058): the
// files of earlier releases let such a row in, and no screen could open it.
void RefuseReturnRowsWithoutKey(data::Database& current, const std::string& table);

// Runs a move; "no current record" (the first move on an empty table) is
// passed over, as the system's row walks do.
template <class Move>
void PassOverNoCurrentRecord(Move move) {
    try {
        move();
    } catch (const basic::RuntimeError& e) {
        if (e.Number() != data::errNoCurrentRecord) throw;
    }
}

// Walks a table-type recordset from its first row to its end and gives the
// number of rows; an empty table counts 0. Counts are not limited to 16 bits.
long long WalkRowCount(data::Database& database, const std::string& table);

// The number the utilities' handlers choose their message by: the error's
// own, except for one met in the engine's temporary folder (0), which is no
// drive or disc the user gave and so takes the generic message, which names
// that folder.
int HandledNumberOf(const basic::RuntimeError& error);

// The error's number, `afterNumber`, its source, `afterSource` and its
// description: the shape of the utilities' generic error messages.
std::string ErrorReport(const basic::RuntimeError& error, const std::string& afterNumber,
                        const std::string& afterSource);
