#pragma once
#include "platform/forms/Control.h"

#include <string>
#include <vector>

namespace forms {

// A tab control of pages (numbered from 0). Controls stand on a page by
// SetContainer(tabControl, page); only the page in front shows. Changing the
// page in front raises TabClick with the page that was in front before.
class TabControl : public Control {
public:
    TabControl(Form& owner, std::string name, int index = -1);
    std::string Kind() const override { return "TabControl"; }

    int Tabs() const { return static_cast<int>(captions_.size()); }
    void SetTabs(int count);
    int Tab() const { return tab_; }
    // Brings page `page` to the front; raises error 380 past the pages.
    void SetTab(int page);
    const std::string& TabCaption(int page) const;
    void SetTabCaption(int page, const std::string& caption);

    std::function<void(int PreviousTab)> TabClick;

    bool Focusable() const override { return true; }

private:
    std::vector<std::string> captions_;
    int tab_ = 0;
};

} // namespace forms
