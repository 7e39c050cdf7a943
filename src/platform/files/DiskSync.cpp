#include "platform/files/DiskSync.h"

#include <unistd.h>

namespace files {

namespace {

SyncCall syncCall = &::fsync;

} // namespace

int SyncToDisk(int fd) { return syncCall(fd); }

void ReplaceSyncCall(SyncCall call) { syncCall = call ? call : &::fsync; }

} // namespace files
