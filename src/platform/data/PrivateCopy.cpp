#include "platform/data/PrivateCopy.h"

#include "platform/data/Connection.h"
#include "platform/data/Errors.h"
#include "platform/files/PermissionError.h"

#include <cerrno>
#include <cstdlib>
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

[[noreturn]] void RaiseCopyError(const std::error_code& error, const std::string& source, const std::string& path) {
    const int number = files::PermissionDenied(error) ? errNoPermission
                       : error == std::errc::no_space_on_device ? errDiskFull
                                                                 : errDiskOrNetwork;
    RaiseEngineError(number, source, path);
}

} // namespace

std::unique_ptr<PrivateCopy> PrivateCopy::WhereUnreadable(const std::string& nativePath, const std::string& source) {
    const fs::path file(nativePath);
    if (!EngineAccessRefusal(file.parent_path().string(), W_OK | X_OK) || !InWriteAheadMode(nativePath)) return nullptr;

    std::string pattern = (fs::temp_directory_path() / "tv-read-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        RaiseCopyError(std::error_code(errno, std::generic_category()), source, nativePath);
    std::unique_ptr<PrivateCopy> copy(new PrivateCopy(pattern, (fs::path(pattern) / file.filename()).string()));
    std::error_code error;
    for (const std::string suffix : {"", "-wal"}) {
        if (!fs::exists(nativePath + suffix, error)) continue;
        fs::copy_file(nativePath + suffix, copy->path_ + suffix, error);
        if (error) RaiseCopyError(error, source, nativePath + suffix);
    }
    return copy;
}

PrivateCopy::~PrivateCopy() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

} // namespace data
