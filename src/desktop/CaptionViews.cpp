#include "desktop/CaptionViews.h"

#include "platform/forms/SimpleControls.h"

#include <QFrame>
#include <QGroupBox>
#include <QPainter>

namespace desktop {

FittedCaption CaptionLabel::Drawn() const {
    const QSize box = contentsRect().size();
    if (text() != drawnFrom_ || box != drawnIn_ || font() != drawnWith_) {
        drawn_ = FitCaption(text(), box, font());
        drawnFrom_ = text();
        drawnIn_ = box;
        drawnWith_ = font();
    }
    return drawn_;
}

void CaptionLabel::paintEvent(QPaintEvent* /*event*/) {
    const FittedCaption caption = Drawn();
    QPainter painter(this);
    painter.setFont(caption.font);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    painter.drawText(contentsRect(), kCaptionFlags, caption.text);
}

LabelView::LabelView(forms::Label& label, FormWindow& window, QWidget* parent)
    : ControlView(label, window), label_(label), text_(new CaptionLabel(parent)) {
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

GenericView::GenericView(forms::Control& control, FormWindow& window, QWidget* parent) : ControlView(control, window) {
    auto* panel = new QFrame(parent);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    SetWidget(panel);
}

} // namespace desktop
