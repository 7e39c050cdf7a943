#include "platform/forms/Bound.h"

#include "platform/basic/NumberToText.h"
#include "platform/basic/Strings.h"
#include "platform/forms/Control.h"
#include "platform/forms/Form.h"

namespace forms {

void Bound::SetReadOnly(bool readOnly) {
    if (readOnly == readOnly_) return;
    readOnly_ = readOnly;
    ReadOnlyChanged();
}

namespace {

template <class Act>
void ForEachBoundControl(const Form& form, std::string_view dataControlName, Act act) {
    for (Control* control : form.Controls()) {
        auto* bound = dynamic_cast<Bound*>(control);
        if (bound != nullptr && !bound->DataField().empty() &&
            basic::SameNameCaseBlind(bound->DataSource(), dataControlName)) {
            act(*control, *bound);
        }
    }
}

} // namespace

void SetBoundControlsReadOnly(const Form& form, std::string_view dataControlName, bool readOnly) {
    ForEachBoundControl(form, dataControlName, [&](Control&, Bound& bound) { bound.SetReadOnly(readOnly); });
}

void EmptyAndDisableBoundControls(const Form& form, std::string_view dataControlName) {
    ForEachBoundControl(form, dataControlName, [](Control& control, Bound& bound) {
        bound.ShowBoundValue(data::Value{});
        control.SetEnabled(false);
    });
}

std::string BoundValueText(const data::Value& value) {
    if (const auto* whole = std::get_if<std::int64_t>(&value)) return std::to_string(*whole);
    if (const auto* number = std::get_if<double>(&value)) return basic::NumberText(*number);
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    return "";
}

} // namespace forms
