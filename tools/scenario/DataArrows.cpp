#include "DataArrows.h"

#include "Session.h"

#include "platform/data/DataControl.h"
#include "platform/forms/EventScope.h"

#include <array>
#include <utility>

namespace scenario {
namespace {

const std::array<std::pair<const char*, data::DataControl::Arrow>, 4> kArrows = {{
    {"First", data::DataControl::Arrow::First},
    {"Prev", data::DataControl::Arrow::Previous},
    {"Next", data::DataControl::Arrow::Next},
    {"Last", data::DataControl::Arrow::Last},
}};

} // namespace

void ClickDataArrow(forms::Control& control, const std::string& arrow) {
    auto* dataControl = dynamic_cast<data::DataControl*>(&control);
    if (dataControl == nullptr)
        throw ActionFailed{control.Name() + " is a " + control.Kind() + ", which has no " + arrow + " arrow"};
    if (!dataControl->Enabled() || !dataControl->IsShowing())
        throw ActionFailed{control.Name() + " cannot be clicked (" + (dataControl->Enabled() ? "hidden" : "disabled") +
                           ")"};
    for (const auto& [name, move] : kArrows) {
        if (arrow == name) {
            forms::RunHandler([&] { dataControl->UserMove(move); }, true);
            return;
        }
    }
    throw ActionFailed{"unknown arrow " + arrow};
}

} // namespace scenario
