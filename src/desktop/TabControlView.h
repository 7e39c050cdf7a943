#pragma once
#include "desktop/ControlView.h"

class QFrame;
class QTabBar;

namespace forms {
class TabControl;
}

namespace desktop {

// A tab control: the tabs along its top over a panel. The controls of its
// pages stand in it at their own positions (measured from its top-left
// corner, tabs included); only those of the page in front show.
class TabControlView : public ControlView {
public:
    TabControlView(forms::TabControl& tabs, FormWindow& window, QWidget* parent);
    void Refresh() override;
    QWidget* ChildArea() const override;
    Press OnPress() const override { return Press::FocusThenWidget; }
    std::vector<QWidget*> InputWidgets() const override;

private:
    void LayOutTabs();

    forms::TabControl& tabs_;
    QWidget* area_;
    QTabBar* bar_;
    QFrame* panel_;
};

} // namespace desktop
