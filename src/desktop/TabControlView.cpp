#include "desktop/TabControlView.h"

#include "desktop/FormWindow.h"
#include "platform/forms/TabControl.h"
#include "platform/forms/UserInput.h"

#include <QEvent>
#include <QFrame>
#include <QSignalBlocker>
#include <QTabBar>

namespace desktop {
namespace {

// Keeps the tab bar and the panel the size of the tab control.
class TabArea : public QWidget {
public:
    TabArea(QWidget* parent, std::function<void()> onResize) : QWidget(parent), onResize_(std::move(onResize)) {}

protected:
    void resizeEvent(QResizeEvent*) override { onResize_(); }

private:
    std::function<void()> onResize_;
};

} // namespace

TabControlView::TabControlView(forms::TabControl& tabs, FormWindow& window, QWidget* parent)
    : ControlView(tabs, window), tabs_(tabs) {
    area_ = new TabArea(parent, [this] { LayOutTabs(); });
    panel_ = new QFrame(area_);
    panel_->setFrameShape(QFrame::StyledPanel);
    bar_ = new QTabBar(area_);
    bar_->setFocusPolicy(Qt::NoFocus);
    bar_->setDrawBase(false);
    bar_->setExpanding(true);
    SetWidget(area_);
    QObject::connect(bar_, &QTabBar::currentChanged, bar_, [this](int page) {
        if (page < 0 || page == tabs_.Tab()) return;
        Window().Act([this, page] { forms::user::ChooseTab(tabs_, page); });
        // The model may keep another page in front.
        Window().RefreshControl(tabs_);
    });
}

void TabControlView::Refresh() {
    ControlView::Refresh();
    const QSignalBlocker quiet(bar_);
    while (bar_->count() > tabs_.Tabs()) bar_->removeTab(bar_->count() - 1);
    for (int page = 0; page < tabs_.Tabs(); ++page) {
        const QString caption = ToQt(tabs_.TabCaption(page));
        if (page < bar_->count()) {
            bar_->setTabText(page, caption);
        } else {
            bar_->addTab(caption);
        }
    }
    bar_->setCurrentIndex(tabs_.Tab());
    LayOutTabs();
}

QWidget* TabControlView::ChildArea() const { return area_; }

std::vector<QWidget*> TabControlView::InputWidgets() const { return {area_, bar_}; }

void TabControlView::LayOutTabs() {
    const int barHeight = bar_->sizeHint().height();
    bar_->setGeometry(0, 0, area_->width(), barHeight);
    panel_->setGeometry(0, barHeight - 1, area_->width(), area_->height() - barHeight + 1);
    panel_->lower();
}

} // namespace desktop
