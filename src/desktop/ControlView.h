#pragma once
#include <QPalette>
#include <QString>

#include <optional>
#include <string>
#include <vector>

class QPoint;
class QWidget;

namespace forms {
class Control;
}

namespace desktop {

class FormWindow;

// The widget that shows one control of a form. The control is the truth:
// Refresh brings the widget in step with every property of the control, and
// what the user does to the widget goes to the control through the forms
// runtime's user input (via the window), never straight into the widget.
class ControlView {
public:
    ControlView(forms::Control& control, FormWindow& window);
    virtual ~ControlView();
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;

    forms::Control& Model() const { return control_; }
    FormWindow& Window() const { return window_; }
    // Null for kinds that show nothing while the program runs.
    QWidget* Widget() const { return widget_; }
    // Where the controls that stand in this one go (frames, tab controls).
    virtual QWidget* ChildArea() const { return nullptr; }

    // Enabled, visible, tool tip and colours; kinds add their own content.
    virtual void Refresh();
    // The control got the focus in the model.
    virtual void ShowFocus();

    // How the window routes the user's input to this control.
    // Keys: every key goes to the model (fields, buttons), or only Tab,
    // Enter and Escape while the widget moves through its own list.
    virtual bool TakesAllKeys() const { return true; }
    // What a mouse press does: nothing of the window's own (buttons and
    // check boxes report their click), focus the control through the model
    // and stop there (fields: the model places what is typed), or focus it
    // and let the widget go on (lists, tabs).
    enum class Press { WidgetOnly, FocusOnly, FocusThenWidget };
    virtual Press OnPress() const { return Press::WidgetOnly; }
    // Keys that are no characters (arrows, Home, End, Delete, clipboard
    // chords) go to the model as key codes (fields).
    virtual bool TakesEditKeys() const { return false; }
    // The character position a press at `point` lands before (fields).
    virtual std::optional<int> CharacterAt(const QPoint& /*point*/) const { return std::nullopt; }
    // A release of the mouse over it is a click for the model (labels, frames).
    virtual bool ClicksOnRelease() const { return false; }
    // The widgets that receive the user's keys and mouse for this control.
    virtual std::vector<QWidget*> InputWidgets() const;
    // Drawn behind the other controls of its container (labels).
    virtual bool StaysBehind() const { return false; }

protected:
    void SetWidget(QWidget* widget);
    // The palette role the control's BackColor paints.
    virtual QPalette::ColorRole BackRole() const { return QPalette::Window; }
    virtual QPalette::ColorRole ForeRole() const { return QPalette::WindowText; }
    // The colour number the background shows: the control's BackColor.
    virtual long ShownBackColor() const;

private:
    void ApplyColours();

    forms::Control& control_;
    FormWindow& window_;
    QWidget* widget_ = nullptr;
};

// A caption as a label or frame shows it: "&" marks an access key and is not
// shown, "&&" shows one "&".
QString CaptionWithoutAccessKeys(const std::string& caption);

// A model text for a widget (the program keeps UTF-8).
inline QString ToQt(const std::string& text) { return QString::fromStdString(text); }

} // namespace desktop
