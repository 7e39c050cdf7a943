#pragma once
// Runs a check in a child process that the permission bits bind. Root may
// read and write anything, so as root the child gives up its capabilities
// and stays root only by name: the bits of its own files bind it as their
// owner, wherever the run's temporary folder lies and whoever may pass
// through it. Any other user is bound by the bits of its own files already.
// A test that takes a permission away from everybody (owner, group and
// others) thus sees the same refusal whoever runs it.

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "support/ChildProcess.h"

namespace permissionbits {

inline bool GiveUpCapabilities() {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct none[_LINUX_CAPABILITY_U32S_3]{};
    return ::syscall(SYS_capset, &header, none) == 0;
}

// The check's result (its exit code), or -1 when it could not run.
inline int RunBoundByPermissions(const std::function<int()>& check) {
    return childprocess::Run([&] {
        if (::geteuid() != 0 || GiveUpCapabilities()) return check();
        return 100;
    });
}

} // namespace permissionbits
