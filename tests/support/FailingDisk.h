#pragma once
// A disk that fails one write or sync, for tests: while a FailingDisk lives,
// the database files the engine opens (the databases, their journals) are
// reached through a thin layer over the engine's own file layer that counts
// their writes and syncs and fails the one chosen with a system error (EIO,
// a failing disk or a lost network share; ENOSPC, a full disk), as the disk
// itself would. Failing each write and sync of an action in turn shows what
// the user sees wherever the fault strikes, at the commit too.
#include <cerrno>
#include <cstring>
#include <sqlite3.h>
#include <string>

class FailingDisk {
public:
    FailingDisk() {
        Layer().Install();
        sqlite3_vfs_register(&Layer().vfs, 1);
    }
    ~FailingDisk() {
        sqlite3_vfs_unregister(&Layer().vfs);
        Layer().failAt = 0;
        Layer().count = 0;
    }
    FailingDisk(const FailingDisk&) = delete;
    FailingDisk& operator=(const FailingDisk&) = delete;

    // From now on the `nth` write or sync (1: the next one) fails with
    // `cause`; with `onlyOf`, only those of that database file and its
    // journal count.
    void FailWriteOrSync(int nth, int cause = EIO, const std::string& onlyOf = "") {
        Layer().count = 0;
        Layer().failAt = nth;
        Layer().cause = cause;
        Layer().onlyOf = onlyOf;
    }
    // Whether the chosen write or sync came and failed.
    bool Struck() const { return Layer().failAt != 0 && Layer().count >= Layer().failAt; }

private:
    struct File {
        sqlite3_file base;
        const char* name; // SQLite keeps it until the file is closed
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
        std::string onlyOf;

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

    // Counts a write or sync; true when this is the one to fail.
    static bool Strikes(sqlite3_file* file) {
        State& layer = Layer();
        if (layer.failAt == 0) return false;
        const char* name = reinterpret_cast<File*>(file)->name;
        if (!layer.onlyOf.empty() && (!name || std::string(name).rfind(layer.onlyOf, 0) != 0)) return false;
        return ++layer.count == layer.failAt;
    }
    static int Fail(int code) {
        errno = Layer().cause;
        return Layer().cause == ENOSPC ? SQLITE_FULL : code;
    }

    static sqlite3_file* Real(sqlite3_file* file) { return reinterpret_cast<File*>(file)->real(); }

    static int Open(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags) {
        State& layer = Layer();
        auto* own = reinterpret_cast<File*>(file);
        std::memset(own, 0, sizeof(File));
        own->name = name;
        int rc = layer.real->xOpen(layer.real, name, own->real(), flags, outFlags);
        const sqlite3_io_methods* real = own->real()->pMethods;
        if (!real) return rc;
        layer.methods = *real;
        FillMethods(layer.methods);
        own->base.pMethods = &layer.methods;
        return rc;
    }

    static void FillMethods(sqlite3_io_methods& m) {
        m.xClose = [](sqlite3_file* f) { return Real(f)->pMethods->xClose(Real(f)); };
        m.xRead = [](sqlite3_file* f, void* out, int amount, sqlite3_int64 offset) {
            return Real(f)->pMethods->xRead(Real(f), out, amount, offset);
        };
        m.xWrite = [](sqlite3_file* f, const void* data, int amount, sqlite3_int64 offset) {
            if (Strikes(f)) return Fail(SQLITE_IOERR_WRITE);
            return Real(f)->pMethods->xWrite(Real(f), data, amount, offset);
        };
        m.xTruncate = [](sqlite3_file* f, sqlite3_int64 size) { return Real(f)->pMethods->xTruncate(Real(f), size); };
        m.xSync = [](sqlite3_file* f, int flags) {
            if (Strikes(f)) return Fail(SQLITE_IOERR_FSYNC);
            return Real(f)->pMethods->xSync(Real(f), flags);
        };
        m.xFileSize = [](sqlite3_file* f, sqlite3_int64* size) { return Real(f)->pMethods->xFileSize(Real(f), size); };
        m.xLock = [](sqlite3_file* f, int lock) { return Real(f)->pMethods->xLock(Real(f), lock); };
        m.xUnlock = [](sqlite3_file* f, int lock) { return Real(f)->pMethods->xUnlock(Real(f), lock); };
        m.xCheckReservedLock = [](sqlite3_file* f, int* out) {
            return Real(f)->pMethods->xCheckReservedLock(Real(f), out);
        };
        m.xFileControl = [](sqlite3_file* f, int op, void* arg) {
            return Real(f)->pMethods->xFileControl(Real(f), op, arg);
        };
        m.xSectorSize = [](sqlite3_file* f) { return Real(f)->pMethods->xSectorSize(Real(f)); };
        m.xDeviceCharacteristics = [](sqlite3_file* f) { return Real(f)->pMethods->xDeviceCharacteristics(Real(f)); };
        m.xShmMap = [](sqlite3_file* f, int page, int size, int extend, void volatile** out) {
            return Real(f)->pMethods->xShmMap(Real(f), page, size, extend, out);
        };
        m.xShmLock = [](sqlite3_file* f, int offset, int n, int flags) {
            return Real(f)->pMethods->xShmLock(Real(f), offset, n, flags);
        };
        m.xShmBarrier = [](sqlite3_file* f) { Real(f)->pMethods->xShmBarrier(Real(f)); };
        m.xShmUnmap = [](sqlite3_file* f, int remove) { return Real(f)->pMethods->xShmUnmap(Real(f), remove); };
        m.xFetch = [](sqlite3_file* f, sqlite3_int64 offset, int amount, void** out) {
            return Real(f)->pMethods->xFetch(Real(f), offset, amount, out);
        };
        m.xUnfetch = [](sqlite3_file* f, sqlite3_int64 offset, void* page) {
            return Real(f)->pMethods->xUnfetch(Real(f), offset, page);
        };
    }
};
