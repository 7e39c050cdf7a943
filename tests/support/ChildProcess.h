#pragma once
// Runs a check in a child process, for tests that change what only that
// process may see or do (its user, its mounts).
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace childprocess {

// The check's result (its exit code, 101 when it threw), or -1 when it
// could not run.
inline int Run(const std::function<int()>& check) {
    pid_t child = ::fork();
    if (child == 0) {
        int code = 101;
        try {
            code = check();
        } catch (...) {}
        ::_exit(code);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

} // namespace childprocess
