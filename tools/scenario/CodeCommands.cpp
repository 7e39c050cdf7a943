// What the system's own code does to screens that no user action reaches:
// show a form by name, and set a control's Text (or a list's Drive or Path),
// which raises the control's Change and no key event.
#include "ControlPath.h"
#include "Session.h"

#include "platform/forms/DriveFolderLists.h"
#include "platform/forms/EventScope.h"
#include "platform/forms/Screens.h"
#include "platform/forms/TextField.h"

namespace scenario {
namespace {

const std::vector<Token>& Args(Session& session) { return session.Line().tokens; }

void Show(Session& session) {
    if (Args(session).size() != 2) throw ActionFailed{"usage: show FORM"};
    const Token& name = Args(session)[1];
    auto path = ParseControlPath(name.text);
    if (!path || name.quoted || !path->control.empty()) throw ActionFailed{"not a name of a form: " + name.text};
    if (!forms::App().HasScreen(path->form)) throw ActionFailed{"there is no screen named " + path->form};
    forms::RunHandler([&] { forms::Screen(path->form).Show(); }, true);
}

void Set(Session& session) {
    if (Args(session).size() != 3 || !Args(session)[2].quoted) throw ActionFailed{"usage: set FORM.CONTROL \"TEXT\""};
    const Token& name = Args(session)[1];
    auto path = ParseControlPath(name.text);
    if (!path || name.quoted || path->control.empty() || !path->arrow.empty())
        throw ActionFailed{"not a name of a control: " + name.text};
    Resolved found = Resolve(*path);
    if (!found.problem.empty()) throw ActionFailed{found.problem};
    const std::string& text = Args(session)[2].text;

    forms::RunHandler(
        [&] {
            if (auto* field = dynamic_cast<forms::TextField*>(found.control)) {
                field->SetText(text);
            } else if (auto* drives = dynamic_cast<forms::DriveList*>(found.control)) {
                drives->SetDrive(text);
            } else if (auto* folders = dynamic_cast<forms::FolderList*>(found.control)) {
                folders->SetPath(text);
            } else {
                throw ActionFailed{found.control->Name() + " has no Text, Drive or Path to set"};
            }
        },
        true);
}

} // namespace

bool RunCodeCommand(Session& session) {
    const std::string& command = Args(session)[0].text;
    if (command == "show") {
        Show(session);
    } else if (command == "set") {
        Set(session);
    } else {
        return false;
    }
    return true;
}

} // namespace scenario
