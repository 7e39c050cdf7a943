#pragma once
// A disk that fails one write or sync, for tests: while a FailingDisk lives,
// the database files the engine opens (the databases, their journals) are
// reached through a thin layer over the engine's own file layer that counts
// their writes and syncs and fails the one chosen with a system error (EIO,
// a failing disk or a lost network share; ENOSPC, a full disk; EDQUOT, a
// quota used up), as the disk itself would. Failing each write and sync of
// an action in turn shows what the user sees wherever the fault strikes, at
// the commit too. It also refuses the making of files, as a disk without a
// free block or file slot does (FailMaking), and lets another copy act at
// the moment a read of a file begins or ends (WhenReadsOf).
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sqlite3.h>
#include <string>
#include <unistd.h>

#include "platform/data/FileLayer.h"
#include "platform/data/WriteFailures.h"

class FailingDisk {
public:
    FailingDisk() {
        Layer().Install();
        sqlite3_vfs_register(&Layer().vfs, 1);
    }
    ~FailingDisk() {
        FailMaking("", 0);
        WhenReadsOf("", nullptr);
        FailReadsOf("", 0);
        sqlite3_vfs_unregister(&Layer().vfs);
        Layer().failAt = 0;
        Layer().count = 0;
    }
    FailingDisk(const FailingDisk&) = delete;
    FailingDisk& operator=(const FailingDisk&) = delete;

    // From now on the `nth` write or sync (1: the next one) fails with
    // `cause`, and with `laterCause` every one that counts after it, as on a
    // disk that then fails outright; with `onlyOf`, only those of that
    // database file and its journal count. 0: none fails.
    void FailWriteOrSync(int nth, int cause = EIO, const std::string& onlyOf = "", int laterCause = 0) {
        Layer().count = 0;
        Layer().failAt = nth;
        Layer().cause = cause;
        Layer().laterCause = laterCause;
        Layer().onlyOf = onlyOf;
    }
    // From now on (until called with no cause) the engine's making of any
    // file whose path starts with `pathStart` fails with `cause`, the next
    // `times` makings only when given; the system call fails, beneath the
    // engine's watch on it, so the engine's own layer goes on as it does
    // then (it tries the file once more for reading only). Files that are
    // there still open.
    void FailMaking(const std::string& pathStart, int cause, int times = kEveryTime) {
        State& layer = Layer();
        layer.makingStart = pathStart;
        layer.makingCause = cause;
        layer.makingLeft = times;
        layer.existingToo = false;
        if (cause && !layer.passOn) {
            layer.passOn = data::writefailures::OpenBeneathWatch();
            data::writefailures::PutOpenBeneathWatch(&OpenFile);
        } else if (!cause && layer.passOn) {
            data::writefailures::PutOpenBeneathWatch(layer.passOn);
            layer.passOn = nullptr;
        }
    }
    static constexpr int kEveryTime = -1;
    // The next `times` opens by the engine of a file whose path starts with
    // `pathStart`, there or not, fail with `cause`, as on a disk that fails
    // to read the folder.
    void FailOpening(const std::string& pathStart, int cause, int times) {
        FailMaking(pathStart, cause, times);
        Layer().existingToo = true;
    }
    // From now on `act` runs each time a read of the database file at `path`
    // (as the engine names it) begins, its shared lock just taken, or ends,
    // its last lock let go; what `act` does itself is not watched.
    void WhenReadsOf(const std::string& path, std::function<void()> act) {
        Layer().readsOf = path;
        Layer().onRead = std::move(act);
    }
    // From now on (until called with no cause) every read of the database
    // file at `path` (as the engine names it) fails with `cause`, as on a
    // disk that can no longer read it.
    void FailReadsOf(const std::string& path, int cause) {
        Layer().failingReadsOf = path;
        Layer().readCause = cause;
    }
    // Whether the chosen write or sync came and failed.
    bool Struck() const { return Layer().failAt != 0 && Layer().count >= Layer().failAt; }

private:
    struct File {
        data::filelayer::File layered; // the file below follows this one
        const char* name;              // SQLite keeps it until the file is closed
        int lastErrno;                 // of the failure it last met here; -1: none
        sqlite3_file* real() { return reinterpret_cast<sqlite3_file*>(this + 1); }
    };

