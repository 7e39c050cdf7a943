#pragma once
// A folder of a test's own under the system's temporary folder (TMPDIR, else
// /tmp), named uniquely for this run: no folder another run left, or another
// user's run holds, is ever reused. It goes whole, with whatever the test
// made in it, even where the test took the permissions away.

#include <cerrno>
#include <filesystem>
#include <stdlib.h>
#include <string>
#include <system_error>

class RunFolder {
public:
    // The folder is named "<prefix>-" and six characters of its own.
    explicit RunFolder(const std::string& prefix) {
        std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::filesystem::filesystem_error("cannot make a folder for the test", pattern,
                                                    std::error_code(errno, std::generic_category()));
        path_ = pattern;
    }
    ~RunFolder() {
        std::error_code ignored;
        Reopen(path_);
        std::filesystem::remove_all(path_, ignored);
    }
    RunFolder(const RunFolder&) = delete;
    RunFolder& operator=(const RunFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    // Gives the owner back every folder beneath, so that it can be emptied.
    static void Reopen(const std::filesystem::path& folder) {
        std::error_code ignored;
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     ignored);
        for (std::filesystem::directory_iterator entry(folder, ignored), end; entry != end; entry.increment(ignored)) {
            if (entry->is_directory(ignored) && !entry->is_symlink(ignored)) Reopen(entry->path());
        }
    }

    std::filesystem::path path_;
};
