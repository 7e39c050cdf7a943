#pragma once
// A disk with no room left for a file's new name, for tests: a check runs in
// a child process in which every rename fails with ENOSPC, as it does where
// the folder needs one more block for the name and the disk has none.
#include <cerrno>

#include "support/RefusedSystemCalls.h"

namespace noroom {

// What the check gives when the system lets no filter be set here.
inline constexpr int kCannotRefuseRenames = refusedcalls::kCannotRefuseCalls;

// The check's result (its exit code), or -1 when it could not run.
inline int RunWhereNoNewNameFits(const std::function<int()>& check) {
    return refusedcalls::RunWhereCallsFail({{SYS_rename}, {SYS_renameat}, {SYS_renameat2}}, ENOSPC, check);
}

} // namespace noroom
