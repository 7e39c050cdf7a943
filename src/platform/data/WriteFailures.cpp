#include "platform/data/WriteFailures.h"

#include "platform/data/FileLayer.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <mutex>

namespace data::writefailures {

namespace {

using filelayer::Below;

// A connection is used on one thread at a time, and the error is read right
// after the call that failed on it.
thread_local int firstSystemError = 0;

// Notes a failed call's error; errno is still the call's own here. SQLite
// reports a write the disk took only in part as full, without the error.
int Noted(int rc) {
    if (rc != SQLITE_OK && firstSystemError == 0) firstSystemError = (rc & 0xff) == SQLITE_FULL ? ENOSPC : errno;
    return rc;
}

const sqlite3_io_methods& Methods() {
    static const sqlite3_io_methods methods = [] {
        sqlite3_io_methods m = filelayer::PassingOn();
        m.xClose = [](sqlite3_file* f) {
            const int rc = Below(f)->pMethods->xClose(Below(f));
            sqlite3_free(Below(f));
            return rc;
        };
        m.xWrite = [](sqlite3_file* f, const void* data, int amount, sqlite3_int64 offset) {
            return Noted(Below(f)->pMethods->xWrite(Below(f), data, amount, offset));
        };
        m.xTruncate = [](sqlite3_file* f, sqlite3_int64 size) {
            return Noted(Below(f)->pMethods->xTruncate(Below(f), size));
        };
        m.xSync = [](sqlite3_file* f, int flags) { return Noted(Below(f)->pMethods->xSync(Below(f), flags)); };
        return m;
    }();
    return methods;
}

// Why a file could not be made, noted by the engine's own `open` system call
// as the creation fails: SQLite tries a file it cannot create once more for
// reading only and keeps that try's error (the file is not there), never the
// creation's (no room, a failing disk). Only the opens of this layer's own
// Open are watched, and what they noted counts only when that Open failed:
// the lock files and other files opened through the same call are told by
// their own callers.
std::atomic<OpenCall> beneathWatch{nullptr};
thread_local bool openingHere = false;
thread_local int creationError = 0;

int WatchedOpen(const char* path, int flags, int mode) {
    const int fd = beneathWatch.load()(path, flags, mode);
    if (fd < 0 && openingHere && (flags & O_CREAT) && errno != EINTR && creationError == 0) creationError = errno;
    return fd;
}

void PutWatchOnOpen(sqlite3_vfs* vfs) {
    if (vfs->iVersion < 3) return;
    beneathWatch = reinterpret_cast<OpenCall>(vfs->xGetSystemCall(vfs, "open"));
    vfs->xSetSystemCall(vfs, "open", reinterpret_cast<sqlite3_syscall_ptr>(&WatchedOpen));
}

// The file below is opened by the layer that is the default now (a test's
// may have taken the place of SQLite's own), so its size is known only here.
int Open(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags) {
    auto* own = reinterpret_cast<filelayer::File*>(file);
    own->base.pMethods = nullptr;
    sqlite3_vfs* under = sqlite3_vfs_find(nullptr);
    own->below = static_cast<sqlite3_file*>(sqlite3_malloc(under->szOsFile));
    if (!own->below) return SQLITE_NOMEM;
    std::memset(own->below, 0, static_cast<std::size_t>(under->szOsFile));
    creationError = 0;
    openingHere = true;
    const int rc = under->xOpen(under, name, own->below, flags, outFlags);
    openingHere = false;
    if (rc != SQLITE_OK && creationError != 0 && firstSystemError == 0) firstSystemError = creationError;
    // SQLite closes a file whose methods are set, even one that failed to open.
    if (own->below->pMethods) {
        own->base.pMethods = &Methods();
    } else {
        sqlite3_free(own->below);
        own->below = nullptr;
    }
    return rc;
}

} // namespace

const char* LayerName() {
    static constexpr const char* kName = "tv-write-failures";
    static sqlite3_vfs layer{};
    static std::once_flag registered;
    std::call_once(registered, [] {
        // Apart from opening a file, the layer is the default one itself.
        layer = *sqlite3_vfs_find(nullptr);
        layer.zName = kName;
        layer.pNext = nullptr;
        layer.szOsFile = static_cast<int>(sizeof(filelayer::File));
        layer.xOpen = &Open;
        PutWatchOnOpen(sqlite3_vfs_find(nullptr));
        sqlite3_vfs_register(&layer, 0);
    });
    return kName;
}

void Forget() { firstSystemError = 0; }

int FirstSystemError() { return firstSystemError; }

OpenCall OpenBeneathWatch() {
    LayerName();
    return beneathWatch.load();
}

void PutOpenBeneathWatch(OpenCall call) {
    LayerName();
    beneathWatch = call;
}

} // namespace data::writefailures
