#include "platform/data/RowLocks.h"

#include "platform/data/Connection.h"
#include "platform/data/Errors.h"
#include "platform/data/WriteFailures.h"
#include "platform/files/NoRoom.h"
#include "platform/files/PermissionError.h"

#include <cctype>
#include <cerrno>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace data {

namespace {

// The byte that stands for one row: a hash of the table's name (any case)
// and the row, spread over a wide range so that two rows rarely share a byte.
off_t LockOffset(const std::string& table, std::int64_t rowid) {
    std::uint64_t hash = 1469598103934665603ULL; // FNV-1a
    auto mix = [&hash](unsigned char byte) {
        hash ^= byte;
        hash *= 1099511628211ULL;
    };
    for (char c : table) mix(static_cast<unsigned char>(std::tolower(static_cast<unsigned char>(c))));
    mix(':');
    for (int shift = 0; shift < 64; shift += 8) mix(static_cast<unsigned char>(rowid >> shift));
    return static_cast<off_t>(hash % (1ULL << 40));
}

bool SetLock(int fd, short type, off_t offset) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = offset;
    lock.l_len = 1;
    lock.l_pid = 0; // required for open-file-description locks
    return ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

// The lock file is one of the engine's files: it is opened through the
// engine's own system call, as the databases and journals are, so that
// whatever stands in for the system there stands in for it too.
writefailures::OpenCall EngineOpen() {
    if (auto engines = reinterpret_cast<writefailures::OpenCall>(EngineSystemCall("open"))) return engines;
    return [](const char* path, int flags, int mode) { return ::open(path, flags, mode); };
}

std::string LockFilePath(const std::string& databasePath) { return databasePath + ".locks"; }

// Whether something that is no file stands where the lock file belongs (a
// folder, a link to nothing, a pipe): no copy can lock a row in it.
bool NoFileInItsPlace(const std::string& path) {
    struct stat entry {};
    if (::lstat(path.c_str(), &entry) != 0) return false;
    struct stat target {};
    return ::stat(path.c_str(), &target) != 0 || !S_ISREG(target.st_mode);
}

// Gives a lock file just made the database file's permissions and group; the
// creator's umask must not keep other users who may write the database out.
void ShareLikeDatabase(int fd, const std::string& databasePath) {
    struct stat database {};
    if (::stat(databasePath.c_str(), &database) != 0) return;
    (void)!::fchown(fd, static_cast<uid_t>(-1), database.st_gid);
    ::fchmod(fd, database.st_mode & 0666);
}

// The lock file each database's rows were first locked in by this process,
// by the lock file's path, and whether it was since found gone or replaced.
struct KeptLockFile {
    dev_t device = 0;
    ino_t inode = 0;
    bool lost = false;
};

std::mutex keptMutex;
std::map<std::string, KeptLockFile> kept;

bool IsKept(const struct stat& file, const KeptLockFile& keptFile) {
    return file.st_dev == keptFile.device && file.st_ino == keptFile.inode;
}

// Notes the file just opened as the one kept to, or as lost when it is
// another than the one first opened.
void KeepTo(const std::string& path, int fd) {
    struct stat opened {};
    if (::fstat(fd, &opened) != 0) return;
    std::lock_guard lock(keptMutex);
    auto [it, first] = kept.try_emplace(path, KeptLockFile{opened.st_dev, opened.st_ino});
    if (!first && !IsKept(opened, it->second)) it->second.lost = true;
}

} // namespace

RowLockFile::RowLockFile(const std::string& databasePath, const char* source) {
    const std::string path = LockFilePath(databasePath);
    const auto open = EngineOpen();
    fd_ = open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd_ >= 0) ShareLikeDatabase(fd_, databasePath);
    else if (errno == EEXIST) fd_ = open(path.c_str(), O_RDWR | O_CLOEXEC, 0);
    if (fd_ >= 0) {
        KeepTo(path, fd_);
        return;
    }
    // A file this user may not write leaves the rows unlockable (read-only);
    // no room is a full disk, and any other failure a failing disk, not a
    // database nobody may change.
    const int cause = errno;
    if (files::PermissionDenied(std::error_code(cause, std::generic_category()))) return;
    RaiseEngineError(files::NoRoomToWrite(cause) ? errDiskFull : errDiskOrNetwork, source);
}

bool LockFileLost(const std::string& databasePath) {
    const std::string path = LockFilePath(databasePath);
    std::lock_guard lock(keptMutex);
    auto it = kept.find(path);
    if (it == kept.end()) return NoFileInItsPlace(path);
    struct stat now {};
    if (::stat(path.c_str(), &now) != 0 || !IsKept(now, it->second)) it->second.lost = true;
    return it->second.lost;
}

RowLockFile::~RowLockFile() {
    if (fd_ >= 0) ::close(fd_);
}

bool RowLockFile::TryLock(const std::string& table, std::int64_t rowid) {
    if (fd_ < 0) return false;
    return SetLock(fd_, F_WRLCK, LockOffset(table, rowid));
}

void RowLockFile::Unlock(const std::string& table, std::int64_t rowid) {
    if (fd_ >= 0) SetLock(fd_, F_UNLCK, LockOffset(table, rowid));
}

bool RowLockFile::HeldByOther(const std::string& table, std::int64_t rowid) {
    if (!TryLock(table, rowid)) return true;
    Unlock(table, rowid);
    return false;
}

bool RowLockFile::AnyHeldByOther() {
    if (fd_ < 0) return true;
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0; // every byte, to the end and beyond
    lock.l_pid = 0;
    return ::fcntl(fd_, F_OFD_GETLK, &lock) != 0 || lock.l_type != F_UNLCK;
}

bool AnyRowLockHeldByOther(const std::string& databasePath) {
    if (LockFileLost(databasePath)) RaiseEngineError(errCouldNotLockFile, kSourceDatabase);
    struct stat ignored {};
    if (::stat(LockFilePath(databasePath).c_str(), &ignored) != 0 && errno == ENOENT) return false;
    return RowLockFile(databasePath, kSourceDatabase).AnyHeldByOther();
}

bool AnyRowHeldByOther(const std::string& databasePath, const std::string& table,
                       const std::vector<std::int64_t>& rowids) {
    if (rowids.empty()) return false;
    if (LockFileLost(databasePath)) RaiseEngineError(errCouldNotLockFile, kSourceDatabase);
    struct stat ignored {};
    if (::stat(LockFilePath(databasePath).c_str(), &ignored) != 0 && errno == ENOENT) return false;
    RowLockFile locks(databasePath, kSourceDatabase);
    for (auto rowid : rowids) {
        if (locks.HeldByOther(table, rowid)) return true;
    }
    return false;
}

bool RowsLockable(const std::string& databasePath) {
    const std::string path = LockFilePath(databasePath);
    // Not read-only: every change is refused as the lock file's loss is.
    if (NoFileInItsPlace(path)) return true;
    if (::access(path.c_str(), F_OK) == 0) return ::access(path.c_str(), R_OK | W_OK) == 0;
    std::string folder = databasePath.substr(0, databasePath.find_last_of('/') + 1);
    return ::access(folder.empty() ? "." : folder.c_str(), W_OK | X_OK) == 0;
}

} // namespace data
