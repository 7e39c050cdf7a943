#pragma once
#include "platform/data/Bindable.h"

#include <string>
#include <string_view>

namespace forms {

class Form;

// A control that a data control can bind to one of its columns: DataSource
// names the data control, DataField the column.
class Bound : public data::Bindable {
public:
    const std::string& DataField() const { return dataField_; }
    void SetDataField(const std::string& column) { dataField_ = column; }
    const std::string& DataSource() const { return dataSource_; }
    void SetDataSource(const std::string& dataControlName) { dataSource_ = dataControlName; }

    // Read-only to the user: a field still takes the focus, moves its caret,
    // selects and copies, but no key or paste changes it, and a check box
    // does not tick; code still writes it. The screens keep the controls
    // bound to their stored row read-only while no addition or edit is
    // pending, so that nothing typed there is lost unseen.
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);

protected:
    virtual void ReadOnlyChanged() {}

private:
    std::string dataField_;
    std::string dataSource_;
    bool readOnly_ = false;
};

// Makes every control of the form bound to the data control named so
// read-only, or editable again.
void SetBoundControlsReadOnly(const Form& form, std::string_view dataControlName, bool readOnly);
// Empties every control of the form bound to the data control named so and
// disables it: the screen has no row to show, and none may be typed.
void EmptyAndDisableBoundControls(const Form& form, std::string_view dataControlName);

// The text a stored value is shown as in a field: Null "", 500 "500",
// 24.8 "24.8" (at most 15 significant digits, "." as the point).
std::string BoundValueText(const data::Value& value);

} // namespace forms
