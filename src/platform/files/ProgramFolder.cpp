#include "platform/files/ProgramFolder.h"

#include <optional>
#include <system_error>

#include "platform/basic/RuntimeError.h"
#include "platform/files/Paths.h"

namespace files {

namespace {

std::optional<std::filesystem::path>& ChosenProgramFolder() {
    static std::optional<std::filesystem::path> folder;
    return folder;
}

std::filesystem::path ExecutableFolder() {
    std::error_code error;
    auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::filesystem::current_path();
    return executable.parent_path();
}

} // namespace

std::filesystem::path ProgramFolder() {
    if (!ChosenProgramFolder()) ChosenProgramFolder() = ExecutableFolder();
    return *ChosenProgramFolder();
}

void SetProgramFolder(const std::filesystem::path& folder) {
    ChosenProgramFolder() = std::filesystem::absolute(folder).lexically_normal();
}

std::string AppPath() {
    std::string text = ProgramFolder().string();
    // App.Path has no closing separator (except at a root), so the system's
    // "\\name" can be appended.
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

std::filesystem::path CurDir() {
    std::error_code error;
    auto folder = std::filesystem::current_path(error);
    return error ? std::filesystem::path("/") : folder;
}

void ChDir(std::string_view path) {
    std::filesystem::path folder = Resolve(path);
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) basic::Raise(basic::errPathNotFound);
    std::filesystem::current_path(folder, error);
    if (error) basic::Raise(basic::errPathFileAccess);
}

} // namespace files
