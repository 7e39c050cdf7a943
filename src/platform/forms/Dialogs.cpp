#include "platform/forms/Dialogs.h"

#include "platform/forms/Application.h"

#include <array>
#include <vector>

namespace forms {
namespace {

// The buttons of each button group (style & 7), left to right.
const std::array<std::vector<int>, 6> kButtons = {{
    {vbOK},           // vbOKOnly
    {vbOK, vbCancel}, // vbOKCancel
    {vbAbort, vbRetry, vbIgnore},
    {vbYes, vbNo, vbCancel}, // vbYesNoCancel
    {vbYes, vbNo},           // vbYesNo
    {vbRetry, vbCancel},     // vbRetryCancel
}};

const std::vector<int>& ButtonsOf(int style) {
    int group = style & 7;
    return kButtons[group < 6 ? static_cast<std::size_t>(group) : 0];
}

} // namespace

int ButtonCount(int style) { return static_cast<int>(ButtonsOf(style).size()); }

int ButtonOf(int style, int position) {
    const auto& buttons = ButtonsOf(style);
    if (position < 0 || position >= static_cast<int>(buttons.size())) return buttons.front();
    return buttons[static_cast<std::size_t>(position)];
}

int DefaultButtonOf(int style) { return ButtonOf(style, (style >> 8) & 3); }

bool StyleOffers(int style, int answer) {
    for (int b : ButtonsOf(style)) {
        if (b == answer) return true;
    }
    return false;
}

int MsgBox(const std::string& prompt, int style, const std::string& title) {
    return App().GetDialogs().MsgBox(prompt, style, title.empty() ? App().Title() : title);
}

std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                    const std::string& defaultText) {
    return App().GetDialogs().InputBox(prompt, title.empty() ? App().Title() : title, defaultText);
}

} // namespace forms
