#include "ControlPath.h"
#include "PrintTraceMatch.h"
#include "Session.h"
#include "SqlText.h"

#include "platform/data/DataControl.h"
#include "platform/data/Schema.h"
#include "platform/forms/Forms.h"
#include "platform/printing/DMWin.h"
#include "platform/printing/PrintLog.h"

#include <array>
#include <charconv>
#include <fstream>
#include <iterator>
#include <sstream>

namespace scenario {
namespace {

// An expectation that does not hold: reported, and the scenario goes on.
struct NotHeld {
    std::string found;
};

const std::vector<Token>& Args(Session& session) { return session.Line().tokens; }

void NeedArgs(Session& session, std::size_t count, const char* usage) {
    if (Args(session).size() != count + 2) throw ActionFailed{std::string("usage: ") + usage};
}

long long WholeNumber(const Token& token) {
    long long value = 0;
    const std::string& text = token.text;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (token.quoted || error != std::errc() || end != text.data() + text.size())
        throw ActionFailed{"not a whole number: " + text};
    return value;
}

ControlPath PathOf(const Token& token) {
    auto path = ParseControlPath(token.text);
    if (!path || token.quoted || !path->arrow.empty())
        throw ActionFailed{"not a name of a form or control: " + token.text};
    return *path;
}

forms::Control& ControlOf(const Token& token) {
    ControlPath path = PathOf(token);
    if (path.control.empty()) throw ActionFailed{"a control is named here, not a form: " + token.text};
    Resolved found = Resolve(path);
    if (!found.problem.empty()) throw NotHeld{found.problem};
    return *found.control;
}

void Check(bool holds, const std::string& found) {
    if (!holds) throw NotHeld{found};
}

std::string Hex(long value) {
    std::ostringstream out;
    out << "&H" << std::uppercase << std::hex << value;
    return out.str();
}

// --- dialogs ---

void Msgbox(Session& session, bool prefixOnly) {
    NeedArgs(session, 3, "expect msgbox STYLE \"TITLE\" \"TEXT\"");
    const long long style = WholeNumber(Args(session)[2]);
    const std::string& title = Args(session)[3].text;
    const std::string& text = Args(session)[4].text;
    auto* box = session.Dialogs().OldestUnchecked(false);
    if (box == nullptr) throw NotHeld{"no message box left to check"};
    box->checked = true;
    const bool textHolds = prefixOnly
                               ? box->prompt.compare(0, text.size(), text) == 0 && box->prompt.size() >= text.size()
                               : box->prompt == text;
    Check(box->style == style && box->title == title && textHolds,
          "msgbox " + std::to_string(box->style) + " " + ScriptQuote(box->title) + " " + ScriptQuote(box->prompt));
}

void InputExpectation(Session& session) {
    NeedArgs(session, 3, "expect input \"TITLE\" \"PROMPT\" \"DEFAULT\"");
    auto* box = session.Dialogs().OldestUnchecked(true);
    if (box == nullptr) throw NotHeld{"no input box left to check"};
    box->checked = true;
    Check(box->title == Args(session)[2].text && box->prompt == Args(session)[3].text &&
              box->defaultText == Args(session)[4].text,
          "input " + ScriptQuote(box->title) + " " + ScriptQuote(box->prompt) + " " + ScriptQuote(box->defaultText));
}

void NoDialog(Session& session) {
    if (Args(session).size() != 2) throw ActionFailed{"usage: expect no-dialog"};
    std::string unchecked;
    for (auto& box : session.Dialogs().Boxes()) {
        if (box.checked) continue;
        unchecked += (unchecked.empty() ? "" : "; ") + std::string(box.isInput ? "input " : "msgbox ") +
                     (box.isInput ? "" : std::to_string(box.style) + " ") + ScriptQuote(box.title) + " " +
                     ScriptQuote(box.prompt);
        box.checked = true; // reported once
    }
    Check(unchecked.empty(), "unchecked " + unchecked);
}

// --- what the screens show ---

void Text(Session& session) {
    NeedArgs(session, 2, "expect text FORM.CONTROL \"TEXT\"");
    auto& control = ControlOf(Args(session)[2]);
    auto* field = dynamic_cast<forms::TextField*>(&control);
    if (field == nullptr) throw NotHeld{control.Name() + " is a " + control.Kind() + ", which has no Text"};
    Check(field->Text() == Args(session)[3].text, ScriptQuote(field->Text()));
}

void ClipboardText(Session& session) {
    if (Args(session).size() != 3 || !Args(session)[2].quoted) throw ActionFailed{"usage: expect clipboard \"TEXT\""};
    const std::string held = forms::App().GetClipboard().GetText();
    Check(held == Args(session)[2].text, ScriptQuote(held));
}

void Selection(Session& session) {
    NeedArgs(session, 3, "expect selection FORM.CONTROL START LENGTH");
    auto& control = ControlOf(Args(session)[2]);
    auto* field = dynamic_cast<forms::TextField*>(&control);
    if (field == nullptr) throw NotHeld{control.Name() + " is a " + control.Kind() + ", which has no selection"};
    const long long start = WholeNumber(Args(session)[3]);
    const long long length = WholeNumber(Args(session)[4]);
    Check(field->SelStart() == start && field->SelLength() == length, std::to_string(field->SelStart()) + " " +
                                                                          std::to_string(field->SelLength()) + " (" +
                                                                          ScriptQuote(field->SelText()) + " selected)");
}

std::optional<std::string> CaptionOf(const forms::Control& control) {
    if (auto* c = dynamic_cast<const forms::Label*>(&control)) return c->Caption();
    if (auto* c = dynamic_cast<const forms::CommandButton*>(&control)) return c->Caption();
    if (auto* c = dynamic_cast<const forms::CheckBox*>(&control)) return c->Caption();
    if (auto* c = dynamic_cast<const forms::Frame*>(&control)) return c->Caption();
    if (auto* c = dynamic_cast<const forms::Menu*>(&control)) return c->Caption();
    if (auto* c = dynamic_cast<const data::DataControl*>(&control)) return c->Caption();
    return std::nullopt;
}

void Caption(Session& session) {
    NeedArgs(session, 2, "expect caption FORM[.CONTROL] \"TEXT\"");
    ControlPath path = PathOf(Args(session)[2]);
    Resolved found = Resolve(path);
    if (!found.problem.empty()) throw NotHeld{found.problem};
    std::string caption;
    if (found.control == nullptr) {
        caption = found.form->Caption();
    } else {
        auto text = CaptionOf(*found.control);
        if (!text) throw NotHeld{found.control->Name() + " is a " + found.control->Kind() + ", which has no Caption"};
        caption = *text;
    }
    Check(caption == Args(session)[3].text, ScriptQuote(caption));
}

void Value(Session& session) {
    NeedArgs(session, 2, "expect value FORM.CONTROL N");
    auto& control = ControlOf(Args(session)[2]);
    const long long expected = WholeNumber(Args(session)[3]);
    int value = 0;
    if (auto* box = dynamic_cast<forms::CheckBox*>(&control)) value = box->Value();
    else if (auto* tabs = dynamic_cast<forms::TabControl*>(&control)) value = tabs->Tab();
    else throw NotHeld{control.Name() + " is a " + control.Kind() + ", which has no Value"};
    Check(value == expected, std::to_string(value));
}

void State(Session& session, const std::string& state) {
    if (Args(session).size() < 3) throw ActionFailed{"usage: expect " + state + " FORM.CONTROL ..."};
    std::string wrong;
    for (std::size_t i = 2; i < Args(session).size(); ++i) {
        std::string found;
        try {
            auto& control = ControlOf(Args(session)[i]);
            const bool holds = state == "enabled"    ? control.Enabled()
                               : state == "disabled" ? !control.Enabled()
                               : state == "visible"  ? control.Visible()
                                                     : !control.Visible();
            if (!holds) {
                const bool isState = state == "enabled" || state == "disabled";
                found = Args(session)[i].text + " is " +
                        (isState ? (control.Enabled() ? "enabled" : "disabled")
                                 : (control.Visible() ? "visible" : "invisible"));
            }
        } catch (const NotHeld& e) {
            found = e.found;
        }
        if (!found.empty()) wrong += (wrong.empty() ? "" : "; ") + found;
    }
    Check(wrong.empty(), wrong);
}

void Focus(Session& session) {
    NeedArgs(session, 1, "expect focus FORM.CONTROL");
    auto& control = ControlOf(Args(session)[2]);
    if (control.HasFocus()) return;
    forms::Control* active = control.Owner().ActiveControl();
    std::string where = "nothing";
    if (active != nullptr) {
        where = active->Name();
        if (active->Index() >= 0) where += "(" + std::to_string(active->Index()) + ")";
    }
    throw NotHeld{"the focus is on " + where};
}

void Backcolor(Session& session) {
    NeedArgs(session, 2, "expect backcolor FORM.CONTROL &HXXXXXX");
    auto& control = ControlOf(Args(session)[2]);
    std::string text = Args(session)[3].text;
    if (text.size() > 2 && (text.compare(0, 2, "&H") == 0 || text.compare(0, 2, "&h") == 0)) text.erase(0, 2);
    if (!text.empty() && text.back() == '&') text.pop_back();
    unsigned long colour = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), colour, 16);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        throw ActionFailed{"not a colour: " + Args(session)[3].text};
    Check(static_cast<unsigned long>(control.BackColor()) == colour, Hex(control.BackColor()));
}

