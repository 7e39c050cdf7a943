#include "platform/forms/Control.h"

#include "platform/forms/Application.h"
#include "platform/forms/FocusMoves.h"
#include "platform/forms/Form.h"
#include "platform/forms/Observer.h"
#include "platform/forms/TabControl.h"

namespace forms {

Control::Control(Form& owner, std::string name, int index)
    : Placement(1215, 285), owner_(owner), name_(std::move(name)), index_(index) {
    owner_.Register(*this);
}

Control::~Control() {
    FocusMoves::Forget(*this);
    owner_.Unregister(*this);
}

void Control::Changed(std::string_view property) { App().Watcher().ControlChanged(*this, property); }

void Control::RaiseChange() { Raise(Change); }

void Control::Raise(const std::function<void()>& handler) {
    if (!handler) return;
    RunHandler(handler);
}

void Control::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    Changed("Enabled");
}

void Control::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    Changed("Visible");
}

void Control::SetTabIndex(int tabIndex) {
    tabIndex_ = tabIndex;
    Changed("TabIndex");
}

void Control::SetTabStop(bool tabStop) {
    tabStop_ = tabStop;
    Changed("TabStop");
}

void Control::SetBackColor(long colour) {
    if (backColor_ == colour) return;
    backColor_ = colour;
    Changed("BackColor");
}

void Control::SetForeColor(long colour) {
    if (foreColor_ == colour) return;
    foreColor_ = colour;
    Changed("ForeColor");
}

void Control::SetToolTipText(const std::string& text) {
    toolTipText_ = text;
    Changed("ToolTipText");
}

void Control::SetContainer(Control& frameOrTabControl, int page) {
    container_ = &frameOrTabControl;
    containerPage_ = page;
    Changed("Container");
}

void Control::SetContainerForm() {
    container_ = nullptr;
    containerPage_ = -1;
    Changed("Container");
}

bool Control::IsShowing() const {
    for (const Control* c = this; c != nullptr; c = c->container_) {
        if (!c->visible_) return false;
        if (c->container_ != nullptr && c->containerPage_ >= 0) {
            // A page of a tab control shows only when it is in front.
            auto* tabs = dynamic_cast<const TabControl*>(c->container_);
            if (tabs != nullptr && c->containerPage_ != tabs->Tab()) return false;
        }
    }
    return true;
}

bool Control::CanTakeFocus() const {
    if (!Focusable()) return false;
    for (const Control* c = this; c != nullptr; c = c->container_) {
        if (!c->visible_ || !c->enabled_) return false;
    }
    return true;
}

bool Control::HasFocus() const { return owner_.ActiveControl() == this; }

void Control::SetFocus() { FocusMoves::Request(owner_, this); }

void Control::UserClick() { Raise(Click); }

} // namespace forms
