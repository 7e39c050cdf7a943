#include "platform/data/RowLocks.h"

#include <cctype>
#include <fcntl.h>
#include <unistd.h>

namespace data {

namespace {

// The byte that stands for one row: a hash of the table's name (any case)
// and the row, spread over a wide range so that two rows rarely share a byte.
off_t LockOffset(const std::string& table, std::int64_t rowid)
{
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

bool SetLock(int fd, short type, off_t offset)
{
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = offset;
    lock.l_len = 1;
    lock.l_pid = 0; // required for open-file-description locks
    return ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

} // namespace

RowLockFile::RowLockFile(const std::string& databasePath)
{
    fd_ = ::open((databasePath + ".locks").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
}

RowLockFile::~RowLockFile()
{
    if (fd_ >= 0) ::close(fd_);
}

bool RowLockFile::TryLock(const std::string& table, std::int64_t rowid)
{
    if (fd_ < 0) return true;
    return SetLock(fd_, F_WRLCK, LockOffset(table, rowid));
}

void RowLockFile::Unlock(const std::string& table, std::int64_t rowid)
{
    if (fd_ >= 0) SetLock(fd_, F_UNLCK, LockOffset(table, rowid));
}

bool RowLockFile::HeldByOther(const std::string& table, std::int64_t rowid)
{
    if (!TryLock(table, rowid)) return true;
    Unlock(table, rowid);
    return false;
}

} // namespace data
