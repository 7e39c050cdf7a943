#pragma once
// Internal: row locks that hold across connections and processes. Each
// holder opens its own description of "<database file>.locks" and takes a
// byte-range lock on one byte per (table, row). Locks of an open file
// description are the kernel's: they go when the holder closes the file or
// its process dies, so a crashed copy of the program never blocks the others.

#include <cstdint>
#include <string>

namespace data {

class RowLockFile {
public:
    explicit RowLockFile(const std::string& databasePath);
    ~RowLockFile();
    RowLockFile(const RowLockFile&) = delete;
    RowLockFile& operator=(const RowLockFile&) = delete;

    // False when another holder has the row.
    bool TryLock(const std::string& table, std::int64_t rowid);
    void Unlock(const std::string& table, std::int64_t rowid);
    // Whether another holder has the row now (takes and drops it).
    bool HeldByOther(const std::string& table, std::int64_t rowid);

private:
    int fd_ = -1; // -1 when the folder allows no lock file: then nothing is locked
};

} // namespace data
