#include "platform/files/FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <unistd.h>

#include "platform/basic/RuntimeError.h"
#include "platform/files/CaseBlindNames.h"
#include "platform/files/NoRoom.h"
#include "platform/files/Paths.h"
#include "platform/files/PermissionError.h"

namespace files {

namespace fs = std::filesystem;

namespace {

bool EndsWithSeparator(std::string_view path) { return !path.empty() && (path.back() == '\\' || path.back() == '/'); }

bool IsDotName(const std::string& name) { return !name.empty() && name.front() == '.'; }

// The folder and the name pattern a Dir pattern stands for.
std::pair<fs::path, std::string> FolderAndPattern(std::string_view pattern) {
    if (EndsWithSeparator(pattern) || pattern.empty()) return {Resolve(pattern), "*"};
    fs::path full = Resolve(pattern);
    return {full.parent_path(), full.filename().string()};
}

} // namespace

std::vector<std::string> DirAll(std::string_view pattern, int attributes) {
    auto [folder, namePattern] = FolderAndPattern(pattern);
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        if (!MatchesPattern(name, namePattern)) continue;
        if (IsDotName(name) && !(attributes & kAttrHidden)) continue;
        std::error_code statusError;
        if (it->is_directory(statusError)) {
            if (!(attributes & kAttrDirectory)) continue;
        } else if (!it->is_regular_file(statusError)) {
            continue; // sockets, broken links and the like are not listed
        }
        names.push_back(name);
    }
    std::sort(names.begin(), names.end(), LessCaseBlind);
    return names;
}

std::string Dir(std::string_view pattern, int attributes) {
    auto names = DirAll(pattern, attributes);
    return names.empty() ? "" : names.front();
}

bool HasOrdinaryFiles(std::string_view folder) {
    std::string listing(folder);
    if (!EndsWithSeparator(listing)) listing += '/';
    return !DirAll(listing, kAttrNormal).empty();
}

bool FileExists(std::string_view path) {
    std::error_code error;
    return fs::is_regular_file(Resolve(path), error);
}

bool FolderExists(std::string_view path) {
    std::error_code error;
    return fs::is_directory(Resolve(path), error);
}

std::int64_t FileLen(std::string_view path) {
    fs::path native = Resolve(path);
    std::error_code error;
    if (!fs::is_regular_file(native, error)) basic::Raise(basic::errFileNotFound);
    auto size = fs::file_size(native, error);
    if (error) basic::Raise(basic::errFileNotFound);
    return static_cast<std::int64_t>(size);
}

void MkDir(std::string_view path) {
    fs::path native = Resolve(path);
    std::error_code error;
    if (fs::exists(fs::symlink_status(native, error))) basic::Raise(basic::errPathFileAccess);
    if (!fs::is_directory(native.parent_path(), error)) basic::Raise(basic::errPathNotFound);
    if (!fs::create_directory(native, error) || error) RaiseFileError(error, FileErrorNumberFor(error.value()), path);
}

void MkDirAll(std::string_view path) {
    fs::path native = Resolve(path);
    std::error_code error;
    fs::create_directories(native, error);
    if (error) RaiseFileError(error, FileErrorNumberFor(error.value()), path);
    if (!fs::is_directory(native, error)) basic::Raise(basic::errPathFileAccess);
}

void ReplaceFile(std::string_view from, std::string_view to) {
    fs::path source = Resolve(from);
    std::error_code error;
    if (!fs::is_regular_file(source, error)) basic::Raise(basic::errFileNotFound);
    fs::rename(source, Resolve(to), error);
    if (error) RaiseFileError(error, FileErrorNumberFor(error.value()), to);
}

void Kill(std::string_view path) {
    fs::path native = Resolve(path);
    std::error_code error;
    if (!fs::is_regular_file(native, error)) basic::Raise(basic::errFileNotFound);
    if (!fs::remove(native, error) || error) RaiseFileError(error, basic::errPathFileAccess, path);
}

} // namespace files
