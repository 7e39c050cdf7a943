#include "platform/printing/DMWin.h"

namespace printing {

DMWin::DMWin(forms::Form& owner, std::string name, int index)
    : forms::CommandButton(owner, name, index), engine_(name) {}

void DMWin::UserClick() {
    forms::CommandButton::UserClick();
    RaisePrintRequest();
}

void DMWin::RaisePrintRequest() {
    engine_.BeginRequest();
    try {
        Raise(PrintRequest);
    } catch (...) {
        engine_.EndRequest();
        throw;
    }
    // Outside the catch so that a failing front-end hook is not mistaken for
    // the handler's own error.
    engine_.EndRequest();
}

} // namespace printing
