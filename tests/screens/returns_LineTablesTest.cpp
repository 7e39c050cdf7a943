// Every return screen's line table against what its rows name elsewhere: each
// column is one of its table's, each printout item has a place on the page
// and names one row only (the printout reaches the field through it); each
// formula follows no field but its inputs.
// (That each caption fits its label is checked in the real windows, by the
// desktop's label test.)
#include <gtest/gtest.h>

#include "ScreenTestSupport.h"
#include "common/PrintLayout.h"
#include "platform/basic/Strings.h"
#include "platform/data/Schema.h"
#include "platform/forms/CurrencyField.h"
#include "platform/forms/Keys.h"
#include "platform/forms/SimpleControls.h"
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
#include <functional>
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

// Whether the formula of the row follows the control: one of its inputs, or
// a seed's own field (it follows its source only while it holds what the
// source held).
bool Follows(const ReturnLine& line, const forms::Control& control) {
    const LineFormula& formula = line.recompute.formula;
    if (formula.seed && line.field == &control) return true;
    return std::any_of(formula.inputs.begin(), formula.inputs.end(),
                       [&](const forms::CurrencyField* input) { return input == &control; });
}

// "screen.field: moves with control" for each formula whose value changes
// with an amount or a box its inputs do not name: a line that would keep a
// stale figure when that control changes.
std::vector<std::string> UnnamedInputs(const ReturnScreen& screen) {
    const LineTable lines = screen.Lines();
    auto values = [&lines] {
        std::vector<double> all;
        for (const ReturnLine& line : lines) all.push_back(line.recompute.formula ? line.recompute.formula.Value() : 0);
        return all;
    };
    std::vector<std::string> found;
    // Sets the control otherwise; every formula that moves must follow it.
    auto change = [&](const forms::Control& control, const std::function<void()>& setOtherwise) {
        const std::vector<double> before = values();
        setOtherwise();
        const std::vector<double> after = values();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (before[i] != after[i] && !Follows(lines[i], control)) {
                found.push_back(screen.Name() + "." + lines[i].field->Name() + ": moves with " + control.Name());
            }
        }
    };
    // Every amount a figure of its own, every box clear; then each in turn
    // set otherwise and back: an amount to nothing and to a million (one of
    // them moves a balance, whichever side the figures leave it on), a box
    // ticked.
    double figure = 100;
    for (forms::Control* control : screen.Controls()) {
        if (auto* amount = dynamic_cast<forms::CurrencyField*>(control)) amount->SetValue(figure += 37.13);
        if (auto* box = dynamic_cast<forms::CheckBox*>(control)) box->SetValue(forms::vbUnchecked);
    }
    for (forms::Control* control : screen.Controls()) {
        if (auto* amount = dynamic_cast<forms::CurrencyField*>(control)) {
            for (double other : {0.0, 1e6, amount->Value()}) change(*amount, [=] { amount->SetValue(other); });
        }
        if (auto* box = dynamic_cast<forms::CheckBox*>(control)) {
            for (int other : {forms::vbChecked, forms::vbUnchecked}) change(*box, [=] { box->SetValue(other); });
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

TEST_F(LineTables, EachFormulaFollowsNoFieldButItsInputs) {
    for (ReturnScreen* screen : std::initializer_list<ReturnScreen*>{
             &forms::Screen<frmDet941Covid0621>(), &forms::Screen<frmDet941Covid>(), &forms::Screen<frmDet941>(),
             &forms::Screen<frmDet9412>(), &forms::Screen<frmDet944Covid>(), &forms::Screen<frmdet944>()}) {
        for (const std::string& problem : UnnamedInputs(*screen)) ADD_FAILURE() << problem;
    }
}

} // namespace
