#include "platform/files/NoRoom.h"

#include <cerrno>

namespace files {

bool NoRoomToWrite(int systemError) { return systemError == ENOSPC || systemError == EDQUOT || systemError == EFBIG; }

} // namespace files
