#include "desktop/UserActions.h"

#include "platform/basic/RuntimeError.h"
#include "platform/forms/Dialogs.h"

#include <exception>
#include <string>

namespace desktop {
namespace {

void Report(const std::string& text) {
    try {
        forms::MsgBox(text, forms::vbOKOnly + forms::vbCritical);
    } catch (...) {
        // Nothing more can be told: the box itself failed.
    }
}

} // namespace

void RunUserAction(const std::function<void()>& action) {
    try {
        action();
    } catch (const basic::RuntimeError& e) {
        Report("Run-time error '" + std::to_string(e.Number()) + "':\n\n" + e.Description());
    } catch (const std::exception& e) {
        Report(std::string("Unexpected error:\n\n") + e.what());
    }
}

} // namespace desktop
