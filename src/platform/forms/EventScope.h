#pragma once
// Every event handler runs through RunHandler: the focus moves it asks for
// are carried out when the outermost handler returns (see FocusMoves.cpp for
// the order of events); a user's action also lets the screens it unloaded be
// destroyed at its end.
#include "platform/forms/Application.h"

#include <functional>

namespace forms {

inline void RunHandler(const std::function<void()>& handler, bool userAction = false) {
    App().RunHandler(handler, userAction);
}

// True while some handler is running.
inline bool InHandler() { return App().InHandler(); }

} // namespace forms
