// A design's rows: frmDet941's line table with the design's own places,
// labels and tab order put in once, before the screen uses the table.

#include "returns/f941_early/EarlyForm941Design.h"

#include "platform/forms/Control.h"
#include "platform/forms/SimpleControls.h"

#include <algorithm>
#include <stdexcept>

namespace {

std::vector<ReturnLine>::iterator RowOf(std::vector<ReturnLine>& lines, const char* field) {
    auto row = std::find_if(lines.begin(), lines.end(),
                            [field](const ReturnLine& line) { return line.field->Name() == field; });
    if (row == lines.end()) throw std::logic_error(std::string("no line table row holds ") + field);
    return row;
}

LineLabel& LabelOf(ReturnLine& line, const char* label) {
    auto found = std::find_if(line.labels.begin(), line.labels.end(),
                              [label](const LineLabel& l) { return l.label->Name() == label; });
    if (found == line.labels.end()) throw std::logic_error(line.field->Name() + "'s row has no label " + label);
    return *found;
}

void Change(ReturnLine& line, const LineChange& change) {
    if (change.place) {
        const Twips& p = *change.place;
        line.place = OnForm(p.left, p.top, p.width, p.height);
    }
    for (const LabelChange& c : change.labels) {
        LineLabel& label = LabelOf(line, c.label);
        if (c.place) {
            label.left = c.place->left;
            label.top = c.place->top;
            label.width = c.place->width;
            label.height = c.place->height;
        }
        if (c.text) label.text = *c.text;
    }
}

} // namespace

void ApplyLineChanges(std::vector<ReturnLine>& lines, std::span<const LineChange> changes) {
    for (const LineChange& change : changes) {
        auto row = RowOf(lines, change.field);
        Change(*row, change);
        if (change.tabsAfter == nullptr) continue;
        ReturnLine moved = std::move(*row);
        lines.erase(row);
        lines.insert(RowOf(lines, change.tabsAfter) + 1, std::move(moved));
    }
}
