#include "platform/forms/EventScope.h"

#include "platform/forms/Application.h"
#include "platform/forms/FocusMoves.h"

#include <exception>

namespace forms {

EventScope::EventScope(bool userAction) : userAction_(userAction) { ++detail::HandlerDepth(); }

EventScope::~EventScope() noexcept(false) {
    --detail::HandlerDepth();
    if (detail::HandlerDepth() > 0 || detail::CarryingOut()) return;
    if (std::uncaught_exceptions() > 0) {
        // The action was cut short by an error: its moves no longer apply.
        FocusMoves::DropAll();
        return;
    }
    FocusMoves::CarryOut();
    if (userAction_) App().CollectUnloaded();
}

bool EventScope::InHandler() { return detail::HandlerDepth() > 0; }

} // namespace forms
