#pragma once
#include "platform/forms/Dialogs.h"

#include <deque>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace forms {

// A box that came up with no answer queued for it (or with an answer that
// does not fit it) in a script that demands answers for every box.
class UnexpectedDialog : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// One box as the user saw it, and how it was answered.
struct DialogRecord {
    enum class Kind { Message, Input };
    Kind kind = Kind::Message;
    std::string prompt;
    int style = 0;                    // message boxes only
    std::string title;                // as shown: an empty title shows the application title
    std::string defaultText;          // input boxes only
    int button = 0;                   // message boxes: the answer given
    std::optional<std::string> input; // input boxes: the text given, nothing when cancelled
    bool scripted = true;             // false when answered by the default button
};

// Answers boxes from a queue, in order, and records every box.
class ScriptedDialogs : public Dialogs {
public:
    // What a box does when no answer is queued: fail (throw UnexpectedDialog)
    // as tests want, or take the box's default button as the scenario runner
    // wants (OK with the default text for an input box).
    enum class WhenUnscripted { Fail, DefaultButton };

    explicit ScriptedDialogs(WhenUnscripted whenUnscripted = WhenUnscripted::Fail);

    void AnswerMsgBox(int button);                // vbOK, vbCancel, vbYes, vbNo...
    void AnswerInputBox(const std::string& text); // OK with this text
    void CancelInputBox();

    const std::vector<DialogRecord>& Boxes() const { return boxes_; }
    const DialogRecord& LastBox() const; // throws std::out_of_range when none
    std::size_t PendingAnswers() const { return answers_.size(); }
    // Boxes that failed (also thrown as UnexpectedDialog when Fail is chosen).
    const std::vector<std::string>& Failures() const { return failures_; }
    void Clear();

    int MsgBox(const std::string& prompt, int style, const std::string& title) override;
    std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;

private:
    struct Cancelled {};
    using Answer = std::variant<int, std::string, Cancelled>;
    [[noreturn]] void Fail(const std::string& what);

    WhenUnscripted whenUnscripted_;
    std::deque<Answer> answers_;
    std::vector<DialogRecord> boxes_;
    std::vector<std::string> failures_;
};

} // namespace forms