void FormState(Session& session, const std::string& state) {
    NeedArgs(session, 1, "expect shown|hidden|unloaded FORM");
    ControlPath path = PathOf(Args(session)[2]);
    if (!path.control.empty()) throw ActionFailed{"a form is named here, not a control: " + Args(session)[2].text};
    if (!forms::App().HasScreen(path.form)) throw NotHeld{"there is no screen named " + path.form};
    forms::Form* form = LoadedForm(path.form);
    const std::string now = form == nullptr ? "unloaded" : form->Visible() ? "shown" : "hidden";
    Check(now == state, path.form + " is " + now);
}

void Pointer(Session& session) {
    NeedArgs(session, 1, "expect pointer N");
    const long long expected = WholeNumber(Args(session)[2]);
    Check(forms::App().MousePointer() == expected, std::to_string(forms::App().MousePointer()));
}

// --- what is stored and printed ---

void SqlExpectation(Session& session) {
    NeedArgs(session, 3, "expect sql main|id|\"FILE\" \"SELECT ...\" \"ROWS\"");
    if (!session.HasProgramFolder()) throw ActionFailed{"no program folder yet: the scenario must begin with fresh"};
    const Token& which = Args(session)[2];
    auto file = ScriptDatabasePath(which.text, which.quoted);
    if (!file) throw ActionFailed{"the database is main, id or a quoted file name, not " + which.text};
    std::string rows;
    try {
        rows = QueryText(*file, Args(session)[3].text);
    } catch (const std::runtime_error& e) {
        throw NotHeld{std::string("SQL error: ") + e.what()};
    }
    Check(rows == Args(session)[4].text, ScriptQuote(rows));
}

