#include "platform/files/Paths.h"

#include <cctype>
#include <string>
#include <vector>

#include "platform/basic/RuntimeError.h"
#include "platform/files/CaseBlindNames.h"
#include "platform/files/Drives.h"
#include "platform/files/ProgramFolder.h"

namespace files {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

std::vector<std::string> PartsOf(std::string_view path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (IsSeparator(c)) {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(part);
    return parts;
}

} // namespace

char DriveLetterOf(std::string_view systemPath) {
    if (systemPath.size() >= 2 && systemPath[1] == ':' && std::isalpha(static_cast<unsigned char>(systemPath[0]))) {
        return static_cast<char>(std::tolower(static_cast<unsigned char>(systemPath[0])));
    }
    return 0;
}

std::filesystem::path Resolve(std::string_view systemPath) {
    std::filesystem::path base;
    std::string_view rest = systemPath;
    bool onDrive = false; // ".." never climbs out of a drive's folder
    if (char letter = DriveLetterOf(systemPath)) {
        auto drive = DriveFolder(letter);
        if (!drive) basic::Raise(basic::errBadFileName);
        base = *drive;
        rest = systemPath.substr(2);
        onDrive = true;
    } else if (!rest.empty() && IsSeparator(rest.front())) {
        base = "/";
    } else {
        base = CurDir();
    }

    std::filesystem::path resolved = base;
    bool existing = true; // once a part is missing, the rest is kept as written
    for (const std::string& part : PartsOf(rest)) {
        if (part == ".") continue;
        if (part == "..") {
            if (!(onDrive && resolved == base)) resolved = resolved.parent_path();
            existing = true;
            continue;
        }
        if (existing) {
            if (auto entry = EntryNamed(resolved, part)) {
                resolved = *entry;
                continue;
            }
            existing = false;
        }
        resolved /= part;
    }
    return resolved;
}

} // namespace files
