// The earlier Form 944 screen's line computations, each run by Enter in its
// field (the line table says which). Leaving a field computes nothing. Every
// line that is written equals its formula over the lines as they stand: line
// 7 is line 5 + line 6, line 9 is line 7 - line 8, and the balance is line 9
// against line 10. The hidden lines of the older layout are never written.

#include "returns/f944_early/frmdet944.h"

#include "common/BalanceRule.h"
#include "common/LineArithmetic.h"
#include "platform/basic/Round.h"
#include "platform/forms/Dialogs.h"
#include "returns/f944_early/EarlyForm944Slots.h"

#include <cmath>

using namespace slot944early;

namespace {

constexpr const char* kYearMessage =
    "Total tax liability for the year must equal Line 9, Total taxes after adjustments and credits. Please review "
    "your monthly tax liabilities.";
constexpr const char* kYearTitle = "Error in Monthly Tax Liabilities";

} // namespace

// --- the composite lines ---

// Line 5 = line 2 + the taxes of 4a to 4d; 4e shows the taxes alone.
void frmdet944::WriteLine5() {
    const double taxes = LineAmt[Tax4a] + LineAmt[Tax4b] + LineAmt[Tax4c] + LineAmt[Tax4d];
    WriteAmount(fpLine8, taxes);
    LineAmt.Set(Line5, LineAmt[Line2] + taxes);
    WriteAmount(fpLine5, LineAmt[Line5]);
}

void frmdet944::WriteLine7() {
    LineAmt.Set(Line7, fpLine5.Value() + fpLine6A.Value());
    WriteAmount(fpLine7, LineAmt[Line7]);
}

void frmdet944::WriteLine9() {
    LineAmt.Set(Line9, fpLine7.Value() - fpLine6D.Value());
    WriteAmount(fpLine9, LineAmt[Line9]);
}

// --- lines 1 to 4e ---

TaxedLine frmdet944::Line4a() { return {Wages4a, fpLine4A, rate::SocialSecurity, Tax4a, fpLine4A2}; }
TaxedLine frmdet944::Line4b() { return {Tips4b, fpLine4B, rate::SocialSecurity, Tax4b, fpLine4B2}; }
TaxedLine frmdet944::Line4c() { return {Wages4c, fpLine4C, rate::Medicare, Tax4c, fpLine4C2}; }
TaxedLine frmdet944::Line4d() { return {Wages4d, fpLine4D, rate::AdditionalMedicare, Tax4d, fpLine4d2}; }

// Line 1's wages are the taxable wages of 4a and 4c; 4d starts at 0. Line
// 4b and the lines below wait for their own Enter along the chain.
void frmdet944::Line1_Enter() {
    LineAmt.Set(Line1, fpLine1.Value());
    WriteTaxedLine(LineAmt, Line4a(), LineAmt[Line1]);
    WriteTaxedLine(LineAmt, Line4c(), LineAmt[Line1]);
    LineAmt.Set(Wages4d, 0);
    WriteAmount(fpLine4D, 0);
}

void frmdet944::Line2_Enter() {
    LineAmt.Set(Line2, fpLine2.Value());
    WriteLine5();
    WriteLine7();
}

// 4a, 4b, 4c and 4d: the tax at the line's rate, then 4e, line 5 and line 7.
void frmdet944::TaxLine_Enter(const TaxedLine& line) {
    RecomputeTaxedLine(LineAmt, line);
    WriteLine5();
    WriteLine7();
}

// A 4e typed over the taxes stands for them, once: line 5 is line 2 + 4e,
// and lines 7 and 9 follow.
void frmdet944::Line4e_Enter() {
    LineAmt.Set(Typed4e, fpLine8.Value());
    LineAmt.Set(Line5, LineAmt[Line2] + LineAmt[Typed4e]);
    WriteAmount(fpLine5, LineAmt[Line5]);
    WriteLine7();
    WriteLine9();
}

// --- lines 6 to 12 ---

void frmdet944::Line6_Enter() {
    LineAmt.Set(Line6, fpLine6A.Value());
    WriteAmount(fpLine6A, LineAmt[Line6]);
    WriteLine7();
    WriteLine9();
}

// Line 9, and the balance as far as the deposits already shown allow.
void frmdet944::Line8_Enter() {
    LineAmt.Set(Line8Entered, fpLine6D.Value());
    WriteAmount(fpLine6D, LineAmt[Line8Entered]);
    WriteLine9();
    LineAmt.Set(Line11, fpLine9.Value() - fpLine10.Value());
    if (LineAmt[Line11] >= 0) {
        WriteAmount(fpLine11, LineAmt[Line11]);
        LineAmt.Set(Line12, 0);
    } else {
        WriteAmount(fpLine11, 0);
        LineAmt.Set(Line12, -LineAmt[Line11]);
    }
    WriteAmount(fpLine12, LineAmt[Line12]);
}

// Line 9 against the deposits: a balance due goes on to January, an
// overpayment to its two boxes.
void frmdet944::Line10_Enter() {
    LineAmt.Set(Line10, fpLine10.Value());
    const BalanceOutcome outcome = ApplyBalanceRule(fpLine9.Value(), fpLine10.Value());
    WriteAmount(fpLine11, outcome.balanceDue);
    WriteAmount(fpLine12, outcome.overpayment);
    if (*outcome.overpaidFlag == "Y") {
        Check3.SetFocus();
    } else {
        fpLine13a.SetFocus();
    }
}

// --- line 13 ---

void frmdet944::Month_Enter(int month) {
    LineAmt.Set(January + month - 1, MonthFields()[month - 1]->Value());
    if (month < 12) {
        WriteYearTotal();
    } else if (YearMatchesLine9()) {
        cmdSaveRecord.SetFocus();
    }
}

// The total is the twelve months as they stand, so that a total typed over
// them cannot pass a year whose months do not add up to line 9.
void frmdet944::WriteYearTotal() {
    double total = 0;
    for (const forms::CurrencyField* field : MonthFields()) total += field->Value();
    LineAmt.Set(YearTotal, total);
    WriteAmount(fpLine13M, total);
}

bool frmdet944::YearMatchesLine9() {
    WriteYearTotal();
    const auto cents = [](double amount) { return std::llround(basic::Round(amount, 2) * 100); };
    if (cents(LineAmt[YearTotal]) == cents(fpLine9.Value())) return true;
    forms::MsgBox(kYearMessage, forms::vbExclamation, kYearTitle);
    fpLine13a.SetFocus();
    return false;
}