void Print(Session& session) {
    if (Args(session).size() < 3) throw ActionFailed{"usage: expect print \"Name=Value\" ..."};
    std::vector<std::string> expected;
    for (std::size_t i = 2; i < Args(session).size(); ++i) expected.push_back(Args(session)[i].text);
    auto documents = printing::PrintLog::FinishedDocuments();
    if (documents.empty()) throw NotHeld{"no document has been finished"};
    const auto& trace = documents.back().trace;
    if (FindRun(trace, expected) >= 0) return;
    NearestRun nearest = FindNearestRun(trace, expected);
    if (nearest.matched == 0)
        throw NotHeld{"the last document (" + std::to_string(trace.size()) + " stores) has no store " +
                      ScriptQuote(expected[0])};
    throw NotHeld{"the run breaks after " + std::to_string(nearest.matched) + " stores (from store " +
                  std::to_string(nearest.at + 1) + "): expected " + ScriptQuote(expected[nearest.matched]) +
                  ", the trace has " + (nearest.brokenBy.empty() ? "no more stores" : ScriptQuote(nearest.brokenBy))};
}

void PrintCount(Session& session, bool aborted) {
    NeedArgs(session, 1, aborted ? "expect aborted-count N" : "expect print-count N");
    const long long expected = WholeNumber(Args(session)[2]);
    long long count = 0;
    for (const auto& document : printing::PrintLog::Documents()) {
        const auto wanted = aborted ? printing::DocumentStatus::Aborted : printing::DocumentStatus::Finished;
        if (document.status == wanted) ++count;
    }
    Check(count == expected, std::to_string(count));
}

