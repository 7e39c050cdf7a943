#pragma once
#include "platform/forms/Dialogs.h"

#include <memory>
#include <optional>
#include <string>

class QMessageBox;
class QWidget;

namespace desktop {

// The screens' message and input boxes as real modal Qt dialogs over the
// active window.
class QtDialogs : public forms::Dialogs {
public:
    int MsgBox(const std::string& prompt, int style, const std::string& title) override;
    std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
};

// A message box set up as the style asks: its buttons in the style's order,
// its icon, its default button, and Escape and the close box answering only
// where the style offers Cancel (or OK alone); elsewhere they do nothing.
std::unique_ptr<QMessageBox> MakeMessageBox(const std::string& prompt, int style, const std::string& title,
                                            QWidget* parent = nullptr);

// The answer code (vbOK, vbYes...) of the button the user pressed; a box
// closed without one answers Cancel when it offers Cancel, else its first
// button.
int AnswerOf(const QMessageBox& box, int style);

} // namespace desktop
