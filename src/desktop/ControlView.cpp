#include "desktop/ControlView.h"

#include "desktop/Colours.h"
#include "platform/forms/Control.h"
#include "platform/forms/Keys.h"
#include "platform/forms/TabControl.h"

#include <QApplication>
#include <QWidget>

namespace desktop {

ControlView::ControlView(forms::Control& control, FormWindow& window) : control_(control), window_(window) {}

ControlView::~ControlView() = default;

void ControlView::SetWidget(QWidget* widget) {
    widget_ = widget;
    widget_->setObjectName(ToQt(control_.Name()));
    // The focus moves only when the model moves it.
    widget_->setFocusPolicy(Qt::NoFocus);
}

void ControlView::Refresh() {
    if (widget_ == nullptr) return;
    bool shown = control_.Visible();
    if (auto* tabs = dynamic_cast<forms::TabControl*>(control_.Container())) {
        shown = shown && control_.ContainerPage() == tabs->Tab();
    }
    widget_->setVisible(shown);
    widget_->setEnabled(control_.Enabled());
    widget_->setToolTip(ToQt(control_.ToolTipText()));
    ApplyColours();
}

std::vector<QWidget*> ControlView::InputWidgets() const {
    if (widget_ == nullptr) return {};
    return {widget_};
}

void ControlView::ShowFocus() {
    if (widget_ == nullptr) return;
    // Qt's styles draw the focus of check boxes and buttons only once the
    // window has seen a keyboard focus move (Qt's own Tab), and here every
    // move comes from the model instead. Without the mark a user who pressed
    // Enter in a field cannot see that the focus went on to a check box, and
    // the keys typed next seem lost.
    widget_->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    widget_->setFocus(Qt::OtherFocusReason);
    widget_->update();
}

long ControlView::ShownBackColor() const { return control_.BackColor(); }

void ControlView::ApplyColours() {
    const QPalette system = QApplication::palette();
    QPalette palette = widget_->palette();
    const QPalette::ColorRole back = BackRole();
    // A caption-like control left at the window colour keeps the window's
    // own background, as the screens were drawn.
    const long backColor = ShownBackColor();
    const bool paintsBack = back != QPalette::Window || backColor != forms::vbWindowBackground;
    if (paintsBack) palette.setColor(back, QtColour(backColor, system));
    // The text colour holds while the control is enabled; a disabled one
    // keeps the style's greyed text, so that it looks disabled.
    const QColor fore = QtColour(control_.ForeColor(), system);
    palette.setColor(QPalette::Active, ForeRole(), fore);
    palette.setColor(QPalette::Inactive, ForeRole(), fore);
    palette.setColor(QPalette::Disabled, ForeRole(), system.color(QPalette::Disabled, ForeRole()));
    widget_->setPalette(palette);
    widget_->setAutoFillBackground(back == QPalette::Window && paintsBack);
}

QString CaptionWithoutAccessKeys(const std::string& caption) {
    std::string shown;
    shown.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') {
                shown += '&';
                ++i;
            }
            continue;
        }
        shown += caption[i];
    }
    return ToQt(shown);
}

} // namespace desktop
