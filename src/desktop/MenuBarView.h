#pragma once
#include <QChar>

#include <map>

class QAction;
class QMenu;
class QMenuBar;

namespace forms {
class Form;
class Menu;
class Control;
} // namespace forms

namespace desktop {

class FormWindow;

// A form's menus on its window's menu bar: each menu without a parent is a
// menu of the bar, its entries (and theirs) items under it; a caption "-" is
// a separator. Choosing an item is the model's click.
class MenuBarView {
public:
    MenuBarView(forms::Form& form, FormWindow& window, QMenuBar& bar);

    bool Empty() const { return actions_.empty(); }
    bool Shows(const forms::Control& control) const;
    void Refresh(const forms::Control& menu);
    void RefreshAll();

    // Opens the first menu of the bar (Alt alone, F10). False: none.
    bool OpenFirst();
    // Opens the menu of the bar whose caption marks `key` as its access key
    // (Alt with that letter). False: none.
    bool OpenByAccessKey(QChar key);

private:
    QAction* Build(forms::Menu& menu, QMenuBar* bar, QMenu* parent);
    bool Open(QAction* action);

    FormWindow& window_;
    QMenuBar& bar_;
    std::map<const forms::Menu*, QAction*> actions_;
};

} // namespace desktop
