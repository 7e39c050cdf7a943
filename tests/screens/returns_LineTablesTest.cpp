// Every return screen's line table against what its rows name elsewhere: each
// column is one of its table's, each printout item has a place on the page
// and names one row only (the printout reaches the field through it).
// (That each caption fits its label is checked in the real windows, by the
// desktop's label test.)
#include <gtest/gtest.h>

#include "ScreenTestSupport.h"
#include "common/PrintLayout.h"
#include "platform/basic/Strings.h"
#include "platform/data/Schema.h"
#include "returns/f941/Form941Layout.h"
#include "returns/f941/frmDet941Covid0621.h"
#include "returns/f941_2020/Rev2020Layout.h"
#include "returns/f941_2020/frmDet941Covid.h"
#include "returns/f941_early/EarlyForm941Layout.h"
#include "returns/f941_early/frmDet941.h"
#include "returns/f941_early/frmDet9412.h"
#include "returns/f944/Form944Layout.h"
#include "returns/f944/frmDet944Covid.h"
#include "returns/f944_early/EarlyForm944PrintLayout.h"
#include "returns/f944_early/frmdet944.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

bool HasColumn(const data::TableDef& table, const char* column) {
    return std::any_of(table.columns.begin(), table.columns.end(),
                       [&](const data::ColumnDef& c) { return basic::SameNameCaseBlind(c.name, column); });
}

bool Placed(const FieldLayout& layout, short item) {
    if (item >= layout.RowCount()) return false;
    const LayoutRow& row = layout.Row(item);
    return row.X > 0 && row.Y > 0 && row.Width > 0;
}

// "screen.field: what is wrong" for each row that names what is not there.
std::vector<std::string> Mismatches(const ReturnScreen& screen, const char* table, const FieldLayout& layout) {
    const data::TableDef* def = data::FindTableDef(table);
    std::vector<std::string> found;
    if (def == nullptr) return {std::string(table) + ": no such table"};
    for (const ReturnLine& line : screen.Lines()) {
        const std::string where = screen.Name() + "." + line.field->Name() + ": ";
        if (line.column != nullptr && !HasColumn(*def, line.column)) {
            found.push_back(where + "no column " + line.column + " in " + table);
        }
        const short item = line.printItem.item;
        if (item != kNoPrintItem && !Placed(layout, item)) {
            found.push_back(where + "item " + std::to_string(item) + " has no place on the page");
        }
        if (item != kNoPrintItem && LineOfItem(screen.Lines(), item) != &line) {
            found.push_back(where + "item " + std::to_string(item) + " is named by another row too");
        }
    }
    return found;
}

using LineTables = ScreenFolderTest;

TEST_F(LineTables, EveryColumnIsItsTablesAndEveryPrintedAmountHasAPlace) {
    std::vector<std::string> found;
    auto add = [&found](std::vector<std::string> more) { found.insert(found.end(), more.begin(), more.end()); };
    add(Mismatches(forms::Screen<frmDet941Covid0621>(), "DET941", Form941FieldLayout()));
    add(Mismatches(forms::Screen<frmDet941Covid>(), "DET941", Rev2020FieldLayout("320")));
    add(Mismatches(forms::Screen<frmDet944Covid>(), "DET941", Form944FieldLayout()));
    add(Mismatches(forms::Screen<frmdet944>(), "Det944", EarlyForm944FieldLayout()));
    for (EarlyForm941Screen* early :
         std::initializer_list<EarlyForm941Screen*>{&forms::Screen<frmDet941>(), &forms::Screen<frmDet9412>()}) {
        add(Mismatches(*early, "DET941", EarlyForm941FieldLayout(early->Design().print, "219")));
    }
    for (const std::string& problem : found) ADD_FAILURE() << problem;
}

} // namespace
