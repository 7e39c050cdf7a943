// The earlier Form 944 screen's computed lines, each the formula of its row
// in the line table: line 1 seeds the 4a and 4c wages (and 4d's back to 0;
// a seed follows line 1 only while it holds what line 1 held, or nothing),
// each tax is its amount at its rate in cents, 4e is the four taxes, line 5
// is line 2 + 4e, line 7 is line 5 + line 6, line 9 is line 7 - line 8, the
// balance is line 9 against line 10 in cents, and line 13's total is the
// twelve months. What Enter does besides is the chain's turn after line 10
// and the year check after December. The hidden lines of the older layout
// are never written.

#include "returns/f944_early/frmdet944.h"

#include "common/BalanceRule.h"
#include "common/LineArithmetic.h"
#include "platform/basic/Round.h"
#include "platform/forms/Dialogs.h"

#include <cmath>

namespace {

constexpr const char* kYearMessage =
    "Total tax liability for the year must equal Line 9, Total taxes after adjustments and credits. Please review "
    "your monthly tax liabilities.";
constexpr const char* kYearTitle = "Error in Monthly Tax Liabilities";

} // namespace

// --- lines 1 to 9 ---

LineRecompute frmdet944::WagesOfLine1() {
    return FilledFrom(fpLine1);
}

LineRecompute frmdet944::NoWages4dAfterLine1() {
    return SeededBy(fpLine1, [](std::span<const double>) { return 0.0; });
}

LineRecompute frmdet944::TaxesOf4e() { return TotalOf({&fpLine4A2, &fpLine4B2, &fpLine4C2, &fpLine4d2}); }

LineRecompute frmdet944::Line5Formula() { return TotalOf({&fpLine2, &fpLine8}); }

LineRecompute frmdet944::Line7Formula() { return TotalOf({&fpLine5, &fpLine6A}); }

LineRecompute frmdet944::Line9Formula() { return DifferenceOf(fpLine7, fpLine6D); }

// --- lines 10 to 12 ---

// A balance due goes on to January, an overpayment to its two boxes.
LineRecompute frmdet944::Line10_Enter() {
    return {[this] {
                const BalanceOutcome outcome = ApplyBalanceRule(fpLine9.Value(), fpLine10.Value());
                if (outcome.overpaidFlag == "Y") {
                    Check3.SetFocus();
                } else {
                    fpLine13a.SetFocus();
                }
            },
            {}};
}

// --- line 13 ---

double frmdet944::SumOfMonths() {
    double total = 0;
    for (const forms::CurrencyField* month : MonthFields()) total += month->Value();
    return total;
}

LineRecompute frmdet944::MonthsTotal() {
    const std::array<forms::CurrencyField*, 12> months = MonthFields();
    return TotalOf({months.begin(), months.end()});
}

LineRecompute frmdet944::December_Enter() {
    return {[this] {
                if (YearMatchesLine9()) cmdSaveRecord.SetFocus();
            },
            {}};
}

// The months themselves are summed, so that a total typed over them cannot
// pass a year whose months do not add up to line 9.
bool frmdet944::YearMatchesLine9() {
    const auto cents = [](double amount) { return std::llround(basic::Round(amount, 2) * 100); };
    if (cents(SumOfMonths()) == cents(fpLine9.Value())) return true;
    forms::MsgBox(kYearMessage, forms::vbExclamation, kYearTitle);
    fpLine13a.SetFocus();
    return false;
}
