// The earlier Form 941 screens' line computations, each run by Enter in its
// field (the line table says which). Leaving a field computes nothing. A line
// that is written always equals its formula over the lines it is made of as
// they stand: the slots are loaded from the shown row when it is opened or
// Edit starts, and every line counts once.

#include "returns/f941_early/EarlyForm941Screen.h"

#include "common/BalanceRule.h"
#include "common/LineArithmetic.h"
#include "platform/basic/Round.h"
#include "returns/f941_early/EarlyForm941Slots.h"

#include <cmath>

using namespace slot941early;

namespace {

constexpr const char* kAboveLine10 = "Oops. Line 17, column D is supposed to equal Line 10. Please review.";

TaxedLine Line5a(EarlyForm941Screen& s) { return {Wages5a, s.fpLine6A, rate::SocialSecurity, Tax5a, s.fpLine6B}; }
TaxedLine Line5b(EarlyForm941Screen& s) { return {Tips5b, s.fpLine6c, rate::SocialSecurity, Tax5b, s.fpLine6D}; }
TaxedLine Line5c(EarlyForm941Screen& s) { return {Wages5c, s.fpLine7A, rate::Medicare, Tax5c, s.fpLine7B}; }
TaxedLine Line5d(EarlyForm941Screen& s) { return {Wages5d, s.fpLine5d1, rate::AdditionalMedicare, Tax5d, s.fpLine5D2}; }

} // namespace

// Line 12 on frmDet941; line 10 on the twin, which has no credit line.
const forms::CurrencyField& EarlyForm941Screen::TotalTax() const {
    return design_.showsCreditAndTotalTax ? fpLine11and12a : fpLine11;
}

// --- lines 2 to 6 ---

// Line 6 = line 3 + 5e + 5f.
void EarlyForm941Screen::WriteLine6() {
    WriteAmount(fpLine5, basic::Round(LineAmt[Line3] + LineAmt[Total5e] + fpCurrency1.Value(), 2));
}

// 5e = the taxes of 5a, 5b, 5c and 5d.
void EarlyForm941Screen::Write5e() {
    LineAmt.Set(Total5e, LineAmt[Tax5a] + LineAmt[Tax5b] + LineAmt[Tax5c] + LineAmt[Tax5d]);
    WriteAmount(fpLine8, LineAmt[Total5e]);
}

// Line 2's wages are the taxable wages of 5a and 5c too.
void EarlyForm941Screen::Line2_Enter() {
    LineAmt.Set(Line2, fpLine2.Value());
    WriteTaxedLine(LineAmt, Line5a(*this), LineAmt[Line2]);
    WriteTaxedLine(LineAmt, Line5c(*this), LineAmt[Line2]);
}

void EarlyForm941Screen::Line3_Enter() {
    LineAmt.Set(Line3, fpLine3.Value());
    WriteLine6();
}

void EarlyForm941Screen::Line5a_Enter() { RecomputeTaxedLine(LineAmt, Line5a(*this)); }

void EarlyForm941Screen::Line5b_Enter() { RecomputeTaxedLine(LineAmt, Line5b(*this)); }

void EarlyForm941Screen::Line5c_Enter() {
    RecomputeTaxedLine(LineAmt, Line5c(*this));
    Write5e();
    WriteLine6();
}

void EarlyForm941Screen::Line5d_Enter() {
    RecomputeTaxedLine(LineAmt, Line5d(*this));
    Write5e();
    WriteLine6();
}

// 5f is rounded to cents where it stands.
void EarlyForm941Screen::Line5f_Enter() {
    WriteAmount(fpCurrency1, basic::Round(fpCurrency1.Value(), 2));
    WriteLine6();
}

// --- lines 7 to 10 ---

// The total of the adjustments; line 10 follows on Enter in line 8 or 9.
void EarlyForm941Screen::Line7_Enter() {
    LineAmt.Set(FractionsOfCents, std::fabs(fpLine9B.Value()));
    LineAmt.Set(Adjustments, SumOf({&fpLine9B, &fpLine9A, &fpLine9C}));
    WriteAmount(fpLine10, LineAmt[Adjustments]);
}

void EarlyForm941Screen::Line8or9_Enter() {
    LineAmt.Set(SickPay, fpLine9A.Value());
    LineAmt.Set(TipsAndLife, std::fabs(fpLine9C.Value()));
    LineAmt.Set(Adjustments, SumOf({&fpLine9B, &fpLine9A, &fpLine9C}));
    WriteAmount(fpLine10, LineAmt[Adjustments]);
    LineAmt.Set(Line6AndAdjustments, fpLine5.Value() + LineAmt[Adjustments]);
    LineAmt.Set(Line10, LineAmt[Line6AndAdjustments]);
    WriteAmount(fpLine11, LineAmt[Line10]);
}

// --- line 11 (frmDet941 only), the deposits and the balance ---

// Line 12 = line 10 - line 11, and the balance follows from it.
void EarlyForm941Screen::Line11_Enter() {
    WriteAmount(fpLine11and12a, basic::Round(fpLine11.Value(), 2) - basic::Round(fpLine12a.Value(), 2));
    BalanceOutcome outcome = ApplyBalanceRule(fpLine11and12a.Value(), fpLine14.Value());
    WriteAmount(fpLine15, outcome.balanceDue);
    WriteAmount(fpLine16, outcome.overpayment);
}

// The total tax against the deposits: a balance due, or an overpayment
// to apply or refund.
void EarlyForm941Screen::Deposits_Enter() {
    LineAmt.Set(Deposits, fpLine14.Value());
    if (!design_.showsCreditAndTotalTax) {
        // The older layout's line 13, deposits plus its line 12a.
        WriteAmount(fpLine11and12a, basic::Round(fpLine14.Value(), 2) + basic::Round(fpLine12a.Value(), 2));
    }
    WriteBalance(TotalTax().Value(), fpLine14.Value(), fpLine15, fpLine16);
    if (OverpaidFlag == "N") {
        Check3.SetValue(forms::vbUnchecked);
        Check4.SetValue(forms::vbUnchecked);
        Check5.SetFocus();
    } else {
        Check3.SetFocus();
    }
}

// --- the monthly liability ---

void EarlyForm941Screen::Month_Enter(int month) {
    const forms::CurrencyField* months[] = {&fpLine17A, &fpLine17B, &fpLine17C};
    LineAmt.Set(Month1 + month - 1, months[month - 1]->Value());
    LineAmt.Set(QuarterTotal, LineAmt[Month1] + LineAmt[Month2] + LineAmt[Month3]);
    WriteAmount(fpLine17D, LineAmt[QuarterTotal]);
    if (month == 3) monthlyCheck_.OnEnter([this] { return CompareMonthsWithTax(); });
}

// The months' total may not fall short of the total tax nor exceed line 10.
std::optional<std::string> EarlyForm941Screen::CompareMonthsWithTax() {
    const double total = fpLine17D.Value();
    if (MonthlyTotalCheck::ExceedsBeyondTolerance(TotalTax().Value(), total)) {
        return std::string(design_.monthsShortMessage);
    }
    if (MonthlyTotalCheck::ExceedsBeyondTolerance(total, fpLine11.Value())) return std::string(kAboveLine10);
    return std::nullopt;
}
