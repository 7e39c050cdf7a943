#include "desktop/CaptionViews.h"

#include "platform/forms/SimpleControls.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>

namespace desktop {

LabelView::LabelView(forms::Label& label, FormWindow& window, QWidget* parent)
    : ControlView(label, window), label_(label), text_(new QLabel(parent)) {
    SetWidget(text_);
    text_->setTextFormat(Qt::PlainText);
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void LabelView::Refresh() {
    ControlView::Refresh();
    text_->setText(CaptionWithoutAccessKeys(label_.Caption()));
}

FrameView::FrameView(forms::Frame& frame, FormWindow& window, QWidget* parent)
    : ControlView(frame, window), frame_(frame), box_(new QGroupBox(parent)) {
    SetWidget(box_);
}

void FrameView::Refresh() {
    ControlView::Refresh();
    box_->setTitle(CaptionWithoutAccessKeys(frame_.Caption()));
}

QWidget* FrameView::ChildArea() const { return box_; }

GenericView::GenericView(forms::Control& control, FormWindow& window, QWidget* parent)
    : ControlView(control, window) {
    auto* panel = new QFrame(parent);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    SetWidget(panel);
}

} // namespace desktop
