#pragma once
// The layout table of a return printout (FieldLayout): for each item number
// (FieldNo) where its text stands on the page, in inches from the page's
// top-left corner, how wide it may run, and the code stored as TextHeight
// (0 texts and boxes, 2 amounts, which the print control right-aligns).
// Each printout keeps its positions as a constant table of LayoutRow.
#include <span>
#include <vector>

struct LayoutRow {
    int FieldNo = 0;
    double X = 0;     // stored as TextLeft
    double Y = 0;     // stored as TextTop
    double Width = 0; // stored as TextWidth
    int Height = 0;   // stored as TextHeight
};

class FieldLayout {
public:
    // rowCount rows, FieldNo 0 to rowCount - 1; the rows given fill theirs,
    // the rest stay empty (all zero).
    FieldLayout(int rowCount, std::span<const LayoutRow> rows);

    int RowCount() const { return static_cast<int>(rows_.size()); }
    // The row of an item; error 9 (subscript out of range) past the table.
    const LayoutRow& Row(int fieldNo) const;
    // Overwrites rows (a printout that moves some of another's items).
    void Replace(std::span<const LayoutRow> rows);

private:
    std::vector<LayoutRow> rows_;
};
