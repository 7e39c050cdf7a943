#pragma once
#include "platform/basic/Strings.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace files {

// File names compare as every name does (basic::SameNameCaseBlind).
using basic::LessCaseBlind;
using basic::SameNameCaseBlind;

// "*" and "?" wildcards, case-blind ("*.mdb" matches "TV941.MDB").
bool MatchesPattern(std::string_view name, std::string_view pattern);

// The entry of `folder` called `name`: the exact one when it exists,
// otherwise the first whose name differs only in case; nothing when none.
std::optional<std::filesystem::path> EntryNamed(const std::filesystem::path& folder, std::string_view name);

} // namespace files