    // Connections opened through the layer may outlive the FailingDisk (the
    // engine keeps idle ones): it stays in place, passing everything on.
    struct State {
        sqlite3_vfs vfs{};
        sqlite3_vfs* real = nullptr;
        sqlite3_io_methods methods{};
        int failAt = 0;
        int count = 0;
        int cause = EIO;
        int laterCause = 0;
        std::string onlyOf;
        std::string makingStart;
        int makingCause = 0;
        int makingLeft = 0;
        bool existingToo = false;
        data::writefailures::OpenCall passOn = nullptr;
        std::string readsOf;
        std::function<void()> onRead;
        bool acting = false;
        std::string failingReadsOf;
        int readCause = 0;

        void Install() {
            if (real) return;
            real = sqlite3_vfs_find(nullptr);
            vfs = *real;
            vfs.zName = "tv-failing-disk";
            vfs.pAppData = this;
            vfs.pNext = nullptr;
            vfs.szOsFile = static_cast<int>(sizeof(File)) + real->szOsFile;
            vfs.xOpen = &Open;
            vfs.xDelete = [](sqlite3_vfs*, const char* name, int syncDir) {
                return Layer().real->xDelete(Layer().real, name, syncDir);
            };
            vfs.xAccess = [](sqlite3_vfs*, const char* name, int flags, int* out) {
                return Layer().real->xAccess(Layer().real, name, flags, out);
            };
            vfs.xFullPathname = [](sqlite3_vfs*, const char* name, int size, char* out) {
                return Layer().real->xFullPathname(Layer().real, name, size, out);
            };
            vfs.xRandomness = [](sqlite3_vfs*, int size, char* out) {
                return Layer().real->xRandomness(Layer().real, size, out);
            };
            vfs.xSleep = [](sqlite3_vfs*, int micro) { return Layer().real->xSleep(Layer().real, micro); };
            vfs.xCurrentTime = [](sqlite3_vfs*, double* now) { return Layer().real->xCurrentTime(Layer().real, now); };
            vfs.xGetLastError = [](sqlite3_vfs*, int size, char* out) {
                return Layer().real->xGetLastError(Layer().real, size, out);
            };
            vfs.xCurrentTimeInt64 = [](sqlite3_vfs*, sqlite3_int64* now) {
                return Layer().real->xCurrentTimeInt64(Layer().real, now);
            };
            vfs.xSetSystemCall = [](sqlite3_vfs*, const char* name, sqlite3_syscall_ptr call) {
                return Layer().real->xSetSystemCall(Layer().real, name, call);
            };
            vfs.xGetSystemCall = [](sqlite3_vfs*, const char* name) {
                return Layer().real->xGetSystemCall(Layer().real, name);
            };
            vfs.xNextSystemCall = [](sqlite3_vfs*, const char* name) {
                return Layer().real->xNextSystemCall(Layer().real, name);
            };
        }
    };
    static State& Layer() {
        static State state;
        return state;
    }

    // Counts a write or sync; the system error it fails with, 0 when it
    // goes through.
    static int Strikes(sqlite3_file* file) {
        State& layer = Layer();
        if (layer.failAt == 0) return 0;
        const char* name = reinterpret_cast<File*>(file)->name;
        if (!layer.onlyOf.empty() && (!name || std::string(name).rfind(layer.onlyOf, 0) != 0)) return 0;
        ++layer.count;
        if (layer.count == layer.failAt) return layer.cause;
        return layer.count > layer.failAt ? layer.laterCause : 0;
    }
    // Fails as SQLite's own layer does: a write the full disk refused is
    // full; any other failure is an I/O error whose system error the file
    // keeps until it is closed (SQLITE_FCNTL_LAST_ERRNO).
    static int Fail(sqlite3_file* file, int code, int cause) {
        const bool full = code == SQLITE_IOERR_WRITE && cause == ENOSPC;
        reinterpret_cast<File*>(file)->lastErrno = full ? 0 : cause;
        errno = cause;
        return full ? SQLITE_FULL : code;
    }