std::filesystem::path ExistingFile(Session& session, const std::string& name) {
    if (!session.HasProgramFolder()) throw ActionFailed{"no program folder yet: the scenario must begin with fresh"};
    auto path = ScriptFilePath(name);
    if (!std::filesystem::is_regular_file(path)) throw NotHeld{"no file " + name};
    return path;
}

void FileSize(Session& session) {
    NeedArgs(session, 2, "expect file \"NAME\" SIZE");
    const long long expected = WholeNumber(Args(session)[3]);
    auto size = std::filesystem::file_size(ExistingFile(session, Args(session)[2].text));
    Check(static_cast<long long>(size) == expected, std::to_string(size) + " bytes");
}

void Bytes(Session& session) {
    NeedArgs(session, 3, "expect bytes \"NAME\" OFFSET \"TEXT\"");
    const long long offset = WholeNumber(Args(session)[3]);
    const std::string& text = Args(session)[4].text;
    std::ifstream in(ExistingFile(session, Args(session)[2].text), std::ios::binary);
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (offset < 0 || static_cast<std::size_t>(offset) > content.size())
        throw NotHeld{"the file has " + std::to_string(content.size()) + " bytes"};
    std::string there = content.substr(static_cast<std::size_t>(offset), text.size());
    Check(there == text, ScriptQuote(there));
}

} // namespace

bool RunExpectation(Session& session) {
    if (Args(session)[0].text != "expect") return false;
    if (Args(session).size() < 2) throw ActionFailed{"usage: expect WHAT ..."};
    const std::string what = Args(session)[1].text;
    try {
        if (what == "msgbox") Msgbox(session, false);
        else if (what == "msgbox-starts") Msgbox(session, true);
        else if (what == "input") InputExpectation(session);
        else if (what == "no-dialog") NoDialog(session);
        else if (what == "text") Text(session);
        else if (what == "clipboard") ClipboardText(session);
        else if (what == "selection") Selection(session);
        else if (what == "caption") Caption(session);
        else if (what == "value") Value(session);
        else if (what == "enabled" || what == "disabled" || what == "visible" || what == "invisible")
            State(session, what);
        else if (what == "focus") Focus(session);
        else if (what == "backcolor") Backcolor(session);
        else if (what == "shown" || what == "hidden" || what == "unloaded") FormState(session, what);
        else if (what == "sql") SqlExpectation(session);
        else if (what == "print") Print(session);
        else if (what == "print-count") PrintCount(session, false);
        else if (what == "aborted-count") PrintCount(session, true);
        else if (what == "file") FileSize(session);
        else if (what == "bytes") Bytes(session);
        else if (what == "pointer") Pointer(session);
        else throw ActionFailed{"unknown expectation " + what};
    } catch (const NotHeld& e) {
        session.Fail(e.found);
    }
    return true;
}

} // namespace scenario
