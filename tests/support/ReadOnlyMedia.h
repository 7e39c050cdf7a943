#pragma once
// Read-only media for tests, without mounting (which needs root): while a
// ReadOnlyMedia lives, the files of its folder act for the database engine
// as on a read-only mount. The engine's opens of them for writing or
// creating fail with EROFS, and so does its asking whether it may write
// there; reading goes on as before. The engine's unix layer lets a test
// replace the system calls it makes, which is what this does. The platform's
// own file functions see the folder as it is.
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sqlite3.h>
#include <string>
#include <unistd.h>

#include "platform/data/WriteFailures.h"

class ReadOnlyMedia {
public:
    explicit ReadOnlyMedia(const std::filesystem::path& folder) {
        Folder() = std::filesystem::absolute(folder).lexically_normal().string();
        sqlite3_vfs* vfs = sqlite3_vfs_find(nullptr);
        PassOnOpen() = data::writefailures::OpenBeneathWatch();
        data::writefailures::PutOpenBeneathWatch(&Open);
        PassOnAccess() = reinterpret_cast<AccessCall>(vfs->xGetSystemCall(vfs, "access"));
        vfs->xSetSystemCall(vfs, "access", reinterpret_cast<sqlite3_syscall_ptr>(&Access));
    }
    ~ReadOnlyMedia() {
        sqlite3_vfs* vfs = sqlite3_vfs_find(nullptr);
        data::writefailures::PutOpenBeneathWatch(PassOnOpen());
        vfs->xSetSystemCall(vfs, "access", reinterpret_cast<sqlite3_syscall_ptr>(PassOnAccess()));
        Folder().clear();
    }
    ReadOnlyMedia(const ReadOnlyMedia&) = delete;
    ReadOnlyMedia& operator=(const ReadOnlyMedia&) = delete;

private:
    using AccessCall = int (*)(const char*, int);
    static data::writefailures::OpenCall& PassOnOpen() {
        static data::writefailures::OpenCall call = nullptr;
        return call;
    }
    static AccessCall& PassOnAccess() {
        static AccessCall call = nullptr;
        return call;
    }
    static std::string& Folder() {
        static std::string folder;
        return folder;
    }
    static bool OnMedia(const char* path) {
        const std::string normal = std::filesystem::path(path).lexically_normal().string();
        return normal == Folder() || normal.rfind(Folder() + "/", 0) == 0;
    }
    static int Open(const char* path, int flags, int mode) {
        if (OnMedia(path) && (flags & (O_WRONLY | O_RDWR | O_CREAT | O_TRUNC)) != 0) {
            errno = EROFS;
            return -1;
        }
        return PassOnOpen()(path, flags, mode);
    }
    static int Access(const char* path, int mode) {
        if (OnMedia(path) && (mode & W_OK) != 0) {
            errno = EROFS;
            return -1;
        }
        return PassOnAccess()(path, mode);
    }
};
