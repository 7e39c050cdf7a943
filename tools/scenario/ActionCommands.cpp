#include "ControlPath.h"
#include "DataArrows.h"
#include "Session.h"

#include "platform/basic/Utf8.h"
#include "platform/basic/Windows1252.h"
#include "platform/forms/Forms.h"

#include <array>
#include <charconv>
#include <utility>

namespace scenario {
namespace {

const std::vector<Token>& Args(Session& session) { return session.Line().tokens; }

void NeedArgs(Session& session, std::size_t count, const char* usage) {
    if (Args(session).size() != count + 1) throw ActionFailed{std::string("usage: ") + usage};
}

Resolved Target(const Token& token, bool formOnly = false) {
    auto path = ParseControlPath(token.text);
    if (!path || token.quoted) throw ActionFailed{"not a name of a form or control: " + token.text};
    if (formOnly && !path->control.empty()) throw ActionFailed{"a form is named here, not a control: " + token.text};
    if (!formOnly && path->control.empty()) throw ActionFailed{"a control is named here, not a form: " + token.text};
    Resolved found = Resolve(*path);
    if (!found.problem.empty()) throw ActionFailed{found.problem};
    if (!path->arrow.empty()) {
        ClickDataArrow(*found.control, path->arrow);
        found.control = nullptr; // done
    }
    return found;
}

// Keys that type: what KeyPress sees.
const std::array<std::pair<const char*, int>, 4> kNamedKeys = {{
    {"Enter", forms::vbKeyReturn},
    {"Tab", forms::vbKeyTab},
    {"Escape", forms::vbKeyEscape},
    {"Backspace", forms::vbKeyBack},
}};

// Keys that are no characters: KeyDown's key code and Shift argument.
struct EditKey {
    const char* name;
    int keyCode;
    int shift;
};
constexpr int kShift = forms::vbShiftMask;
constexpr int kCtrl = forms::vbCtrlMask;
// clang-format off
const std::array<EditKey, 16> kEditKeys = {{
    {"Left", forms::vbKeyLeft, 0},          {"Right", forms::vbKeyRight, 0},
    {"Home", forms::vbKeyHome, 0},          {"End", forms::vbKeyEnd, 0},
    {"Delete", forms::vbKeyDelete, 0},      {"Shift+Left", forms::vbKeyLeft, kShift},
    {"Shift+Right", forms::vbKeyRight, kShift}, {"Shift+Home", forms::vbKeyHome, kShift},
    {"Shift+End", forms::vbKeyEnd, kShift}, {"Ctrl+A", forms::vbKeyA, kCtrl},
    {"Ctrl+C", forms::vbKeyC, kCtrl},       {"Ctrl+X", forms::vbKeyX, kCtrl},
    {"Ctrl+V", forms::vbKeyV, kCtrl},       {"Shift+Insert", forms::vbKeyInsert, kShift},
    {"Ctrl+Insert", forms::vbKeyInsert, kCtrl}, {"Shift+Delete", forms::vbKeyDelete, kShift},
}};
// clang-format on

// A key named on a line: a typing key (`shift` kTyping), Shift+Tab, or an
// edit key.
constexpr int kTyping = -1;
constexpr int kBackTab = -2;
struct NamedKey {
    int code;
    int shift;
};

NamedKey KeyOf(const Token& token) {
    if (token.quoted) {
        const std::u32string c = basic::CodePointsOf(token.text);
        const auto code = c.size() == 1 ? basic::Windows1252ByteOf(c[0]) : std::nullopt;
        if (!code) throw ActionFailed{"a quoted key is one character of code page 1252: \"" + token.text + "\""};
        return {*code, kTyping};
    }
    for (const auto& [name, key] : kNamedKeys)
        if (token.text == name) return {key, kTyping};
    if (token.text == "Shift+Tab") return {forms::vbKeyTab, kBackTab};
    for (const auto& key : kEditKeys)
        if (token.text == key.name) return {key.keyCode, key.shift};
    throw ActionFailed{
        "unknown key " + token.text +
        " (Enter, Tab, Shift+Tab, Escape, Backspace, Left, Right, Home, End, Delete, Shift+Left, Shift+Right, "
        "Shift+Home, Shift+End, Ctrl+A, Ctrl+C, Ctrl+X, Ctrl+V, Shift+Insert, Ctrl+Insert, "
        "Shift+Delete or a quoted character)"};
}

// Why the focus is not on the control after the user went there: either the
// control cannot take it at all, or a handler sent it elsewhere.
std::string FocusRefused(const forms::Control& control, bool couldTakeFocus) {
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
bool UserCanReach(const forms::Control& control) {
    if (!control.Owner().IsLoaded()) return false;
    return control.Focusable() ? control.CanTakeFocus() : control.Enabled() && control.IsShowing();
}

void Click(Session& session) {
    NeedArgs(session, 1, "click FORM.CONTROL");
    Resolved found = Target(Args(session)[1]);
    if (found.control == nullptr) return; // a data control's arrow
    if (!UserCanReach(*found.control))
        throw ActionFailed{found.control->Name() + " cannot be clicked (" +
                           (found.control->Enabled() ? "hidden" : "disabled") + ")"};
    forms::user::Click(*found.control);
}

void TypeInto(Session& session, bool selectAllFirst) {
    NeedArgs(session, 2, selectAllFirst ? "type FORM.CONTROL \"TEXT\"" : "keys FORM.CONTROL \"TEXT\"");
    if (!Args(session)[2].quoted) throw ActionFailed{"the text to type must be quoted"};
    Resolved found = Target(Args(session)[1]);
    if (found.control == nullptr) throw ActionFailed{"cannot type into a data control's arrow"};
    const bool reachable = UserCanReach(*found.control);
    const std::string& text = Args(session)[2].text;
    const bool typed =
        selectAllFirst ? forms::user::TypeText(*found.control, text) : forms::user::TypeKeys(*found.control, text);
    if (!typed) throw ActionFailed{FocusRefused(*found.control, reachable)};
    // Emptying a field is selecting all of it and pressing Backspace, the
    // key going through the field's handlers like any other.
    if (selectAllFirst && text.empty() && found.control->HasFocus())
        forms::user::PressKey(*found.control, forms::vbKeyBack);
}

void Type(Session& session) { TypeInto(session, true); }
void Keys(Session& session) { TypeInto(session, false); }

void Key(Session& session) {
    NeedArgs(session, 2, "key FORM.CONTROL KEY");
    const NamedKey key = KeyOf(Args(session)[2]);
    Resolved found = Target(Args(session)[1]);
    if (found.control == nullptr) throw ActionFailed{"cannot press a key in a data control's arrow"};
    const bool reachable = UserCanReach(*found.control);
    const bool pressed = key.shift == kTyping    ? forms::user::PressKey(*found.control, key.code)
                         : key.shift == kBackTab ? forms::user::PressShiftTab(*found.control)
                                                 : forms::user::PressKeyCode(*found.control, key.code, key.shift);
    if (!pressed) throw ActionFailed{FocusRefused(*found.control, reachable)};
}

void Focus(Session& session) {
    const auto& args = Args(session);
    const bool at = args.size() == 4 && !args[2].quoted && args[2].text == "at";
    if (args.size() != 2 && !at) throw ActionFailed{"usage: focus FORM.CONTROL [at N]"};
    Resolved found = Target(args[1]);
    if (found.control == nullptr) throw ActionFailed{"a data control's arrow cannot take the focus"};
    if (!UserCanReach(*found.control)) throw ActionFailed{FocusRefused(*found.control, false)};
    if (!at) {
        forms::user::FocusByMouse(*found.control);
        return;
    }
    auto* field = dynamic_cast<forms::TextField*>(found.control);
    if (field == nullptr)
        throw ActionFailed{found.control->Name() + " is a " + found.control->Kind() + ", which has no caret"};
    int position = 0;
    const std::string& n = args[3].text;
    auto [end, error] = std::from_chars(n.data(), n.data() + n.size(), position);
    if (args[3].quoted || error != std::errc() || end != n.data() + n.size() || position < 0)
        throw ActionFailed{"not a character position: " + n};
    forms::user::ClickAt(*field, position);
}

void SetClipboard(Session& session) {
    NeedArgs(session, 1, "clipboard \"TEXT\"");
    if (!Args(session)[1].quoted) throw ActionFailed{"the clipboard's text must be quoted"};
    forms::App().GetClipboard().SetText(Args(session)[1].text);
}

void Close(Session& session) {
    NeedArgs(session, 1, "close FORM");
    Resolved found = Target(Args(session)[1], true);
    forms::user::CloseWindow(*found.form);
}

void Answer(Session& session) {
    if (Args(session).size() < 2) throw ActionFailed{"usage: answer OK|Cancel|Yes|No ..."};
    for (std::size_t i = 1; i < Args(session).size(); ++i) {
        const Token& token = Args(session)[i];
        int button = token.quoted ? 0 : ButtonNamed(token.text);
        if (button == 0) throw ActionFailed{"an answer is OK, Cancel, Yes or No, not " + token.text};
        session.Dialogs().QueueMsgBoxAnswer({button, std::nullopt, session.LineIndex(), token.text});
    }
}

void Input(Session& session) {
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

bool RunActionCommand(Session& session) {
    using Command = void (*)(Session&);
    static const std::array<std::pair<const char*, Command>, 9> kCommands = {{
        {"click", Click},
        {"type", Type},
        {"keys", Keys},
        {"clipboard", SetClipboard},
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
