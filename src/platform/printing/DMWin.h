#pragma once
// The print control as the screens place it (DMWin1, DMWin2): a button with a
// caption; a user's click raises PrintRequest, whose handler builds one
// document by storing numbered properties in order:
//   DMWin2.PrintRequest = [this] { DMWin2_PrintRequest(); };
//   DMWin2.Store(printing::Property::DocumentTitle, "Print Form 941 - Schedule A");
//   DMWin2.Store(printing::Property::StartDoc, true);   ... EndDoc ...
// The document closes at EndDoc; one still open when the handler returns (or
// throws) is aborted and never rendered. Finished documents go to PrintLog and,
// after the handler returns, to the front end's hook (PrintLog.h).
// For the desktop it is a CommandButton: its Kind, Caption and UserClick are
// the button's.
#include <functional>
#include <string>
#include <string_view>

#include "platform/forms/SimpleControls.h"
#include "platform/printing/PrintEngine.h"

namespace printing {

class DMWin : public forms::CommandButton {
public:
    DMWin(forms::Form& owner, std::string name, int index = -1);

    // The print event; no arguments.
    std::function<void()> PrintRequest;

    void Store(Property property, StoreValue value) { engine_.Store(property, std::move(value)); }
    void Store(int number, StoreValue value) { engine_.Store(number, std::move(value)); }
    void Store(std::string_view name, StoreValue value) { engine_.Store(name, std::move(value)); }
    void Store(const char* name, StoreValue value) { engine_.Store(name, std::move(value)); }

    // What a user's click does: Click, then the print request.
    void UserClick() override;
    // Raises PrintRequest inside a print request of the engine. An error the
    // handler lets out aborts the open document and goes on to the caller.
    void RaisePrintRequest();

    PrintEngine& Engine() { return engine_; }
    const PrintEngine& Engine() const { return engine_; }

private:
    PrintEngine engine_;
};

} // namespace printing
