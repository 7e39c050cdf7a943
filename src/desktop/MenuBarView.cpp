#include "desktop/MenuBarView.h"

#include "desktop/ControlView.h"
#include "desktop/FormWindow.h"
#include "platform/forms/Form.h"
#include "platform/forms/Menu.h"
#include "platform/forms/UserInput.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace desktop {

MenuBarView::MenuBarView(forms::Form& form, FormWindow& window, QMenuBar& bar) : window_(window), bar_(bar) {
    for (forms::Control* control : form.Controls()) {
        auto* menu = dynamic_cast<forms::Menu*>(control);
        if (menu != nullptr && menu->Parent() == nullptr) Build(*menu, &bar, nullptr);
    }
    RefreshAll();
}

QAction* MenuBarView::Build(forms::Menu& menu, QMenuBar* bar, QMenu* parent) {
    QAction* action = nullptr;
    if (!menu.Entries().empty()) {
        QMenu* sub = bar != nullptr ? bar->addMenu(QString()) : parent->addMenu(QString());
        for (forms::Menu* entry : menu.Entries()) Build(*entry, nullptr, sub);
        action = sub->menuAction();
    } else {
        action = bar != nullptr ? bar->addAction(QString()) : parent->addAction(QString());
        QObject::connect(action, &QAction::triggered, action,
                         [this, &menu] { window_.Act([&menu] { forms::user::Click(menu); }); });
    }
    actions_[&menu] = action;
    return action;
}

bool MenuBarView::Shows(const forms::Control& control) const {
    const auto* menu = dynamic_cast<const forms::Menu*>(&control);
    return menu != nullptr && actions_.count(menu) != 0;
}

void MenuBarView::Refresh(const forms::Control& control) {
    const auto* menu = dynamic_cast<const forms::Menu*>(&control);
    auto it = actions_.find(menu);
    if (it == actions_.end()) return;
    QAction* action = it->second;
    action->setSeparator(menu->Caption() == "-");
    action->setText(ToQt(menu->Caption()));
    action->setEnabled(menu->Enabled());
    action->setVisible(menu->Visible());
    action->setCheckable(menu->Checked());
    action->setChecked(menu->Checked());
}

void MenuBarView::RefreshAll() {
    for (const auto& [menu, action] : actions_) Refresh(*menu);
}

bool MenuBarView::Open(QAction* action) {
    if (action == nullptr || action->menu() == nullptr || !action->isVisible() || !action->isEnabled()) return false;
    bar_.setActiveAction(action);
    return true;
}

bool MenuBarView::OpenFirst() {
    for (QAction* action : bar_.actions()) {
        if (Open(action)) return true;
    }
    return false;
}

bool MenuBarView::OpenByAccessKey(QChar key) {
    for (QAction* action : bar_.actions()) {
        const QString caption = action->text();
        const qsizetype mark = caption.indexOf(QLatin1Char('&'));
        if (mark < 0 || mark + 1 >= caption.size()) continue;
        if (caption.at(mark + 1).toUpper() == key.toUpper()) return Open(action);
    }
    return false;
}

} // namespace desktop
