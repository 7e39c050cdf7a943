#pragma once

namespace forms {

// Marks the running of an event handler. Focus moves requested while any
// scope is open are carried out when the outermost scope closes (see
// FocusMoves.cpp for the order of events). A scope opened for a user action
// also lets the screens unloaded during it be destroyed at its end.
class EventScope {
public:
    explicit EventScope(bool userAction = false);
    ~EventScope() noexcept(false);
    EventScope(const EventScope&) = delete;
    EventScope& operator=(const EventScope&) = delete;

    // True while some handler is running.
    static bool InHandler();

private:
    bool userAction_;
};

} // namespace forms
