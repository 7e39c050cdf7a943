#include "platform/data/WriteFailures.h"

#include "platform/data/FileLayer.h"

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

// Why a file the layer below could not make cannot be made, asked through
// the engine's own system calls (which a test may replace). SQLite tries a
// file it cannot create once more for reading only, and keeps that try's
// error (the file is not there), never the creation's (no room, a failing
// disk). A creation that succeeds now is undone at once.
void NoteWhyNotMade(sqlite3_vfs* under, const char* name) {
    using OpenCall = int (*)(const char*, int, int);
    using CloseCall = int (*)(int);
    using UnlinkCall = int (*)(const char*);
    auto open = reinterpret_cast<OpenCall>(under->xGetSystemCall(under, "open"));
    if (!open) return;
    const int fd = open(name, O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        if (errno != EEXIST) Noted(SQLITE_CANTOPEN);
        return;
    }
    reinterpret_cast<CloseCall>(under->xGetSystemCall(under, "close"))(fd);
    reinterpret_cast<UnlinkCall>(under->xGetSystemCall(under, "unlink"))(name);
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
    const int rc = under->xOpen(under, name, own->below, flags, outFlags);
    if (rc != SQLITE_OK && (flags & SQLITE_OPEN_CREATE) && name && under->iVersion >= 3) NoteWhyNotMade(under, name);
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
        sqlite3_vfs_register(&layer, 0);
    });
    return kName;
}

void Forget() { firstSystemError = 0; }

int FirstSystemError() { return firstSystemError; }

} // namespace data::writefailures
