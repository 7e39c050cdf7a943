#include "platform/files/RecordFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

#include "platform/basic/RuntimeError.h"
#include "platform/files/DiskSync.h"
#include "platform/files/NoRoom.h"
#include "platform/files/Paths.h"
#include "platform/files/PermissionError.h"

namespace files {

namespace {

// How far a write got: the bytes that reached the file, and the system's
// error that stopped it, if anything did.
struct WriteOutcome {
    std::size_t written = 0;
    bool whole = true;
    int systemError = 0;
};

// Writes `bytes` at `offset`, as far as the system lets it.
WriteOutcome WriteAt(int fd, std::string_view bytes, std::int64_t offset) {
    WriteOutcome outcome;
    while (outcome.written < bytes.size()) {
        ssize_t n = ::pwrite(fd, bytes.data() + outcome.written, bytes.size() - outcome.written,
                             offset + static_cast<std::int64_t>(outcome.written));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            outcome.whole = false;
            outcome.systemError = n < 0 ? errno : 0;
            return outcome;
        }
        outcome.written += static_cast<std::size_t>(n);
    }
    return outcome;
}

// Up to `size` bytes from `offset`, fewer where the file ends.
std::string ReadAt(int fd, std::int64_t offset, std::size_t size) {
    std::string bytes(size, '\0');
    std::size_t done = 0;
    while (done < size) {
        ssize_t n = ::pread(fd, bytes.data() + done, size - done, offset + static_cast<std::int64_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) basic::Raise(FileErrorNumberFor(errno));
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return bytes;
}

// Leaves the file as it stood before a write from `start` stopped after
// `written` bytes: its old length first, which also frees what room the
// write took, then the bytes the write replaced. Should this fail as well
// (the disk failing outright), the file may keep part of the new bytes;
// nothing more can be done here, and the caller reports the write's own
// error all the same.
void PutBack(int fd, std::int64_t start, std::string_view replaced, std::int64_t oldLength, std::size_t written) {
    if (start + static_cast<std::int64_t>(written) > oldLength)
        while (::ftruncate(fd, oldLength) != 0 && errno == EINTR) {}
    WriteAt(fd, replaced.substr(0, std::min(written, replaced.size())), start);
}

} // namespace

RecordFile::RecordFile(std::string_view path, int recordLength) : recordLength_(recordLength) {
    if (recordLength <= 0) basic::Raise(basic::errBadRecordLength);
    path_ = Resolve(path);
    std::error_code error;
    if (!std::filesystem::is_directory(path_.parent_path(), error)) basic::Raise(basic::errPathNotFound);
    // A file made here is on the disk only once its folder is synced too.
    folderSynced_ = ::access(path_.c_str(), F_OK) == 0;
    fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0) {
        // Making a missing file takes room too: a folder entry and a node.
        const int systemError = errno;
        RaiseFileError(std::error_code(systemError, std::generic_category()), FileErrorNumberFor(systemError), path);
    }
}

RecordFile::~RecordFile() { Close(); }

RecordFile::RecordFile(RecordFile&& other) noexcept
    : path_(std::move(other.path_)), recordLength_(other.recordLength_), fd_(std::exchange(other.fd_, -1)),
      folderSynced_(other.folderSynced_) {}

RecordFile& RecordFile::operator=(RecordFile&& other) noexcept {
    if (this != &other) {
        Close();
        path_ = std::move(other.path_);
        recordLength_ = other.recordLength_;
        fd_ = std::exchange(other.fd_, -1);
        folderSynced_ = other.folderSynced_;
    }
    return *this;
}

void RecordFile::RequireOpen() const {
    if (fd_ < 0) basic::Raise(basic::errBadFileName);
}

std::int64_t RecordFile::OffsetOf(std::int64_t recordNumber) const {
    if (recordNumber < 1) basic::Raise(basic::errBadRecordNumber);
    return (recordNumber - 1) * recordLength_;
}

std::int64_t RecordFile::Length() const {
    RequireOpen();
    struct stat info {};
    if (::fstat(fd_, &info) != 0) basic::Raise(FileErrorNumberFor(errno));
    return static_cast<std::int64_t>(info.st_size);
}

std::string RecordFile::Get(std::int64_t recordNumber) const {
    RequireOpen();
    std::string record = ReadAt(fd_, OffsetOf(recordNumber), static_cast<std::size_t>(recordLength_));
    record.resize(static_cast<std::size_t>(recordLength_), ' '); // past the end: the rest stays blank
    return record;
}

void RecordFile::Put(std::int64_t recordNumber, std::string_view bytes) {
    RequireOpen();
    if (bytes.size() > static_cast<std::size_t>(recordLength_)) basic::Raise(basic::errBadRecordLength);
    const std::int64_t offset = OffsetOf(recordNumber);
    const std::int64_t oldLength = Length();
    // One write from the old end when the record lies past it: the records
    // skipped over read as blanks, never as stray zero bytes, and the fill
    // goes or stays with the record.
    const std::int64_t start = std::min(offset, oldLength);
    std::string fillAndRecord(static_cast<std::size_t>(offset - start), ' ');
    fillAndRecord += bytes;
    fillAndRecord.resize(fillAndRecord.size() + static_cast<std::size_t>(recordLength_) - bytes.size(), ' ');

    const std::string replaced =
        ReadAt(fd_, start, std::min(fillAndRecord.size(), static_cast<std::size_t>(oldLength - start)));
    WriteOutcome outcome = WriteAt(fd_, fillAndRecord, start);
    // Done only once it is on the disk: a sync that fails fails the write.
    if (outcome.whole) outcome.systemError = SyncWritten();
    if (outcome.whole && outcome.systemError == 0) return;
    // A record is written whole or not at all: the old one stays readable.
    PutBack(fd_, start, replaced, oldLength, outcome.written);
    basic::Raise(FileErrorNumberFor(outcome.systemError));
}

int RecordFile::SyncWritten() {
    if (files::SyncToDisk(fd_) != 0) return errno;
    if (folderSynced_) return 0;
    // A folder this user may not read cannot be opened to be synced; its
    // entry then reaches the disk as the system sees fit.
    const int folder = ::open(path_.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        const int systemError = files::SyncToDisk(folder) == 0 ? 0 : errno;
        ::close(folder);
        if (systemError != 0) return systemError;
    }
    folderSynced_ = true;
    return 0;
}

void RecordFile::Close() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

} // namespace files
