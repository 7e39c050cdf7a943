#include "desktop/FormWindow.h"

#include "desktop/ControlView.h"
#include "desktop/KeyTranslation.h"
#include "desktop/MenuBarView.h"
#include "desktop/ScreenUnits.h"
#include "desktop/UserActions.h"
#include "desktop/ViewFactory.h"
#include "desktop/WindowPlacement.h"
#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "platform/forms/Keys.h"
#include "platform/forms/TextField.h"
#include "platform/forms/UserInput.h"

#include <QApplication>
#include <QCloseEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>

namespace desktop {
namespace {

// The borders and title bar a window manager adds, as the screens' outer
// sizes count them (8 by 30 pixels: 120 by 450 twips).
const QMargins kWindowFrame(4, 26, 4, 4);
constexpr int kExtentMargin = 4;
constexpr double kSmallestFontPoints = 6.0;

// The screens were laid out in twips for the system's small sans-serif font
// (8 points); Liberation Sans has the metrics of its successor, so captions
// fit the widths they were given.
QFont ScreensFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.0);
    return font;
}

QRect AvailableScreen(const QWidget& window) {
    QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

bool IsNavigationKey(int code) {
    return code == forms::vbKeyTab || code == forms::vbKeyReturn || code == forms::vbKeyEscape;
}

} // namespace

FormWindow::FormWindow(forms::Form& form) : form_(form), scalesWithWindow_(CarriesResizer(form)) {
    // The canvas is made once every member holds its value: adding a child
    // already sends this window an event.
    canvas_ = new QWidget(this);
    setObjectName(ToQt(form.Name()));
    setFont(ScreensFont());
    setCentralWidget(canvas_);
    canvas_->installEventFilter(this);
    menus_ = std::make_unique<MenuBarView>(form, *this, *menuBar());
    menuBar()->setVisible(!menus_->Empty());
    BuildViews();
    RefreshAll();
    ApplyGeometry();
}

FormWindow::~FormWindow() {
    detached_ = true;
    // The widgets go before the views their signals reach.
    delete menuWidget();
    delete takeCentralWidget();
}

void FormWindow::BuildViews() {
    for (forms::Control* control : form_.Controls()) {
        std::unique_ptr<ControlView> view = MakeView(*control, *this, canvas_);
        if (!view) continue;
        byControl_[control] = view.get();
        for (QWidget* input : view->InputWidgets()) {
            byWidget_[input] = view.get();
            input->installEventFilter(this);
        }
        views_.push_back(std::move(view));
    }
}

void FormWindow::Detach() {
    detached_ = true;
    hide();
}

void FormWindow::Act(const std::function<void()>& action) {
    if (detached_) return;
    RunUserAction(action);
}

void FormWindow::RefreshAll() {
    if (detached_) return;
    RefreshCaption();
    menus_->RefreshAll();
    for (auto& view : views_) view->Refresh();
    PlaceViews();
}

void FormWindow::RefreshControl(const forms::Control& control) {
    if (detached_) return;
    if (menus_->Shows(control)) {
        menus_->Refresh(control);
        return;
    }
    ControlView* view = ViewOf(control);
    if (view == nullptr) return;
    view->Refresh();
    Place(*view);
    if (view->ChildArea() == nullptr) return;
    // Pages, visibility and position of a container reach what stands in it.
    for (auto& other : views_) {
        for (const forms::Control* up = other->Model().Container(); up != nullptr; up = up->Container()) {
            if (up == &control) {
                other->Refresh();
                break;
            }
        }
    }
}

void FormWindow::RefreshCaption() {
    if (!detached_) setWindowTitle(ToQt(form_.Caption()));
}

