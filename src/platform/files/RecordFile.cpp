#include "platform/files/RecordFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

#include "platform/basic/RuntimeError.h"
#include "platform/files/Paths.h"
#include "platform/files/PermissionError.h"

namespace files {

namespace {

// Writes all of `bytes` at `offset`; false on any failure.
bool WriteAt(int fd, std::string_view bytes, std::int64_t offset) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done, offset + static_cast<std::int64_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

RecordFile::RecordFile(std::string_view path, int recordLength) : recordLength_(recordLength) {
    if (recordLength <= 0) basic::Raise(basic::errBadRecordLength);
    path_ = Resolve(path);
    std::error_code error;
    if (!std::filesystem::is_directory(path_.parent_path(), error)) basic::Raise(basic::errPathNotFound);
    fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0) RaiseFileError(std::error_code(errno, std::generic_category()), basic::errPathFileAccess, path);
}

RecordFile::~RecordFile() { Close(); }

RecordFile::RecordFile(RecordFile&& other) noexcept
    : path_(std::move(other.path_)), recordLength_(other.recordLength_), fd_(std::exchange(other.fd_, -1)) {}

RecordFile& RecordFile::operator=(RecordFile&& other) noexcept {
    if (this != &other) {
        Close();
        path_ = std::move(other.path_);
        recordLength_ = other.recordLength_;
        fd_ = std::exchange(other.fd_, -1);
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
    if (::fstat(fd_, &info) != 0) basic::Raise(basic::errPathFileAccess);
    return static_cast<std::int64_t>(info.st_size);
}

std::string RecordFile::Get(std::int64_t recordNumber) const {
    RequireOpen();
    std::int64_t offset = OffsetOf(recordNumber);
    std::string record(static_cast<std::size_t>(recordLength_), ' ');
    std::size_t done = 0;
    while (done < record.size()) {
        ssize_t n = ::pread(fd_, record.data() + done, record.size() - done, offset + static_cast<std::int64_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) basic::Raise(basic::errPathFileAccess);
        if (n == 0) break; // past the end: the rest stays blank
        done += static_cast<std::size_t>(n);
    }
    return record;
}

void RecordFile::Put(std::int64_t recordNumber, std::string_view bytes) {
    RequireOpen();
    if (bytes.size() > static_cast<std::size_t>(recordLength_)) basic::Raise(basic::errBadRecordLength);
    std::int64_t offset = OffsetOf(recordNumber);
    std::int64_t length = Length();
    if (offset > length) {
        // Records skipped over read as blanks, never as stray zero bytes.
        if (!WriteAt(fd_, std::string(static_cast<std::size_t>(offset - length), ' '), length))
            basic::Raise(basic::errPathFileAccess);
    }
    std::string record(bytes);
    record.resize(static_cast<std::size_t>(recordLength_), ' ');
    if (!WriteAt(fd_, record, offset)) basic::Raise(basic::errPathFileAccess);
}

void RecordFile::Close() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

} // namespace files
