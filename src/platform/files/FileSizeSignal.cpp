#include "platform/files/FileSizeSignal.h"

#include <csignal>

namespace files {

void FailWritesPastTheFileSizeLimit() { std::signal(SIGXFSZ, SIG_IGN); }

} // namespace files
