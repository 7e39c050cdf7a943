#include "platform/forms/EventScope.h"

#include "platform/forms/FocusMoves.h"

namespace forms {

void Application::RunHandler(const std::function<void()>& handler, bool userAction) {
    ++handlerDepth_;
    try {
        handler();
    } catch (...) {
        // The action was cut short by an error: its moves no longer apply.
        if (--handlerDepth_ == 0 && !carryingOutMoves_) FocusMoves::DropAll();
        throw;
    }
    if (--handlerDepth_ > 0 || carryingOutMoves_) return;
    FocusMoves::CarryOut();
    if (userAction) CollectUnloaded();
}

} // namespace forms
