#pragma once
#include <filesystem>
#include <string>

namespace files {

// The program's folder: the folder of the running executable unless a test
// or the scenario runner has set another.
std::filesystem::path ProgramFolder();
void SetProgramFolder(const std::filesystem::path& folder);

// The program's folder as text, for building the system's paths the way the
// system does (AppPath() + "\\TV941.MDB"); Resolve accepts the "\".
std::string AppPath();

// The process's current folder, where bare file names resolve (CurDir), and
// changing it (ChDir; 76 when the folder does not exist).
std::filesystem::path CurDir();
void ChDir(std::string_view path);

} // namespace files
