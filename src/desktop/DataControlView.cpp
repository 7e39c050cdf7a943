#include "desktop/DataControlView.h"

#include "desktop/FormWindow.h"
#include "platform/data/DataControl.h"
#include "platform/forms/EventScope.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace desktop {

DataControlView::DataControlView(data::DataControl& data, FormWindow& window, QWidget* parent)
    : ControlView(data, window), data_(data) {
    auto* panel = new QFrame(parent);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(1, 1, 1, 1);
    row->setSpacing(0);
    caption_ = new QLabel(panel);
    caption_->setTextFormat(Qt::PlainText);
    caption_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    row->addWidget(Arrow(QStringLiteral("|\u25C0"), static_cast<int>(data::DataControl::Arrow::First), panel));
    row->addWidget(Arrow(QStringLiteral("\u25C0"), static_cast<int>(data::DataControl::Arrow::Previous), panel));
    row->addWidget(caption_, 1);
    row->addWidget(Arrow(QStringLiteral("\u25B6"), static_cast<int>(data::DataControl::Arrow::Next), panel));
    row->addWidget(Arrow(QStringLiteral("\u25B6|"), static_cast<int>(data::DataControl::Arrow::Last), panel));
    SetWidget(panel);
}

QToolButton* DataControlView::Arrow(const QString& glyph, int arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(glyph);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRaise(false);
    button->setObjectName(QStringLiteral("arrow%1").arg(arrow));
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    QObject::connect(button, &QToolButton::clicked, button, [this, arrow] {
        Window().Act([this, arrow] {
            forms::RunHandler([&] { data_.UserMove(static_cast<data::DataControl::Arrow>(arrow)); }, true);
        });
    });
    return button;
}

void DataControlView::Refresh() {
    ControlView::Refresh();
    caption_->setText(ToQt(data_.Caption()));
}

} // namespace desktop