void FormWindow::ApplyGeometry() {
    if (detached_) return;
    stood_ = QRect(); // placed anew, as the form says
    const QRect outer = PixelRect(form_.Left(), form_.Top(), form_.Width(), form_.Height());
    const int menuBarHeight = menus_->Empty() ? 0 : menuBar()->sizeHint().height();
    designClient_ = ClientSize(outer.size(), WindowChrome{kWindowFrame, menuBarHeight}, ControlsExtent());
    // A design larger than the screen is shown whole, scaled down: the
    // window with its frame fits the screen's work area.
    frame_ = FrameAround(ReportedFrame(), geometry(), kWindowFrame);
    const QRect available = AvailableScreen(*this);
    const QSize room(available.width() - frame_.left() - frame_.right(),
                     available.height() - frame_.top() - frame_.bottom() - menuBarHeight);
    fitScale_ = FitScale(designClient_, room);
    const QSize client(static_cast<int>(designClient_.width() * fitScale_),
                       static_cast<int>(designClient_.height() * fitScale_) + menuBarHeight);
    const QRect wanted(outer.topLeft(), client.grownBy(frame_));
    PlaceFrame(ClampToScreen(wanted, available));
    PlaceViews();
}

void FormWindow::PlaceFrame(const QRect& frame) {
    // The client goes where the frame allowed for puts it, asked for as the
    // client's own place from the first showing on: a window manager then
    // keeps the client there and draws its frame around it, within the
    // allowance. (Asked for the frame's place before it is up, the window
    // is framed there, its client pushed down by the title bar; Qt keeps
    // asking so for that window, from frame margins it may not know yet.)
    AskFor(frame.marginsRemoved(frame_));
}

void FormWindow::PlaceForShowing() {
    if (stood_.isEmpty()) {
        ApplyGeometry();
        return;
    }
    AskFor(stood_);
    if (FrameLeavesScreen()) MoveOntoScreen();
}

void FormWindow::MoveOntoScreen() {
    // From where the user or the window manager left it, not from where the
    // form asked to stand: the least move that brings it whole on the screen.
    frame_ = FrameAround(ReportedFrame(), geometry(), kWindowFrame);
    const QRect frame = geometry().marginsAdded(frame_);
    const QRect placed = ClampToScreen(frame, AvailableScreen(*this));
    if (placed.size() != frame.size()) {
        ApplyGeometry(); // no longer fits as it is: scaled anew
        return;
    }
    PlaceFrame(placed);
}

bool FormWindow::FrameLeavesScreen() const { return !AvailableScreen(*this).contains(ReportedFrame()); }

QMargins FormWindow::ReportedMargins() const {
    // Asked of the window itself: the widget keeps the frame it last heard
    // of until the window next moves or resizes, and the window manager may
    // tell a frame without either.
    const QWindow* handle = windowHandle();
    return handle != nullptr ? handle->frameMargins() : QMargins();
}

QRect FormWindow::ReportedFrame() const { return geometry().marginsAdded(ReportedMargins()); }

void FormWindow::AskFor(const QRect& client) {
    asked_ = client;
    askedAgain_ = false;
    setGeometry(client);
}

bool FormWindow::OffByItsFrame() const {
    const QMargins told = ReportedMargins();
    const QPoint off = geometry().topLeft() - asked_.topLeft(), titleCorner(told.left(), told.top());
    return size() == asked_.size() && !titleCorner.isNull() && (off == titleCorner || off == -titleCorner);
}

void FormWindow::KeepFrameOnScreen() {
    if (detached_ || !isVisible()) return;
    if (geometry() != asked_) {
        // A window manager framing a window anew may hand it back where its
        // frame, not its client, was asked to stand: asked for again, once,
        // and looked at from there. Otherwise the user moved or resized it,
        // and it stands.
        if (!OffByItsFrame() || askedAgain_) return;
        askedAgain_ = true;
        setGeometry(asked_);
    }
    const bool frameTold = FrameAround(ReportedFrame(), geometry(), kWindowFrame) != frame_;
    if (stood_.isEmpty() && (frameTold || FrameLeavesScreen())) {
        ApplyGeometry();
    } else if (FrameLeavesScreen()) {
        MoveOntoScreen();
    }
}

void FormWindow::setVisible(bool visible) {
    if (!visible && isVisible()) stood_ = QRect(mapToGlobal(QPoint(0, 0)), size());
    QMainWindow::setVisible(visible);
}

