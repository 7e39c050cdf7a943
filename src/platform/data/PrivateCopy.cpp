#include "platform/data/PrivateCopy.h"

#include "platform/data/Connection.h"
#include "platform/data/Errors.h"
#include "platform/files/NoRoom.h"
#include "platform/files/PermissionError.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <unistd.h>

namespace data {

namespace {

namespace fs = std::filesystem;

// The file format's header names write-ahead mode in its read and write
// versions (bytes 18 and 19: 2); a log beside the file says the same.
bool InWriteAheadMode(const std::string& nativePath) {
    char header[20] = {};
    std::ifstream file(nativePath, std::ios::binary);
    const bool read = static_cast<bool>(file.read(header, sizeof header));
    std::error_code ignored;
    return (read && (header[18] == 2 || header[19] == 2)) || fs::exists(nativePath + "-wal", ignored);
}

// The folder for temporary files as the system names it: TMPDIR, else
// /tmp. The standard library's own lookup cannot say which folder it found
// unusable, and a refusal must name it.
fs::path TemporaryFolder() {
    const char* named = std::getenv("TMPDIR");
    return named != nullptr && *named != '\0' ? fs::path(named) : fs::path("/tmp");
}

// The temporary folder's refusal, naming the folder: 3044 when it is missing
// or no folder, 3051 when it is closed to this user, 3026 when it has no room.
[[noreturn]] void RaiseTemporaryFolderError(const std::error_code& error, const fs::path& folder) {
    const bool missing = error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory;
    const int number = files::PermissionDenied(error)        ? errNoPermission
                       : files::NoRoomToWrite(error.value()) ? errDiskFull
                       : missing                             ? errInvalidPath
                                                             : errDiskOrNetwork;
    RaiseEngineError(number, kSourceEngine, folder.string());
}

// A file that cannot be read is named as the file.
[[noreturn]] void RaiseReadError(const std::error_code& error, const std::string& source, const std::string& path) {
    RaiseEngineError(files::PermissionDenied(error) ? errNoPermission : errDiskOrNetwork, source, path);
}

std::error_code LastSystemError() { return {errno, std::generic_category()}; }

struct OpenFile {
    int descriptor;
    ~OpenFile() {
        if (descriptor >= 0) ::close(descriptor);
    }
};

// Copies the file into the temporary folder. The standard library's copy
// reports a write that found no room part-way as an input/output error, so
// the copy is made here, where what fails to read (the file) and what fails
// to write (the temporary folder) stay apart.
void CopyInto(const std::string& from, const std::string& to, const fs::path& temporary, const std::string& source) {
    const OpenFile in{::open(from.c_str(), O_RDONLY | O_CLOEXEC)};
    if (in.descriptor < 0) RaiseReadError(LastSystemError(), source, from);
    const OpenFile out{::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600)};
    if (out.descriptor < 0) RaiseTemporaryFolderError(LastSystemError(), temporary);
    std::array<char, 64 * 1024> buffer;
    for (;;) {
        const ssize_t got = ::read(in.descriptor, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) RaiseReadError(LastSystemError(), source, from);
        if (got == 0) return;
        for (ssize_t written = 0; written < got;) {
            const ssize_t wrote = ::write(out.descriptor, buffer.data() + written, static_cast<size_t>(got - written));
            if (wrote < 0 && errno == EINTR) continue;
            if (wrote < 0) RaiseTemporaryFolderError(LastSystemError(), temporary);
            written += wrote;
        }
    }
}

} // namespace

std::unique_ptr<PrivateCopy> PrivateCopy::ForNewFile(const std::string& fileName) {
    const fs::path temporary = TemporaryFolder();
    std::string pattern = (temporary / "tv-read-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) RaiseTemporaryFolderError(LastSystemError(), temporary);
    return std::unique_ptr<PrivateCopy>(new PrivateCopy(pattern, (fs::path(pattern) / fileName).string()));
}

std::unique_ptr<PrivateCopy> PrivateCopy::WhereUnreadable(const std::string& nativePath, const std::string& source) {
    const fs::path file(nativePath);
    if (!EngineAccessRefusal(file.parent_path().string(), W_OK | X_OK) || !InWriteAheadMode(nativePath)) return nullptr;

    auto copy = ForNewFile(file.filename().string());
    const fs::path temporary = TemporaryFolder();
    for (const std::string suffix : {"", "-wal"}) {
        std::error_code ignored;
        if (fs::exists(nativePath + suffix, ignored))
            CopyInto(nativePath + suffix, copy->path_ + suffix, temporary, source);
    }
    return copy;
}

void PrivateCopy::RaiseWriteFailure(int systemError) const {
    RaiseTemporaryFolderError({systemError, std::generic_category()}, folder_.parent_path());
}

PrivateCopy::~PrivateCopy() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

} // namespace data
