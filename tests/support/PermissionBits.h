#pragma once
// Runs a check in a child process that the permission bits bind. Root may
// read and write anything, so as root the child becomes the user nobody; any
// other user is bound by the bits of its own files already. A test that
// takes a permission away from everybody (owner, group and others) thus sees
// the same refusal whoever runs it.

#include <grp.h>
#include <unistd.h>

#include "support/ChildProcess.h"

namespace permissionbits {

inline constexpr uid_t kNobody = 65534;

// The check's result (its exit code), or -1 when it could not run.
inline int RunBoundByPermissions(const std::function<int()>& check) {
    return childprocess::Run([&] {
        if (::geteuid() != 0 || (::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0))
            return check();
        return 100;
    });
}

} // namespace permissionbits