bool FormWindow::event(QEvent* event) {
    const QEvent::Type type = event->type();
    // The deferred delete deletes this window inside the call: nothing of
    // it may be read after that.
    if (type == QEvent::DeferredDelete) return QMainWindow::event(event);
    const bool handled = QMainWindow::event(event);
    if (type == QEvent::Move) KeepFrameOnScreen();
    // The window manager frames a window before it puts it up; the frame
    // may come with no move or resize of the window, so the window's
    // exposure is watched as well.
    if (type == QEvent::Show && windowHandle() != nullptr) windowHandle()->installEventFilter(this);
    return handled;
}

QSize FormWindow::ControlsExtent() const {
    QSize extent(0, 0);
    for (const auto& view : views_) {
        const forms::Control& c = view->Model();
        if (view->Widget() == nullptr || c.Container() != nullptr || !c.Visible()) continue;
        const QRect r = PixelRect(c.Left(), c.Top(), c.Width(), c.Height());
        extent = extent.expandedTo(QSize(r.right() + 1 + kExtentMargin, r.bottom() + 1 + kExtentMargin));
    }
    return extent;
}

bool FormWindow::CarriesResizer(const forms::Form& form) {
    return std::any_of(form.Controls().begin(), form.Controls().end(),
                       [](const forms::Control* c) { return c->Kind() == "ResizeControl"; });
}

void FormWindow::PlaceViews() {
    for (auto& view : views_) Place(*view);
}

void FormWindow::Place(ControlView& view) {
    QWidget* widget = view.Widget();
    if (widget == nullptr) return;
    const forms::Control& c = view.Model();
    QWidget* parent = canvas_;
    if (c.Container() != nullptr) {
        if (ControlView* container = ViewOf(*c.Container()); container && container->ChildArea()) {
            parent = container->ChildArea();
        }
    }
    if (widget->parentWidget() != parent) {
        widget->setParent(parent);
        view.Refresh(); // a new parent hides the widget
    }
    double sx = fitScale_, sy = fitScale_;
    if (scalesWithWindow_ && designClient_.width() > 0 && designClient_.height() > 0) {
        sx = static_cast<double>(canvas_->width()) / designClient_.width();
        sy = static_cast<double>(canvas_->height()) / designClient_.height();
    }
    if (sx != 1.0 || sy != 1.0 || widget->testAttribute(Qt::WA_SetFont)) {
        QFont font = ScreensFont();
        font.setPointSizeF(std::max(kSmallestFontPoints, font.pointSizeF() * std::min(sx, sy)));
        widget->setFont(font);
    }
    const QRect r = PixelRect(c.Left(), c.Top(), c.Width(), c.Height());
    widget->setGeometry(static_cast<int>(r.x() * sx), static_cast<int>(r.y() * sy),
                        std::max(1, static_cast<int>(r.width() * sx)), std::max(1, static_cast<int>(r.height() * sy)));
    if (view.StaysBehind()) widget->lower();
}

void FormWindow::ShowFocus(const forms::Control* control) {
    if (detached_ || control == nullptr || !isVisible()) return;
    if (ControlView* view = ViewOf(*control)) view->ShowFocus();
}

ControlView* FormWindow::ViewOf(const forms::Control& control) const {
    auto it = byControl_.find(&control);
    return it == byControl_.end() ? nullptr : it->second;
}

QWidget* FormWindow::WidgetNamed(std::string_view name, int index) const {
    if (detached_) return nullptr;
    forms::Control* control = form_.ControlByName(name, index);
    ControlView* view = control != nullptr ? ViewOf(*control) : nullptr;
    return view != nullptr ? view->Widget() : nullptr;
}

void FormWindow::closeEvent(QCloseEvent* event) {
    if (detached_) {
        event->accept();
        return;
    }
    // The form decides: its unload may be cancelled. The window goes when
    // the form is unloaded.
    event->ignore();
    Act([this] { forms::user::CloseWindow(form_); });
}

