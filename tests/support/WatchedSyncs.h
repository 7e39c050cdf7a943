#pragma once
// Syncs to the disk seen by a test: while a WatchedSyncs lives, each sync the
// platform's file functions make (files::SyncToDisk) is noted by the path of
// what it syncs, and the one chosen fails with a system error, as a failing
// disk (EIO) or a full one (ENOSPC) would, the bytes not synced.
#include <cerrno>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

#include "platform/files/DiskSync.h"

class WatchedSyncs {
public:
    WatchedSyncs() {
        State() = {};
        files::ReplaceSyncCall(&Sync);
    }
    ~WatchedSyncs() { files::ReplaceSyncCall(nullptr); }
    WatchedSyncs(const WatchedSyncs&) = delete;
    WatchedSyncs& operator=(const WatchedSyncs&) = delete;

    // The next sync (of `what` when given) fails with `cause`.
    void FailNext(int cause, const std::filesystem::path& what = {}) {
        State().failWith = cause;
        State().failWhat = what;
    }
    // What was synced so far, in order, as the system names it.
    const std::vector<std::filesystem::path>& Synced() const { return State().synced; }

private:
    struct Noted {
        std::vector<std::filesystem::path> synced;
        int failWith = 0;
        std::filesystem::path failWhat;
    };
    static Noted& State() {
        static Noted noted;
        return noted;
    }
    static int Sync(int fd) {
        const std::filesystem::path what = std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(fd));
        if (State().failWith != 0 && (State().failWhat.empty() || State().failWhat == what)) {
            errno = std::exchange(State().failWith, 0);
            return -1;
        }
        State().synced.push_back(what);
        return ::fsync(fd);
    }
};
