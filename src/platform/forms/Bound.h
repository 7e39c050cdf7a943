#pragma once
#include "platform/data/Bindable.h"

#include <string>

namespace forms {

// A control that a data control can bind to one of its columns: DataSource
// names the data control, DataField the column.
class Bound : public data::Bindable {
public:
    const std::string& DataField() const { return dataField_; }
    void SetDataField(const std::string& column) { dataField_ = column; }
    const std::string& DataSource() const { return dataSource_; }
    void SetDataSource(const std::string& dataControlName) { dataSource_ = dataControlName; }

private:
    std::string dataField_;
    std::string dataSource_;
};

// The text a stored value is shown as in a field: Null "", 500 "500",
// 24.8 "24.8" (at most 15 significant digits, "." as the point).
std::string BoundValueText(const data::Value& value);

} // namespace forms
