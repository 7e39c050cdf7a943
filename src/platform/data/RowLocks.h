#pragma once
// Internal: row locks that hold across connections and processes. Each
// holder opens its own description of "<database file>.locks" and takes a
// byte-range lock on one byte per (table, row). Locks of an open file
// description are the kernel's: they go when the holder closes the file or
// its process dies, so a crashed copy of the program never blocks the others.
// POSIX byte-range locks are carried by network file systems too, so copies
// on several machines sharing the folder exclude each other as well.

#include "platform/data/Connection.h"

#include <cstdint>
#include <string>
#include <vector>

namespace data {

class RowLockFile {
public:
    // Opens the lock file, creating it when missing with the database file's
    // permissions and group, so that every user who may write the database
    // may lock its rows. The first file opened for the database is the one
    // this process keeps to (LockFileLost). A file this user may not open
    // for writing leaves it unusable; any other failure raises, naming
    // `source`: 3026 when there is no room to make it, 3043 else (a failing
    // disk, a lost share).
    explicit RowLockFile(const std::string& databasePath, const char* source = kSourceRecordset);
    ~RowLockFile();
    RowLockFile(const RowLockFile&) = delete;
    RowLockFile& operator=(const RowLockFile&) = delete;

    // False when this user may not open the lock file for writing: then no
    // row can be locked, and nothing may be edited.
    bool Usable() const { return fd_ >= 0; }
    // False when another holder has the row, or when the file is not usable.
    bool TryLock(const std::string& table, std::int64_t rowid);
    void Unlock(const std::string& table, std::int64_t rowid);
    // Whether another holder has the row now (takes and drops it); true
    // when the file is not usable.
    bool HeldByOther(const std::string& table, std::int64_t rowid);
    // Whether another holder has any row of the file; true when the file is
    // not usable.
    bool AnyHeldByOther();

private:
    int fd_ = -1;
};

// Whether the lock file this process first opened for the database is gone
// or replaced since (someone deleted it while the program ran): locks taken
// now would not be seen by the copies that opened the other file, nor
// theirs by this one. Once lost it stays lost until the program starts
// again. While this process never opened the lock file: whether something
// that is no file stands in its place (a folder, a link to nothing, a
// pipe), in which no row can be locked.
bool LockFileLost(const std::string& databasePath);

// Whether another holder has any of the rows. No lock file means nobody
// holds a row; a lock file this user may not open for writing counts as
// held. Raises 3050 when the lock file is lost (LockFileLost), and as the
// RowLockFile does when it cannot be opened.
bool AnyRowHeldByOther(const std::string& databasePath, const std::string& table,
                       const std::vector<std::int64_t>& rowids);

// Whether another holder has any row of the database at all, found with one
// test of the whole lock file, so that a statement over many rows tests them
// one by one only when somebody holds one. No lock file means nobody holds a
// row; a lock file this user may not open for writing counts as held.
// Raises 3050 when the lock file is lost (LockFileLost), and as the
// RowLockFile does when it cannot be opened.
bool AnyRowLockHeldByOther(const std::string& databasePath);

// Whether this process may lock the database's rows, or else must take the
// database as read-only: the lock file is writable, or missing and the
// folder lets it be created. Something that is no file in its place does not
// make the database read-only: every change is refused as lost
// (LockFileLost).
bool RowsLockable(const std::string& databasePath);

} // namespace data
