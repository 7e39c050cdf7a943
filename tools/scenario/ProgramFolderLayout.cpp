#include "ProgramFolderLayout.h"

#include "platform/data/Schema.h"
#include "platform/files/Drives.h"
#include "platform/files/Paths.h"
#include "platform/files/ProgramFolder.h"

#include <cctype>
#include <cstdlib>
#include <stdexcept>
#include <system_error>

namespace scenario {
namespace fs = std::filesystem;

TempProgramFolder::TempProgramFolder() {
    std::string pattern = (fs::temp_directory_path() / "tv941-scenario-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
    data::MakeEmptyDatabases(path_.string());
    fs::create_directories(path_ / "drives" / "a");
    fs::create_symlink("/", path_ / "drives" / "c");
}

TempProgramFolder::~TempProgramFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored); // removes the drive links, not what they point at
}

fs::path ScriptFilePath(const std::string& name) {
    if (files::DriveLetterOf(name) != 0) return files::Resolve(name);
    return files::Resolve(files::AppPath() + "\\" + name);
}

std::optional<fs::path> ScriptDatabasePath(const std::string& name, bool quoted) {
    if (quoted) return ScriptFilePath(name);
    if (name == "main") return ScriptFilePath(data::kMainDatabaseFile);
    if (name == "id") return ScriptFilePath(data::kIdDatabaseFile);
    return std::nullopt;
}

void MapDrive(char letter, const std::string& folder) {
    fs::path target = files::Resolve(files::AppPath() + "\\" + folder);
    fs::create_directories(target);

    fs::path drives = files::DrivesFolder();
    fs::create_directories(drives);
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    for (const auto& entry : fs::directory_iterator(drives)) {
        std::string name = entry.path().filename().string();
        if (name.size() == 1 && std::tolower(static_cast<unsigned char>(name[0])) == lower) {
            if (entry.is_symlink()) fs::remove(entry.path());
            else fs::remove_all(entry.path());
        }
    }
    fs::create_directory_symlink(target, drives / std::string(1, lower));
}

} // namespace scenario
