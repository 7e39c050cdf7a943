#pragma once
// A disk with no room left for a file's new name, for tests: a check runs in
// a child process in which every rename fails with ENOSPC, as it does where
// the folder needs one more block for the name and the disk has none. The
// system itself refuses the calls (a seccomp filter on the rename calls), so
// whatever makes them meets the system's own error.
#include <cerrno>
#include <cstddef>
#include <functional>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>

#include "support/ChildProcess.h"

namespace noroom {

// What the check gives when the system lets no filter be set here.
inline constexpr int kCannotRefuseRenames = 102;

// The check's result (its exit code), or -1 when it could not run.
inline int RunWhereNoNewNameFits(const std::function<int()>& check) {
    return childprocess::Run([&] {
        sock_filter filter[] = {
            BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
            BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, SYS_rename, 3, 0),
            BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, SYS_renameat, 2, 0),
            BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, SYS_renameat2, 1, 0),
            BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
            BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (ENOSPC & SECCOMP_RET_DATA)),
        };
        sock_fprog program{static_cast<unsigned short>(sizeof filter / sizeof filter[0]), filter};
        if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 ||
            ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) != 0)
            return kCannotRefuseRenames;
        return check();
    });
}

} // namespace noroom
