#pragma once
#include <filesystem>
#include <optional>
#include <vector>

namespace files {

// Drive letters map to folders under the program's folder: drives/a,
// drives/c, ... (each a folder or a link to one; names found without regard
// to case). C: is "/" when drives/c is absent.
std::filesystem::path DrivesFolder();
std::optional<std::filesystem::path> DriveFolder(char letter);

// The letters that have a folder, in order, lower case; "c" always.
std::vector<char> DriveLetters();

} // namespace files
