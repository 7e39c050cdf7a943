#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace files {

// Names compare without regard to the case of ASCII letters, as the
// original file system compared them.
bool SameNameCaseBlind(std::string_view a, std::string_view b);
bool LessCaseBlind(std::string_view a, std::string_view b);

// "*" and "?" wildcards, case-blind ("*.mdb" matches "TV941.MDB").
bool MatchesPattern(std::string_view name, std::string_view pattern);

// The entry of `folder` called `name`: the exact one when it exists,
// otherwise the first whose name differs only in case; nothing when none.
std::optional<std::filesystem::path> EntryNamed(const std::filesystem::path& folder, std::string_view name);

} // namespace files
