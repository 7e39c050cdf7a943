#pragma once
#include <optional>
#include <string>

namespace forms {

// Message box styles (add them up: vbYesNo + vbQuestion = 36).
constexpr int vbOKOnly = 0;
constexpr int vbOKCancel = 1;
constexpr int vbAbortRetryIgnore = 2;
constexpr int vbYesNoCancel = 3;
constexpr int vbYesNo = 4;
constexpr int vbRetryCancel = 5;
constexpr int vbCritical = 16;
constexpr int vbQuestion = 32;
constexpr int vbExclamation = 48;
constexpr int vbInformation = 64;
constexpr int vbDefaultButton2 = 256;
constexpr int vbDefaultButton3 = 512;

// Message box answers.
constexpr int vbOK = 1;
constexpr int vbCancel = 2;
constexpr int vbAbort = 3;
constexpr int vbRetry = 4;
constexpr int vbIgnore = 5;
constexpr int vbYes = 6;
constexpr int vbNo = 7;

// Modal message and input boxes. The desktop shows real boxes; tests and the
// scenario runner answer from a script. The title passed in is the one the
// user sees: an empty title has already been replaced by the application's.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual int MsgBox(const std::string& prompt, int style, const std::string& title) = 0;
    // The typed text, or nothing when the user cancelled.
    virtual std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                                const std::string& defaultText) = 0;
};

// The buttons a style offers, in order, and the one that is the default.
int ButtonCount(int style);
int ButtonOf(int style, int position); // answer code of button `position` (0-based)
int DefaultButtonOf(int style);        // answer code of the default button
bool StyleOffers(int style, int answer);

// What screen code calls; both go through the application's Dialogs and raise
// no focus events. An empty title shows the application title.
int MsgBox(const std::string& prompt, int style = vbOKOnly, const std::string& title = "");
std::optional<std::string> InputBox(const std::string& prompt, const std::string& title = "",
                                    const std::string& defaultText = "");

} // namespace forms