    static void ReadWatched(sqlite3_file* file) {
        State& layer = Layer();
        const char* name = reinterpret_cast<File*>(file)->name;
        if (!layer.onRead || layer.acting || !name || layer.readsOf != name) return;
        layer.acting = true;
        layer.onRead();
        layer.acting = false;
    }

    // The engine's system call that opens and makes files.
    static int OpenFile(const char* path, int flags, int mode) {
        State& layer = Layer();
        const bool making = (flags & O_CREAT) && ::access(path, F_OK) != 0;
        if ((making || layer.existingToo) && layer.makingLeft != 0 &&
            std::string(path).rfind(layer.makingStart, 0) == 0) {
            if (layer.makingLeft > 0) --layer.makingLeft;
            errno = layer.makingCause;
            return -1;
        }
        return layer.passOn(path, flags, mode);
    }

    static int Open(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags) {
        State& layer = Layer();
        auto* own = reinterpret_cast<File*>(file);
        std::memset(own, 0, sizeof(File));
        own->layered.below = own->real();
        own->name = name;
        own->lastErrno = -1;
        int rc = layer.real->xOpen(layer.real, name, own->real(), flags, outFlags);
        if (!own->real()->pMethods) return rc;
        layer.methods = Methods();
        own->layered.base.pMethods = &layer.methods;
        return rc;
    }

    static sqlite3_io_methods Methods() {
        using data::filelayer::Below;
        sqlite3_io_methods m = data::filelayer::PassingOn();
        m.xWrite = [](sqlite3_file* f, const void* data, int amount, sqlite3_int64 offset) {
            if (const int cause = Strikes(f)) return Fail(f, SQLITE_IOERR_WRITE, cause);
            return Below(f)->pMethods->xWrite(Below(f), data, amount, offset);
        };
        m.xRead = [](sqlite3_file* f, void* data, int amount, sqlite3_int64 offset) {
            const char* name = reinterpret_cast<File*>(f)->name;
            if (Layer().readCause != 0 && name && Layer().failingReadsOf == name)
                return Fail(f, SQLITE_IOERR_READ, Layer().readCause);
            return Below(f)->pMethods->xRead(Below(f), data, amount, offset);
        };
        m.xSync = [](sqlite3_file* f, int flags) {
            if (const int cause = Strikes(f)) return Fail(f, SQLITE_IOERR_FSYNC, cause);
            return Below(f)->pMethods->xSync(Below(f), flags);
        };
        m.xLock = [](sqlite3_file* f, int level) {
            const int rc = Below(f)->pMethods->xLock(Below(f), level);
            if (rc == SQLITE_OK && level == SQLITE_LOCK_SHARED) ReadWatched(f);
            return rc;
        };
        m.xUnlock = [](sqlite3_file* f, int level) {
            const int rc = Below(f)->pMethods->xUnlock(Below(f), level);
            if (rc == SQLITE_OK && level == SQLITE_LOCK_NONE) ReadWatched(f);
            return rc;
        };
        m.xFileControl = [](sqlite3_file* f, int op, void* arg) {
            if (op == SQLITE_FCNTL_LAST_ERRNO && reinterpret_cast<File*>(f)->lastErrno >= 0) {
                *static_cast<int*>(arg) = reinterpret_cast<File*>(f)->lastErrno;
                return SQLITE_OK;
            }
            return Below(f)->pMethods->xFileControl(Below(f), op, arg);
        };
        return m;
    }
};
