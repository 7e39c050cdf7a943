#pragma once
// A line table's field read the way a printout reads the return screen's
// lines and boxes as they stand. A control of another kind than the read
// expects raises 424, "Object required", so a printout stops through its
// error exit.
#include <string>

namespace forms {
class Control;
}

// The Text of a text, masked, currency or integer field.
const std::string& TextOf(const forms::Control& field);
// A field's content as a number: blank is 0; text that is no number raises 13.
double NumberOf(const forms::Control& field);
// A check box's Value (0 clear, 1 ticked, 2 greyed).
int CheckValueOf(const forms::Control& field);
