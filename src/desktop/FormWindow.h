#pragma once
#include "desktop/FieldMouse.h"

#include <QMainWindow>
#include <QSize>

#include <functional>
#include <map>
#include <memory>
#include <string_view>
#include <vector>

class QKeyEvent;

namespace forms {
class Control;
class Form;
} // namespace forms

namespace desktop {

class ControlView;
class MenuBarView;

// The window of one loaded form: its caption, its place and size from the
// form's twips (kept on the screen), a widget per control at the control's
// twips, and the form's menus. A design larger than the screen is shown
// scaled down to fit, fonts too; when the form carries the screen-resizing
// placeholder, its controls scale with the window as the user resizes it. Every key, click and close of the window
// goes to the form through the forms runtime's user input.
class FormWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit FormWindow(forms::Form& form);
    ~FormWindow() override;

    forms::Form& Model() const { return form_; }

    // The form was unloaded: from now on the window never calls the form.
    void Detach();
    bool Detached() const { return detached_; }
    // Runs one user action against the form, unless it is gone.
    void Act(const std::function<void()>& action);

    void RefreshAll();
    // One control changed: its widget, and those standing in it.
    void RefreshControl(const forms::Control& control);
    void RefreshCaption();
    // Places the window as the form's Left, Top, Width and Height say.
    void ApplyGeometry();
    // Before the window shows: placed as the form says the first time;
    // shown again, it stands where it stood, wherever the user or the window
    // manager had put it, moved only as far as it must to bring its frame
    // whole onto the screen's work area.
    void PlaceForShowing();
    // Shows the model's focus on the control's widget.
    void ShowFocus(const forms::Control* control);

    ControlView* ViewOf(const forms::Control& control) const;
    // The widget of the control named so (null: none, or none shown).
    QWidget* WidgetNamed(std::string_view name, int index = -1) const;
    // The client size the form was designed for, in pixels.
    QSize DesignClientSize() const { return designClient_; }

    // Hidden, the window remembers where it stood.
    void setVisible(bool visible) override;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void BuildViews();
    void PlaceViews();
    void Place(ControlView& view);
    bool RouteInput(ControlView& view, QObject* watched, QEvent* event);
    // The menu bar from the keyboard: Alt pressed and released alone or F10
    // opens the first menu, Alt with a letter the menu whose caption has
    // that access key. True when the key went to the menus.
    bool MenuKey(const QKeyEvent& key);
    QSize ControlsExtent() const;
    bool FrameLeavesScreen() const;
    // The frame the window manager reports now around the client area (none
    // before it framed the window), and the window's outer rectangle with it.
    QMargins ReportedMargins() const;
    QRect ReportedFrame() const;
    // Whenever the window manager tells the window's frame or moves it, and
    // the window stands where the program last asked: a window not yet
    // hidden is placed again as its form says when the frame is not the one
    // allowed for or leaves the screen's work area; one shown again is moved
    // only as far as brings its frame whole onto the work area, so that it
    // stands where the user saw it.
    void KeepFrameOnScreen();
    // Asks for the client area to stand at `client`, as large.
    void AskFor(const QRect& client);
    // The window stands off where it was asked by the corner of its frame.
    bool OffByItsFrame() const;
    // Puts the window's outer rectangle, the frame allowed for, at `frame`.
    void PlaceFrame(const QRect& frame);
    void MoveOntoScreen();
    static bool CarriesResizer(const forms::Form& form);

    forms::Form& form_;
    QWidget* canvas_ = nullptr;
    // The form carries the screen-resizing placeholder: its controls scale
    // with the window.
    bool scalesWithWindow_;
    std::unique_ptr<MenuBarView> menus_;
    std::vector<std::unique_ptr<ControlView>> views_;
    std::map<const forms::Control*, ControlView*> byControl_;
    std::map<const QObject*, ControlView*> byWidget_;
    QSize designClient_;
    // The scale at which the design fits the screen (1: as designed), and
    // the frame that was allowed for around the window.
    double fitScale_ = 1.0;
    QMargins frame_;
    bool detached_ = false;
    // Where the client area stood on the screen when the window was last
    // hidden (empty: never hidden), read from the display itself: a window
    // manager may have moved it from where it was asked to stand.
    QRect stood_;
    // Where the program last asked the client area to stand, and how large;
    // standing elsewhere, the window was moved or resized by the user.
    QRect asked_;
    bool askedAgain_ = false;
    bool altAlone_ = false; // Alt is down and no other key came since
    FieldMouse fieldMouse_;
};

} // namespace desktop
