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
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

#include "support/ChildProcess.h"

namespace noroom {

// What the check gives when the system lets no folder be made full here.
inline constexpr int kCannotFillHere = 100;

inline bool WriteProcFile(const char* name, const std::string& text) {
    std::ofstream file(name);
    return static_cast<bool>(file << text << std::flush);
}

// The check's result (its exit code), or -1 when it could not run.
inline int RunWhereNoFileFits(const std::filesystem::path& folder, const std::function<int()>& check) {
    return childprocess::Run([&] {
        const uid_t user = ::geteuid();
        const gid_t group = ::getegid();
        bool full = ::unshare(CLONE_NEWNS | (user == 0 ? 0 : CLONE_NEWUSER)) == 0;
        if (full && user != 0) {
            full = WriteProcFile("/proc/self/setgroups", "deny") &&
                   WriteProcFile("/proc/self/uid_map", "0 " + std::to_string(user) + " 1") &&
                   WriteProcFile("/proc/self/gid_map", "0 " + std::to_string(group) + " 1");
        }
        // The root folder takes the one node there is.
        full = full && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
               ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "nr_inodes=1") == 0;
        return full ? check() : kCannotFillHere;
    });
}

} // namespace noroom
