#pragma once
// System calls that fail, for tests: a check runs in a child process in which
// the chosen calls fail with the chosen system error, as on a failing disk
// (EIO) or one with no room for a new name (ENOSPC). The system itself
// refuses them (a seccomp filter), so whatever makes them meets the system's
// own error.
#include <cstddef>
#include <fcntl.h>
#include <functional>
#include <initializer_list>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <vector>

#include "support/ChildProcess.h"

namespace refusedcalls {

// What the check gives when the system lets no filter be set here.
inline constexpr int kCannotRefuseCalls = 102;

// A call refused: every one, or with `flags` only those whose third argument
// (openat's flags) holds one of them (O_CREAT: a file made, not opened).
struct Refused {
    long call;
    unsigned flags = 0;
};

// The check's result (its exit code), or -1 when it could not run.
inline int RunWhereCallsFail(std::initializer_list<Refused> calls, int cause, const std::function<int()>& check) {
    return childprocess::Run([&] {
        const sock_filter fail = BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (cause & SECCOMP_RET_DATA));
        std::vector<sock_filter> filter;
        for (const Refused& refused : calls) {
            filter.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)));
            filter.push_back(
                BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, static_cast<unsigned>(refused.call), 0, refused.flags ? 3 : 1));
            if (refused.flags) {
                filter.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[2])));
                filter.push_back(BPF_JUMP(BPF_JMP | BPF_JSET | BPF_K, refused.flags, 0, 1));
            }
            filter.push_back(fail);
        }
        filter.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
        sock_fprog program{static_cast<unsigned short>(filter.size()), filter.data()};
        if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 ||
            ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) != 0)
            return kCannotRefuseCalls;
        return check();
    });
}

} // namespace refusedcalls
