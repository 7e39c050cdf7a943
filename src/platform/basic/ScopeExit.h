#pragma once
// Runs a clean-up when the scope it stands in is left, by any way out (an
// error included): a flag put back, the mouse pointer restored. The clean-up
// must not throw.
#include <utility>

namespace basic {

template <class CleanUp>
class [[nodiscard]] ScopeExit {
public:
    explicit ScopeExit(CleanUp cleanUp) : cleanUp_(std::move(cleanUp)) {}
    ~ScopeExit() { cleanUp_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    CleanUp cleanUp_;
};

} // namespace basic
