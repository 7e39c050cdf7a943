#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace files {

// File attributes as the system tests them.
inline constexpr int kAttrNormal = 0;
inline constexpr int kAttrReadOnly = 1; // not writable by this user
inline constexpr int kAttrHidden = 2;   // a name starting with "."
inline constexpr int kAttrDirectory = 16;

// Every path below goes through Resolve (drive letters, "\" and "/",
// names found without regard to case); a drive letter without a folder
// raises 52. A folder or file this user has no permission to create, change
// or delete raises 3051 (PermissionError.h), not 75; one that cannot be made
// for want of room (no free block or file slot, the user's quota) raises 61,
// as a write that finds no room does (NoRoom.h).

// Dir(pattern, attributes): the first entry matching the last part of the
// pattern ("*" and "?" allowed, case-blind), or "" when none. Ordinary files
// always match; folders only with kAttrDirectory, dot-names only with
// kAttrHidden. A pattern ending in a separator lists the whole folder.
// A folder that does not exist gives "".
std::string Dir(std::string_view pattern, int attributes = kAttrNormal);
// All the names Dir would find, sorted case-blind.
std::vector<std::string> DirAll(std::string_view pattern, int attributes = kAttrNormal);

// True when the folder holds at least one ordinary file (neither a folder
// nor a hidden one), as a listing of "folder\" finds.
bool HasOrdinaryFiles(std::string_view folder);
// True when the path is an existing file (not a folder).
bool FileExists(std::string_view path);
bool FolderExists(std::string_view path);

// FileLen: the length in bytes; 53 when there is no such file.
std::int64_t FileLen(std::string_view path);

// MkDir: creates one folder. 75 when something of that name exists or it
// cannot be created there; 76 "Path not found" when its parent is missing.
void MkDir(std::string_view path);

// MkDirAll: creates a folder and any of its parents that are missing; an
// existing folder is no error. 75 when a file stands in the way or a folder
// cannot be created.
void MkDirAll(std::string_view path);

// ReplaceFile: gives the file `from` the name `to` in one step, replacing a
// file of that name; 53 when `from` is missing, 61 when the folder has no
// room for the new name, 75 when it cannot be done otherwise.
void ReplaceFile(std::string_view from, std::string_view to);

// Kill: deletes a file. 53 when there is no such file (a folder included);
// 75 when it cannot be deleted.
void Kill(std::string_view path);

} // namespace files
