#include "platform/files/CaseBlindNames.h"

#include <algorithm>
#include <system_error>

namespace files {

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

} // namespace

bool MatchesPattern(std::string_view name, std::string_view pattern) {
    // Iterative wildcard match with one back-tracking point for the last "*".
    std::size_t n = 0, p = 0, starAt = std::string_view::npos, resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || Lower(pattern[p]) == Lower(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            resumeAt = n;
        } else if (starAt != std::string_view::npos) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

std::optional<std::filesystem::path> EntryNamed(const std::filesystem::path& folder, std::string_view name) {
    std::error_code error;
    std::filesystem::path exact = folder / std::string(name);
    if (std::filesystem::exists(std::filesystem::symlink_status(exact, error))) return exact;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (SameNameCaseBlind(it->path().filename().string(), name)) return it->path();
    }
    return std::nullopt;
}

} // namespace files
