#include "platform/forms/Form.h"

#include "platform/basic/Strings.h"
#include "platform/forms/Application.h"
#include "platform/forms/Control.h"
#include "platform/forms/FocusMoves.h"
#include "platform/forms/Observer.h"
#include "platform/forms/SimpleControls.h"

#include <algorithm>

namespace forms {
// A new form is 4800 by 3600 twips, a new control 1215 by 285.
Form::Form(std::string name) : Placement(4800, 3600), name_(std::move(name)) {}

Form::~Form() {
    FocusMoves::Forget(*this);
    if (loaded_) App().FormUnloaded(*this);
}

void Form::Changed(std::string_view property) { App().Watcher().FormChanged(*this, property); }

void Form::SetCaption(const std::string& caption) {
    caption_ = caption;
    Changed("Caption");
}

void Form::Load() {
    if (loaded_) return;
    loaded_ = true;
    App().FormLoaded(*this);
    RunHandler([this] {
        Form_Load();
        for (Control* c : std::vector<Control*>(controls_)) c->FormLoaded();
    });
}

void Form::Show() {
    Load();
    if (!visible_) {
        visible_ = true;
        App().Watcher().FormShown(*this);
    }
    // A form that comes up gives the focus to its first tab stop, unless a
    // handler sends it elsewhere before the move is carried out.
    // A move that Form_Load asked for (while Show ran inside a handler) wins.
    if (activeControl_ == nullptr && !FocusMoves::Waits(*this)) FocusMoves::Request(*this, nullptr);
}

void Form::Hide() {
    if (!visible_) return;
    visible_ = false;
    App().Watcher().FormHidden(*this);
}

void Form::Unload() {
    if (!loaded_) return;
    int cancel = 0;
    RunHandler([&] { Form_Unload(cancel); });
    if (cancel != 0 || !loaded_) return;
    for (Control* c : std::vector<Control*>(controls_)) c->FormUnloading();
    FocusMoves::Forget(*this);
    activeControl_ = nullptr;
    visible_ = false;
    loaded_ = false;
    App().FormUnloaded(*this);
}

void Form::Register(Control& control) { controls_.push_back(&control); }

void Form::Unregister(Control& control) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), &control), controls_.end());
    if (activeControl_ == &control) activeControl_ = nullptr;
}

Control* Form::ControlByName(std::string_view name, int index) const {
    for (Control* c : controls_) {
        if (basic::SameNameCaseBlind(c->Name(), name) && c->Index() == index) return c;
    }
    return nullptr;
}

CommandButton* Form::DefaultButton() const {
    for (Control* c : controls_) {
        auto* button = dynamic_cast<CommandButton*>(c);
        if (button != nullptr && button->Default()) return button;
    }
    return nullptr;
}

std::vector<Control*> Form::TabOrder() const {
    std::vector<Control*> order = controls_;
    std::stable_sort(order.begin(), order.end(),
                     [](const Control* a, const Control* b) { return a->TabIndex() < b->TabIndex(); });
    return order;
}

} // namespace forms
