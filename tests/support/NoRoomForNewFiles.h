#pragma once
// A folder in which no new file fits, for tests, without root: a check runs
// in a child process that sees over the folder a file system of its own with
// no node left (mounted in a mount namespace of its own, made inside a user
// namespace of its own where the system lets any user make one). Making a
// file there fails with ENOSPC, as on a full disk; the folder stays as it is
// for every other process.
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include "support/ChildProcess.h"

namespace noroom {

// What the check gives when the system lets no folder be made full here.
inline constexpr int kCannotFillHere = 100;

inline bool WriteProcFile(const char* name, const std::string& text) {
    std::ofstream file(name);
    return static_cast<bool>(file << text << std::flush);
}

// Mounts over the folder a file system with room for `nodes` files and
// folders, its own root folder one of them; true when it could.
inline bool MountWithNodes(const std::filesystem::path& folder, std::size_t nodes) {
    const uid_t user = ::geteuid();
    const gid_t group = ::getegid();
    bool mounted = ::unshare(CLONE_NEWNS | (user == 0 ? 0 : CLONE_NEWUSER)) == 0;
    if (mounted && user != 0) {
        mounted = WriteProcFile("/proc/self/setgroups", "deny") &&
                  WriteProcFile("/proc/self/uid_map", "0 " + std::to_string(user) + " 1") &&
                  WriteProcFile("/proc/self/gid_map", "0 " + std::to_string(group) + " 1");
    }
    return mounted && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           ::mount("tmpfs", folder.c_str(), "tmpfs", 0, ("nr_inodes=" + std::to_string(nodes)).c_str()) == 0;
}

// As RunWhereNoFileFits, but the folder keeps the files it holds (not its
// folders): they are copied into the full file system, and no other fits.
inline int RunWhereNoMoreFilesFit(const std::filesystem::path& folder, const std::function<int()>& check) {
    return childprocess::Run([&] {
        std::vector<std::pair<std::filesystem::path, std::string>> files;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (!entry.is_regular_file()) continue;
            std::ifstream in(entry.path(), std::ios::binary);
            files.emplace_back(entry.path(), std::string(std::istreambuf_iterator<char>(in), {}));
        }
        if (!MountWithNodes(folder, files.size() + 1)) return kCannotFillHere;
        for (const auto& [path, bytes] : files) std::ofstream(path, std::ios::binary) << bytes;
        return check();
    });
}

// The check's result (its exit code), or -1 when it could not run.
inline int RunWhereNoFileFits(const std::filesystem::path& folder, const std::function<int()>& check) {
    return childprocess::Run([&] {
        // The root folder takes the one node there is.
        return MountWithNodes(folder, 1) ? check() : kCannotFillHere;
    });
}

} // namespace noroom
