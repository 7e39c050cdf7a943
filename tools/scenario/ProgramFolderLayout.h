#pragma once
#include <filesystem>
#include <optional>
#include <string>

namespace scenario {

// A temporary program folder laid out as the installation lays it out: the
// empty main and ID databases and drives/a, with drives/c standing for "/".
// The folder is removed when the object goes.
class TempProgramFolder {
public:
    TempProgramFolder();
    ~TempProgramFolder();
    TempProgramFolder(const TempProgramFolder&) = delete;
    TempProgramFolder& operator=(const TempProgramFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Where a file name of a script lies: under the program folder, or on a
// drive's folder when it starts with a drive letter ("A:\944Backup.mdb").
std::filesystem::path ScriptFilePath(const std::string& name);

// The database an `sql` line names: `main` or `id` (the program folder's own
// databases), or a quoted file name, found as ScriptFilePath finds it.
// Nothing when an unquoted name is neither main nor id.
std::optional<std::filesystem::path> ScriptDatabasePath(const std::string& name, bool quoted);

// Points drive letter `letter` at `folder` (a folder under the program
// folder, created when missing).
void MapDrive(char letter, const std::string& folder);

} // namespace scenario
