#pragma once
// A nearly full disk for tests: while a FileSizeLimit lives, no file this
// process writes may grow beyond the given size, as if the disk were full
// there: a write past it fails instead of ending the process (SIGXFSZ
// ignored), unless the test leaves that to the program's own set-up.
#include <csignal>
#include <sys/resource.h>

class FileSizeLimit {
public:
    enum class Signal { IgnoredHere, AsTheProgramSetIt };

    explicit FileSizeLimit(rlim_t bytes, Signal signal = Signal::IgnoredHere) {
        ::getrlimit(RLIMIT_FSIZE, &before_);
        if (signal == Signal::IgnoredHere) {
            handler_ = std::signal(SIGXFSZ, SIG_IGN);
            ignoredHere_ = true;
        }
        rlimit limit = before_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &before_);
        if (ignoredHere_) std::signal(SIGXFSZ, handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit before_{};
    bool ignoredHere_ = false;
    void (*handler_)(int) = nullptr;
};
