#pragma once
// Syncing a file or folder to the disk (fsync) goes through one call that a
// test may put another in the place of, to see what is synced or to make a
// sync fail as a failing or full disk would (the engine's own layer lets a
// test replace its system calls the same way).
namespace files {

using SyncCall = int (*)(int fd);

// Syncs what the descriptor is open on: 0 when done, else -1 with errno set.
int SyncToDisk(int fd);

// Puts `call` in the place of the system's fsync; nullptr puts it back.
void ReplaceSyncCall(SyncCall call);

} // namespace files
