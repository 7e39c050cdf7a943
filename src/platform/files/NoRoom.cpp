#include "platform/files/NoRoom.h"

#include "platform/basic/RuntimeError.h"

#include <algorithm>
#include <array>
#include <cerrno>

namespace files {

bool NoRoomToWrite(int systemError) { return systemError == ENOSPC || systemError == EDQUOT || systemError == EFBIG; }

namespace {

// The device failed or is gone (a failing disk, a medium taken out, a lost
// network share), rather than refusing what was asked.
constexpr std::array kDeviceFailures{EIO, ENXIO, ENODEV, ENOMEDIUM, EREMOTEIO, ESTALE};

} // namespace

int FileErrorNumberFor(int systemError) {
    if (std::ranges::find(kDeviceFailures, systemError) != kDeviceFailures.end()) return basic::errDeviceIO;
    return NoRoomToWrite(systemError) ? basic::errDiskFull : basic::errPathFileAccess;
}

} // namespace files
