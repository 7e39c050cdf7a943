#pragma once
#include <string>

namespace forms {
class Control;
}

namespace scenario {

// Clicks one arrow of a data control (First, Prev, Next, Last) as a user
// does. Throws ActionFailed when the control is no data control.
void ClickDataArrow(forms::Control& control, const std::string& arrow);

} // namespace scenario
