#pragma once
#include <QPointF>

#include <functional>
#include <optional>

class QMouseEvent;

namespace forms {
class TextField;
}

namespace desktop {

class ControlView;

// The mouse in a window's fields, as in the platform's edit controls: a press
// puts the caret where it lands, moving with the left button held selects from
// there to the pointer, Shift+click selects from the caret to the click, a
// double-click selects the word, and a third press within the platform's
// double-click time and distance of it (a triple-click) the whole text, as
// does each later press within that time and distance of the one before it;
// the whole text stays selected however the pointer moves until the button
// is let go. Each step is a user action of its own on the field, so that the
// selection lives in the field; the line edit sees none of the mouse and
// never selects by itself. When the press did not land (a handler kept the
// focus or sent it elsewhere, or code rewrote the text as the focus came),
// the rest of that gesture does nothing.
class FieldMouse {
public:
    // Runs one user action (the window's, which does nothing once detached).
    using Act = std::function<void(const std::function<void()>&)>;

    // A press, double-click or move over the field at character `at` of what
    // it shows; the line edit never gets it.
    void Route(const ControlView& view, forms::TextField& field, int at, const QMouseEvent& event, const Act& act);
    // A press elsewhere in the window ends the gesture.
    void PressedElsewhere() {
        pressed_ = landed_ = nullptr;
        lastClick_.reset();
        wholeText_ = false;
    }

private:
    struct Click {
        QPointF where; // on the screen
        quint64 when;  // the event's time, in milliseconds
    };
    void Press(const ControlView& view, forms::TextField& field, int at, bool shift, const Act& act);
    // Within the platform's double-click time and distance of the gesture's
    // last click (its double-click, or a press that kept the whole text).
    bool SoonAfterLastClick(const QMouseEvent& event) const;

    const ControlView* pressed_ = nullptr; // where the gesture's press was
    const ControlView* landed_ = nullptr;  // the same, when its caret landed
    std::optional<Click> lastClick_;       // the gesture's double-click or later press, if it had one
    bool wholeText_ = false;               // a triple-click selected the whole text
};

} // namespace desktop
