#include "common/PrintLayout.h"

#include "platform/basic/RuntimeError.h"

FieldLayout::FieldLayout(int rowCount, std::span<const LayoutRow> rows) : rows_(static_cast<std::size_t>(rowCount)) {
    for (int n = 0; n < rowCount; ++n) rows_[n].FieldNo = n;
    Replace(rows);
}

const LayoutRow& FieldLayout::Row(int fieldNo) const {
    if (fieldNo < 0 || fieldNo >= RowCount()) basic::Raise(basic::errSubscriptOutOfRange);
    return rows_[static_cast<std::size_t>(fieldNo)];
}

void FieldLayout::Replace(std::span<const LayoutRow> rows) {
    for (const LayoutRow& row : rows) {
        if (row.FieldNo < 0 || row.FieldNo >= RowCount()) basic::Raise(basic::errSubscriptOutOfRange);
        rows_[static_cast<std::size_t>(row.FieldNo)] = row;
    }
}
