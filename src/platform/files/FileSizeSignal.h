#pragma once

namespace files {

// From now on a write past the largest file this process may write
// (RLIMIT_FSIZE, `ulimit -f`) fails as a write to a full disk does, and is
// reported where it happens, instead of the system ending the process
// without a word (SIGXFSZ). Every program that writes the user's files
// calls it first.
void FailWritesPastTheFileSizeLimit();

} // namespace files
