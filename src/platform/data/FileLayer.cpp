#include "platform/data/FileLayer.h"

namespace data::filelayer {

sqlite3_io_methods PassingOn() {
    sqlite3_io_methods m{};
    m.iVersion = 3;
    m.xClose = [](sqlite3_file* f) { return Below(f)->pMethods->xClose(Below(f)); };
    m.xRead = [](sqlite3_file* f, void* out, int amount, sqlite3_int64 offset) {
        return Below(f)->pMethods->xRead(Below(f), out, amount, offset);
    };
    m.xWrite = [](sqlite3_file* f, const void* data, int amount, sqlite3_int64 offset) {
        return Below(f)->pMethods->xWrite(Below(f), data, amount, offset);
    };
    m.xTruncate = [](sqlite3_file* f, sqlite3_int64 size) { return Below(f)->pMethods->xTruncate(Below(f), size); };
    m.xSync = [](sqlite3_file* f, int flags) { return Below(f)->pMethods->xSync(Below(f), flags); };
    m.xFileSize = [](sqlite3_file* f, sqlite3_int64* size) { return Below(f)->pMethods->xFileSize(Below(f), size); };
    m.xLock = [](sqlite3_file* f, int lock) { return Below(f)->pMethods->xLock(Below(f), lock); };
    m.xUnlock = [](sqlite3_file* f, int lock) { return Below(f)->pMethods->xUnlock(Below(f), lock); };
    m.xCheckReservedLock = [](sqlite3_file* f, int* out) {
        return Below(f)->pMethods->xCheckReservedLock(Below(f), out);
    };
    m.xFileControl = [](sqlite3_file* f, int op, void* arg) {
        return Below(f)->pMethods->xFileControl(Below(f), op, arg);
    };
    m.xSectorSize = [](sqlite3_file* f) { return Below(f)->pMethods->xSectorSize(Below(f)); };
    m.xDeviceCharacteristics = [](sqlite3_file* f) { return Below(f)->pMethods->xDeviceCharacteristics(Below(f)); };
    m.xShmMap = [](sqlite3_file* f, int page, int size, int extend, void volatile** out) {
        return Below(f)->pMethods->xShmMap(Below(f), page, size, extend, out);
    };
    m.xShmLock = [](sqlite3_file* f, int offset, int n, int flags) {
        return Below(f)->pMethods->xShmLock(Below(f), offset, n, flags);
    };
    m.xShmBarrier = [](sqlite3_file* f) { Below(f)->pMethods->xShmBarrier(Below(f)); };
    m.xShmUnmap = [](sqlite3_file* f, int remove) { return Below(f)->pMethods->xShmUnmap(Below(f), remove); };
    m.xFetch = [](sqlite3_file* f, sqlite3_int64 offset, int amount, void** out) {
        return Below(f)->pMethods->xFetch(Below(f), offset, amount, out);
    };
    m.xUnfetch = [](sqlite3_file* f, sqlite3_int64 offset, void* page) {
        return Below(f)->pMethods->xUnfetch(Below(f), offset, page);
    };
    return m;
}

} // namespace data::filelayer
