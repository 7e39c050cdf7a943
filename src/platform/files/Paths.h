#pragma once
#include <filesystem>
#include <string_view>

namespace files {

// Turns a path as the system writes it into a native path:
// - "A:\x\y.dbf" or "a:/x/y.dbf" lies under the drive's folder (Drives.h);
//   a drive letter without a folder raises 52 "Bad file name or number";
// - a path without a drive letter is native: absolute when it starts with a
//   separator, else relative to the current folder;
// - "\" and "/" both separate; "." and ".." are followed;
// - every part is looked up without regard to case: an existing entry whose
//   name differs only in case is used ("tv941.mdb" finds TV941.MDB); parts
//   that do not exist are kept as written.
// The result is absolute.
std::filesystem::path Resolve(std::string_view systemPath);

// The drive letter a path starts with ("A:..." -> 'a'), or 0.
char DriveLetterOf(std::string_view systemPath);

} // namespace files
