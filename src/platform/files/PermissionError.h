#pragma once
// A file or folder this user may not create, read or change, or one on
// read-only media that cannot be changed by anyone, is reported as the
// permission error it is (3051), never as a missing file or a general
// access error.
#include <string_view>
#include <system_error>

namespace files {

// Whether a failed operation's error says this user lacks the permission,
// or that the media cannot be written.
bool PermissionDenied(const std::error_code& error);

// Raises 3051 naming the path when the error says this user lacks the
// permission, else the run time's error `otherwise`.
[[noreturn]] void RaiseFileError(const std::error_code& error, int otherwise, std::string_view path);

} // namespace files
