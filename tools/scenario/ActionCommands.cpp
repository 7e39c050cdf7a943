#include "ControlPath.h"
#include "DataArrows.h"
#include "Session.h"

#include "platform/forms/Forms.h"

#include <array>
#include <utility>

namespace scenario {
namespace {

const std::vector<Token>& Args(Session& session) { return session.Line().tokens; }

void NeedArgs(Session& session, std::size_t count, const char* usage)
{
    if (Args(session).size() != count + 1) throw ActionFailed{std::string("usage: ") + usage};
}

Resolved Target(const Token& token, bool formOnly = false)
{
    auto path = ParseControlPath(token.text);
    if (!path || token.quoted) throw ActionFailed{"not a name of a form or control: " + token.text};
    if (formOnly && !path->control.empty()) throw ActionFailed{"a form is named here, not a control: " + token.text};
    if (!formOnly && path->control.empty()) throw ActionFailed{"a control is named here, not a form: " + token.text};
    Resolved found = Resolve(*path);
    if (!found.problem.empty()) throw ActionFailed{found.problem};
    if (!path->arrow.empty()) {
        ClickDataArrow(*found.control, path->arrow);
        found.control = nullptr;  // done
    }
    return found;
}

const std::array<std::pair<const char*, int>, 4> kNamedKeys = {{
    {"Enter", forms::vbKeyReturn},
    {"Tab", forms::vbKeyTab},
    {"Escape", forms::vbKeyEscape},
    {"Backspace", forms::vbKeyBack},
}};

int KeyOf(const Token& token)
{
    if (token.quoted) {
        if (token.text.size() != 1) throw ActionFailed{"a quoted key is one character: \"" + token.text + "\""};
        return static_cast<unsigned char>(token.text[0]);
    }
    for (const auto& [name, key] : kNamedKeys)
        if (token.text == name) return key;
    throw ActionFailed{"unknown key " + token.text + " (Enter, Tab, Escape, Backspace or a quoted character)"};
}

// Why the focus is not on the control after the user went there: either the
// control cannot take it at all, or a handler sent it elsewhere.
std::string FocusRefused(const forms::Control& control, bool couldTakeFocus)
{
    if (couldTakeFocus) {
        const forms::Control* active = control.Owner().ActiveControl();
        return "the focus did not stay on " + control.Name() + " (a handler moved it to " +
               (active != nullptr ? active->Name() : std::string("no control")) + ")";
    }
    return control.Name() + " cannot take the focus (" + (control.Enabled() ? "" : "disabled, ") +
           (control.IsShowing() ? "showing" : "not showing") + ")";
}

// Whether a user can act on the control at all. A click or a move of the
// focus that a handler then sends elsewhere (losing the click, as the
// original screens do) still happened: the expectations say what came of it.
bool UserCanReach(const forms::Control& control)
{
    if (!control.Owner().IsLoaded()) return false;
    return control.Focusable() ? control.CanTakeFocus() : control.Enabled() && control.IsShowing();
}

void Click(Session& session)
{
    NeedArgs(session, 1, "click FORM.CONTROL");
    Resolved found = Target(Args(session)[1]);
    if (found.control == nullptr) return;  // a data control's arrow
    if (!UserCanReach(*found.control))
        throw ActionFailed{found.control->Name() + " cannot be clicked (" +
                           (found.control->Enabled() ? "hidden" : "disabled") + ")"};
    forms::user::Click(*found.control);
}

void Type(Session& session)
{
    NeedArgs(session, 2, "type FORM.CONTROL \"TEXT\"");
    if (!Args(session)[2].quoted) throw ActionFailed{"the text to type must be quoted"};
    Resolved found = Target(Args(session)[1]);
    if (found.control == nullptr) throw ActionFailed{"cannot type into a data control's arrow"};
    const bool reachable = UserCanReach(*found.control);
    const std::string& text = Args(session)[2].text;
    if (!forms::user::TypeText(*found.control, text)) throw ActionFailed{FocusRefused(*found.control, reachable)};
    // Emptying a field is selecting all of it and pressing Backspace, the
    // key going through the field's handlers like any other.
    if (text.empty() && found.control->HasFocus()) forms::user::PressKey(*found.control, forms::vbKeyBack);
}

void Key(Session& session)
{
    NeedArgs(session, 2, "key FORM.CONTROL Enter|Tab|Escape|Backspace|\"c\"");
    int key = KeyOf(Args(session)[2]);
    Resolved found = Target(Args(session)[1]);
    if (found.control == nullptr) throw ActionFailed{"cannot press a key in a data control's arrow"};
    const bool reachable = UserCanReach(*found.control);
    if (!forms::user::PressKey(*found.control, key)) throw ActionFailed{FocusRefused(*found.control, reachable)};
}

void Focus(Session& session)
{
    NeedArgs(session, 1, "focus FORM.CONTROL");
    Resolved found = Target(Args(session)[1]);
    if (found.control == nullptr) throw ActionFailed{"a data control's arrow cannot take the focus"};
    if (!UserCanReach(*found.control)) throw ActionFailed{FocusRefused(*found.control, false)};
    forms::user::FocusByMouse(*found.control);
}

void Close(Session& session)
{
    NeedArgs(session, 1, "close FORM");
    Resolved found = Target(Args(session)[1], true);
    forms::user::CloseWindow(*found.form);
}

void Answer(Session& session)
{
    if (Args(session).size() < 2) throw ActionFailed{"usage: answer OK|Cancel|Yes|No ..."};
    for (std::size_t i = 1; i < Args(session).size(); ++i) {
        const Token& token = Args(session)[i];
        int button = token.quoted ? 0 : ButtonNamed(token.text);
        if (button == 0) throw ActionFailed{"an answer is OK, Cancel, Yes or No, not " + token.text};
        session.Dialogs().QueueMsgBoxAnswer({button, std::nullopt, session.LineIndex(), token.text});
    }
}

void Input(Session& session)
{
    NeedArgs(session, 1, "input \"TEXT\" | input cancel");
    const Token& token = Args(session)[1];
    if (token.quoted) {
        session.Dialogs().QueueInputAnswer({0, token.text, session.LineIndex(), "\"" + token.text + "\""});
    } else if (token.text == "cancel") {
        session.Dialogs().QueueInputAnswer({0, std::nullopt, session.LineIndex(), "cancel"});
    } else {
        throw ActionFailed{"the input is a quoted text or cancel, not " + token.text};
    }
}

} // namespace

bool RunActionCommand(Session& session)
{
    using Command = void (*)(Session&);
    static const std::array<std::pair<const char*, Command>, 7> kCommands = {{
        {"click", Click},
        {"type", Type},
        {"key", Key},
        {"focus", Focus},
        {"close", Close},
        {"answer", Answer},
        {"input", Input},
    }};
    const std::string& command = Args(session)[0].text;
    for (const auto& [name, run] : kCommands) {
        if (command == name) {
            run(session);
            return true;
        }
    }
    return false;
}

} // namespace scenario
