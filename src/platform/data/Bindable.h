#pragma once
#include "platform/data/Value.h"

#include <string>

namespace data {

// What a data control needs of a control bound to one of its columns. The
// forms runtime's controls implement it, so the data layer never includes the
// controls and the controls never include the engine.
class Bindable {
public:
    virtual ~Bindable() = default;
    // Shows the column's value of the new current row (Null when there is none).
    virtual void ShowBoundValue(const Value& value) = 0;
    // The value to write into the column at Update ("" in a text field is Null).
    virtual Value BoundValue() const = 0;
    // What the control shows of the column (a field's Text, a check box's
    // Value, a label's caption), compared exactly to tell whether an edit
    // changed it. Never the value it gives, which may be none: a stored
    // 1E+20 in a whole-number field still shows.
    virtual std::string BoundContent() const = 0;
};

} // namespace data
