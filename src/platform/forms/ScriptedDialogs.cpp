#include "platform/forms/ScriptedDialogs.h"

namespace forms {

ScriptedDialogs::ScriptedDialogs(WhenUnscripted whenUnscripted) : whenUnscripted_(whenUnscripted) {}

void ScriptedDialogs::AnswerMsgBox(int button) { answers_.emplace_back(button); }
void ScriptedDialogs::AnswerInputBox(const std::string& text) { answers_.emplace_back(text); }
void ScriptedDialogs::CancelInputBox() { answers_.emplace_back(Cancelled{}); }

const DialogRecord& ScriptedDialogs::LastBox() const {
    if (boxes_.empty()) throw std::out_of_range("no box has been shown");
    return boxes_.back();
}

void ScriptedDialogs::Clear() {
    answers_.clear();
    boxes_.clear();
    failures_.clear();
}

void ScriptedDialogs::Fail(const std::string& what) {
    failures_.push_back(what);
    throw UnexpectedDialog(what);
}

int ScriptedDialogs::MsgBox(const std::string& prompt, int style, const std::string& title) {
    DialogRecord box;
    box.kind = DialogRecord::Kind::Message;
    box.prompt = prompt;
    box.style = style;
    box.title = title;
    if (answers_.empty()) {
        box.scripted = false;
        box.button = DefaultButtonOf(style);
        boxes_.push_back(box);
        if (whenUnscripted_ == WhenUnscripted::Fail) Fail("unexpected message box \"" + prompt + "\" (" + title + ")");
        return box.button;
    }
    Answer answer = answers_.front();
    answers_.pop_front();
    const int* button = std::get_if<int>(&answer);
    if (button == nullptr || !StyleOffers(style, *button)) {
        box.scripted = false;
        box.button = DefaultButtonOf(style);
        boxes_.push_back(box);
        Fail("the answer queued does not fit message box \"" + prompt + "\" (style " + std::to_string(style) + ")");
    }
    box.button = *button;
    boxes_.push_back(box);
    return box.button;
}

std::optional<std::string> ScriptedDialogs::InputBox(const std::string& prompt, const std::string& title,
                                                     const std::string& defaultText) {
    DialogRecord box;
    box.kind = DialogRecord::Kind::Input;
    box.prompt = prompt;
    box.title = title;
    box.defaultText = defaultText;
    if (answers_.empty()) {
        box.scripted = false;
        box.input = defaultText;
        boxes_.push_back(box);
        if (whenUnscripted_ == WhenUnscripted::Fail) Fail("unexpected input box \"" + prompt + "\" (" + title + ")");
        return box.input;
    }
    Answer answer = answers_.front();
    answers_.pop_front();
    if (std::holds_alternative<int>(answer)) {
        box.scripted = false;
        box.input = defaultText;
        boxes_.push_back(box);
        Fail("a message box answer was queued for input box \"" + prompt + "\"");
    }
    if (const auto* text = std::get_if<std::string>(&answer)) box.input = *text;
    boxes_.push_back(box);
    return box.input;
}

} // namespace forms
