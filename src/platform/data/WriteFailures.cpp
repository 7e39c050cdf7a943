#include "platform/data/WriteFailures.h"

#include "platform/data/FileLayer.h"

#include <cerrno>
#include <cstring>
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
