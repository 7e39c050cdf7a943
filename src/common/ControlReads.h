#pragma once
// A screen's fields read by their names, the way a printout reaches the
// return screen's lines and the employer screen's boxes as they stand. A
// name the screen does not have (or a control of another kind) raises 424,
// "Object required", so a printout stops through its error exit.
#include <string>
#include <string_view>

namespace forms {
class Control;
class Form;
} // namespace forms
namespace data {
class Recordset;
}

// The Text of a text, masked, currency or integer field.
const std::string& TextOf(const forms::Form& screen, std::string_view name, int index = -1);
// A field's content as a number: blank is 0; text that is no number raises 13.
double NumberOf(const forms::Form& screen, std::string_view name, int index = -1);
// A check box's Value (0 clear, 1 ticked, 2 greyed).
int CheckValueOf(const forms::Form& screen, std::string_view name);
// The same reads of a control the screen's line table names: 424 when it is
// a control of another kind.
const std::string& TextOf(const forms::Control& field);
double NumberOf(const forms::Control& field);
int CheckValueOf(const forms::Control& field);
// The recordset of a data control; 91 when it has none open.
data::Recordset& RecordsetOf(const forms::Form& screen, std::string_view dataControl);
