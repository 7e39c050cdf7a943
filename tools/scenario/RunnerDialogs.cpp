#include "RunnerDialogs.h"

#include <array>
#include <utility>

namespace scenario {
namespace {

const std::array<std::pair<const char*, int>, 4> kButtons = {{
    {"OK", forms::vbOK},
    {"Cancel", forms::vbCancel},
    {"Yes", forms::vbYes},
    {"No", forms::vbNo},
}};

} // namespace

int ButtonNamed(const std::string& name) {
    for (const auto& [text, button] : kButtons)
        if (name == text) return button;
    return 0;
}

std::string NameOfButton(int button) {
    for (const auto& [text, code] : kButtons)
        if (code == button) return text;
    return std::to_string(button);
}

RunnerDialogs::Box* RunnerDialogs::OldestUnchecked(bool isInput) {
    for (auto& box : boxes_)
        if (!box.checked && box.isInput == isInput) return &box;
    return nullptr;
}

std::vector<RunnerDialogs::QueuedAnswer> RunnerDialogs::UnusedAnswers() const {
    std::vector<QueuedAnswer> unused(msgAnswers_.begin(), msgAnswers_.end());
    unused.insert(unused.end(), inputAnswers_.begin(), inputAnswers_.end());
    return unused;
}

std::vector<std::string> RunnerDialogs::TakeMisfits() { return std::exchange(misfits_, {}); }

int RunnerDialogs::MsgBox(const std::string& prompt, int style, const std::string& title) {
    boxes_.push_back(Box{false, prompt, style, title, "", currentLine_, false});
    if (msgAnswers_.empty()) return forms::DefaultButtonOf(style);

    QueuedAnswer answer = std::move(msgAnswers_.front());
    msgAnswers_.pop_front();
    if (!forms::StyleOffers(style, answer.button)) {
        // The box is answered with its default button so the handler can
        // finish; the line still fails.
        misfits_.push_back("answer " + answer.written + " does not fit the box \"" + prompt + "\" (style " +
                           std::to_string(style) + "); it was answered " + NameOfButton(forms::DefaultButtonOf(style)));
        return forms::DefaultButtonOf(style);
    }
    return answer.button;
}

std::optional<std::string> RunnerDialogs::InputBox(const std::string& prompt, const std::string& title,
                                                   const std::string& defaultText) {
    boxes_.push_back(Box{true, prompt, 0, title, defaultText, currentLine_, false});
    if (inputAnswers_.empty()) return defaultText;

    QueuedAnswer answer = std::move(inputAnswers_.front());
    inputAnswers_.pop_front();
    return answer.input;
}

} // namespace scenario
