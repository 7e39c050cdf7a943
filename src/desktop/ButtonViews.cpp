#include "desktop/ButtonViews.h"

#include "desktop/FormWindow.h"
#include "platform/forms/Keys.h"
#include "platform/forms/SimpleControls.h"
#include "platform/forms/UserInput.h"

#include <QCheckBox>
#include <QPainter>
#include <QPen>
#include <QPushButton>

namespace desktop {
namespace {

constexpr int kFocusFrameWidth = 2;

// Leaves its state to the model instead of toggling on a click, and shows
// the focus as plainly as a focused push button shows it: a frame in the
// highlight colour, where the style's own dotted mark is easily missed.
class ModelCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override {}
    void paintEvent(QPaintEvent* event) override {
        QCheckBox::paintEvent(event);
        if (!hasFocus()) return;
        QPainter painter(this);
        QPen pen(palette().color(QPalette::Highlight));
        pen.setWidth(kFocusFrameWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        const int inset = kFocusFrameWidth / 2;
        painter.drawRect(rect().adjusted(inset, inset, -inset, -inset));
    }
};

Qt::CheckState CheckStateOf(int value) {
    switch (value) {
    case forms::vbChecked: return Qt::Checked;
    case forms::vbGrayed: return Qt::PartiallyChecked;
    default: return Qt::Unchecked;
    }
}

} // namespace

ButtonView::ButtonView(forms::CommandButton& button, FormWindow& window, QWidget* parent)
    : ControlView(button, window), button_(button), push_(new QPushButton(parent)) {
    SetWidget(push_);
    push_->setAutoDefault(false);
    QObject::connect(push_, &QPushButton::clicked, push_,
                     [this] { Window().Act([this] { forms::user::Click(button_); }); });
}

void ButtonView::Refresh() {
    ControlView::Refresh();
    push_->setText(ToQt(button_.Caption()));
}

CheckBoxView::CheckBoxView(forms::CheckBox& box, FormWindow& window, QWidget* parent)
    : ControlView(box, window), box_(box), check_(new ModelCheckBox(parent)) {
    SetWidget(check_);
    check_->setTristate(true);
    QObject::connect(check_, &QCheckBox::clicked, check_,
                     [this] { Window().Act([this] { forms::user::Click(box_); }); });
}

void CheckBoxView::Refresh() {
    ControlView::Refresh();
    check_->setText(ToQt(box_.Caption()));
    check_->setCheckState(CheckStateOf(box_.Value()));
}

} // namespace desktop
