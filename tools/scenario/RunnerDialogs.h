#pragma once
#include "platform/forms/Dialogs.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace scenario {

// The boxes of a scenario: answered from the script's queues (message boxes
// and input boxes each have their own), recorded with the script line whose
// action brought them up, and checked off by the expectations.
class RunnerDialogs : public forms::Dialogs {
public:
    struct Box {
        bool isInput = false;
        std::string prompt;
        int style = 0;
        std::string title;
        std::string defaultText;
        int shownAtLine = -1; // index of the script line whose action showed it
        bool checked = false;
    };
    struct QueuedAnswer {
        int button = 0;                   // message boxes
        std::optional<std::string> input; // input boxes: nothing means Cancel
        int queuedAtLine = -1;
        std::string written; // as the script wrote it, for reports
    };

    void SetCurrentLine(int lineIndex) { currentLine_ = lineIndex; }

    void QueueMsgBoxAnswer(QueuedAnswer answer) { msgAnswers_.push_back(std::move(answer)); }
    void QueueInputAnswer(QueuedAnswer answer) { inputAnswers_.push_back(std::move(answer)); }

    std::vector<Box>& Boxes() { return boxes_; }
    // The oldest box of that kind not yet checked, or null.
    Box* OldestUnchecked(bool isInput);
    std::vector<QueuedAnswer> UnusedAnswers() const;

    // Answers that did not fit the box they met, since the last call.
    std::vector<std::string> TakeMisfits();

    int MsgBox(const std::string& prompt, int style, const std::string& title) override;
    std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;

private:
    int currentLine_ = -1;
    std::deque<QueuedAnswer> msgAnswers_;
    std::deque<QueuedAnswer> inputAnswers_;
    std::vector<Box> boxes_;
    std::vector<std::string> misfits_;
};

// "OK", "Cancel", "Yes", "No" and back; 0 / "" for anything else.
int ButtonNamed(const std::string& name);
std::string NameOfButton(int button);

} // namespace scenario
