#pragma once
// Runs a check as another user (nobody) in a child process: the tests run as
// root, who may write anything, so a folder or file that others may not
// write is only seen as such by a process that dropped its privileges.

#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace datatest {

inline constexpr uid_t kNobody = 65534;

// The check's result (its exit code), or -1 when it could not run.
inline int RunAsNobody(const std::function<int()>& check) {
    pid_t child = ::fork();
    if (child == 0) {
        int code = 100;
        if (::setgid(kNobody) == 0 && ::setuid(kNobody) == 0) {
            try {
                code = check();
            } catch (...) {
                code = 101;
            }
        }
        ::_exit(code);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

} // namespace datatest
