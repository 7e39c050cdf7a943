#pragma once
// Internal: a database file in write-ahead mode can be read only where the
// engine can keep its shared memory (the "-shm" file) beside it. On
// read-only media, or in a folder this user may not write, such a file (and
// the rows that stand only in its log, the "-wal" file) is read from a copy
// of the file and its log in a private temporary folder, which goes when the
// reader lets go. The file itself is never touched. The same private
// folder holds a new file this process alone makes and reads for a while
// (the data of one moment, copied out of a shared file).

#include <filesystem>
#include <memory>
#include <string>

namespace data {

class PrivateCopy {
public:
    // A copy of the file when it cannot be read where it lies, else nothing.
    // A temporary folder (TMPDIR, else /tmp) that cannot take the copy raises
    // the engine's error naming that folder under kSourceEngine (3044 missing
    // or no folder, 3051 closed to this user, 3026 full); a file that cannot
    // be read raises its error naming the file under `source`.
    static std::unique_ptr<PrivateCopy> WhereUnreadable(const std::string& nativePath, const std::string& source);
    // An empty private folder in the temporary folder, and the path of a file
    // of that name in it, not yet made. Its failures are those of the copy.
    static std::unique_ptr<PrivateCopy> ForNewFile(const std::string& fileName);
    ~PrivateCopy();
    PrivateCopy(const PrivateCopy&) = delete;
    PrivateCopy& operator=(const PrivateCopy&) = delete;

    const std::string& Path() const { return path_; }
    // A write into the copy that failed with `systemError` (errno) is the
    // temporary folder's failure, raised as the copy's own are.
    [[noreturn]] void RaiseWriteFailure(int systemError) const;

private:
    PrivateCopy(std::filesystem::path folder, std::string path) : folder_(std::move(folder)), path_(std::move(path)) {}
    std::filesystem::path folder_;
    std::string path_;
};

} // namespace data
