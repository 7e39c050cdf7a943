#include "platform/files/NoRoom.h"

#include "platform/basic/RuntimeError.h"

#include <cerrno>

namespace files {

bool NoRoomToWrite(int systemError) { return systemError == ENOSPC || systemError == EDQUOT || systemError == EFBIG; }

int FileErrorNumberFor(int systemError) {
    return NoRoomToWrite(systemError) ? basic::errDiskFull : basic::errPathFileAccess;
}

} // namespace files