bool FormWindow::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
    // Under X a window manager tells the frame as a property of the window,
    // with no move of it when it keeps the client where it stands; the
    // frame is looked at once Qt has taken the property in.
    constexpr std::uint8_t kSentFlag = 0x80;
    if (eventType == "xcb_generic_event_t" &&
        (static_cast<const xcb_generic_event_t*>(message)->response_type & ~kSentFlag) == XCB_PROPERTY_NOTIFY) {
        QMetaObject::invokeMethod(
            this, [this] { KeepFrameOnScreen(); }, Qt::QueuedConnection);
    }
    return QMainWindow::nativeEvent(eventType, message, result);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (detached_) return false;
    if (watched == windowHandle()) {
        if (event->type() == QEvent::Expose) KeepFrameOnScreen();
        return false;
    }
    if (watched == canvas_) {
        if (event->type() == QEvent::Resize) PlaceViews();
        return false;
    }
    auto it = byWidget_.find(watched);
    if (it == byWidget_.end()) return false;
    return RouteInput(*it->second, watched, event);
}

bool FormWindow::MenuKey(const QKeyEvent& key) {
    const bool press = key.type() == QEvent::KeyPress;
    if (key.key() == Qt::Key_Alt) {
        if (press) {
            if (!key.isAutoRepeat()) altAlone_ = true;
            return false;
        }
        const bool alone = altAlone_;
        altAlone_ = false;
        return alone && menus_->OpenFirst();
    }
    if (!press) return false;
    altAlone_ = false;
    const Qt::KeyboardModifiers mods = key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (key.key() == Qt::Key_F10 && mods == Qt::NoModifier) return menus_->OpenFirst();
    if (mods == Qt::AltModifier && key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z) {
        return menus_->OpenByAccessKey(QChar(static_cast<char16_t>('A' + (key.key() - Qt::Key_A))));
    }
    return false;
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    if (!detached_ && MenuKey(*event)) return;
    QMainWindow::keyPressEvent(event);
}

void FormWindow::keyReleaseEvent(QKeyEvent* event) {
    if (!detached_ && MenuKey(*event)) return;
    QMainWindow::keyReleaseEvent(event);
}

bool FormWindow::RouteInput(ControlView& view, QObject* watched, QEvent* event) {
    forms::Control& control = view.Model();
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) &&
        MenuKey(*static_cast<QKeyEvent*>(event))) {
        return true;
    }
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (IsShiftTab(key)) {
            Act([&control] { forms::user::PressShiftTab(control); });
            return true;
        }
        if (view.TakesEditKeys()) {
            if (const auto edit = EditKeyOf(key)) {
                Act([&control, edit] { forms::user::PressKeyCode(control, edit->keyCode, edit->shift); });
                return true;
            }
        }
        const int code = KeyCodeOf(key);
        if (!view.TakesAllKeys() && !IsNavigationKey(code)) return false;
        if (code != 0) Act([&control, code] { forms::user::PressKey(control, code); });
        return true;
    }
    case QEvent::KeyRelease: return view.TakesAllKeys();
    case QEvent::InputMethod: {
        const std::string committed = static_cast<QInputMethodEvent*>(event)->commitString().toStdString();
        if (!committed.empty()) Act([&control, committed] { forms::user::TypeKeys(control, committed); });
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        const auto& mouse = *static_cast<QMouseEvent*>(event);
        auto* field = dynamic_cast<forms::TextField*>(&control);
        if (const auto at = view.CharacterAt(mouse.position().toPoint()); field != nullptr && at) {
            fieldMouse_.Route(view, *field, *at, mouse, [this](const auto& action) { Act(action); });
            return true;
        }
        if (event->type() == QEvent::MouseMove) return false;
        fieldMouse_.PressedElsewhere();
        if (view.OnPress() == ControlView::Press::WidgetOnly) return false;
        if (!control.HasFocus()) Act([&control] { forms::user::FocusByMouse(control); });
        return view.OnPress() == ControlView::Press::FocusOnly;
    }
    case QEvent::MouseButtonRelease:
        if (view.ClicksOnRelease() &&
            static_cast<QWidget*>(watched)->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
            Act([&control] { forms::user::Click(control); });
            return true;
        }
        return view.OnPress() == ControlView::Press::FocusOnly;
    default: return false;
    }
}

} // namespace desktop
