#pragma once
// A copy of the program killed (SIGKILL, as by kill -9) in the middle of its
// work: a real second process runs a user's action and dies at a given moment
// (the engine opening a file whose name holds a given text, such as a
// super-journal, or a message box showing), so the files are left exactly
// as such a kill leaves them.
// Run it before this process opens any database, so the child inherits no
// open connection.
#include <csignal>
#include <cstring>
#include <functional>
#include <sqlite3.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace killedcopy {

// Ends this process as kill -9 does.
inline void Die() { ::kill(::getpid(), SIGKILL); }

inline std::string& KillAt() {
    static std::string text;
    return text;
}

inline sqlite3_vfs*& RealVfs() {
    static sqlite3_vfs* real = nullptr;
    return real;
}

inline int OpenOrDie(sqlite3_vfs* vfs, const char* name, sqlite3_file* file, int flags, int* outFlags) {
    const int rc = RealVfs()->xOpen(vfs, name, file, flags, outFlags);
    if (name != nullptr && std::strstr(name, KillAt().c_str()) != nullptr) Die();
    return rc;
}

// Runs `action` in a child process, which it is to kill itself (Die);
// gives true when it died so.
inline bool RunKilled(const std::function<void()>& action) {
    const pid_t child = ::fork();
    if (child == 0) {
        action();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

// Runs `action` in a child process that is killed when SQLite opens a file
// whose name contains `killAt`; gives true when it was killed so.
inline bool RunKilledAt(const std::string& killAt, const std::function<void()>& action) {
    return RunKilled([&] {
        static sqlite3_vfs shim;
        RealVfs() = sqlite3_vfs_find(nullptr);
        shim = *RealVfs();
        shim.zName = "killed-copy";
        shim.xOpen = OpenOrDie;
        KillAt() = killAt;
        sqlite3_vfs_register(&shim, 1);
        action();
    });
}

} // namespace killedcopy
