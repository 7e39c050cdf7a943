// The Form 941 screen's line computations: what each field recomputes when
// Enter is pressed in it or it loses the focus (the line table says which
// field runs which).

#include "returns/f941/frmDet941Covid0621.h"

#include "common/BalanceRule.h"
#include "common/LineArithmetic.h"
#include "platform/basic/Round.h"
#include "platform/basic/Strings.h"
#include "returns/f941/Form941Slots.h"

using namespace slot941;

namespace {

constexpr const char* kShortOfLine12 = "Oops. Line 16, column D is supposed to equal Line 12. Please review.";
constexpr const char* kAboveLine10 = "Oops. Line 17, column D is supposed to equal Line 10. Please review.";

} // namespace

void frmDet941Covid0621::SetPeriodMoves(const std::string& code) {
    // A first quarter goes on to the COBRA lines 11e and 13f; the other
    // quarters skip them. A retired line is passed over along the chain.
    const bool firstQuarter = basic::Left(code, 1) == "1";
    chain_.SetNext(fpLine11d, firstQuarter ? static_cast<forms::Control*>(&fpL12aCobra) : &fpLine11g);
    chain_.SetNext(fpLine13e, firstQuarter ? &fpLine13f : &fpLine13g);
}

void frmDet941Covid0621::LoadLineAmtFromFields() {
    ReturnScreen::LoadLineAmtFromFields();
    WriteAmount(fpLine10, LineAmt[Adjustments]);
}

// --- lines 2 to 10 ---

double frmDet941Covid0621::Sum5e() const {
    return LineAmt[Tax5a] + LineAmt[Tax5ai] + LineAmt[Tax5aii] + LineAmt[Tax5b] + LineAmt[Tax5c] +
           LineAmt[Tax5d];
}

// Line 6 = line 3 + 5e + 5f, whichever of them was left.
void frmDet941Covid0621::WriteLine6() {
    WriteAmount(fpLine5, basic::Round(LineAmt[Line3] + LineAmt[Total5e] + fpLine5f.Value(), 2));
}

void frmDet941Covid0621::Line2_Recompute() {
    const double line2 = fpLine2.Value();
    // Taxable wages the user set apart from line 2 stay as they are when
    // line 2 is only passed through.
    const bool changed = !LineAmt.IsSet(Line2) || LineAmt[Line2] != line2;
    LineAmt.Set(Line2, line2);
    if (changed) {
        LineAmt.Set(Wages5a, line2);
        WriteAmount(fpLine6A, line2);
        LineAmt.Set(Wages5c, line2);
        WriteAmount(fpLine7A, line2);
    }
    LineAmt.Set(Tax5a, Tax(LineAmt[Wages5a], rate::SocialSecurity));
    WriteAmount(fpLine6B, LineAmt[Tax5a]);
    LineAmt.Set(Tax5c, Tax(LineAmt[Wages5c], rate::Medicare));
    WriteAmount(fpLine7B, LineAmt[Tax5c]);
}

void frmDet941Covid0621::Line3_Recompute() {
    LineAmt.Set(Line3, fpLine3.Value());
    WriteLine6();
}

void frmDet941Covid0621::Line5a_Recompute() {
    LineAmt.Set(Wages5a, fpLine6A.Value());
    LineAmt.Set(Tax5a, Tax(LineAmt[Wages5a], rate::SocialSecurity));
    WriteAmount(fpLine6B, LineAmt[Tax5a]);
    LineAmt.Set(Total5e, Sum5e());
}

void frmDet941Covid0621::Line5ai_Recompute() {
    WriteAmount(fpL5a1c2, Tax(fpL5a1c1.Value(), rate::QualifiedLeave));
    LineAmt.Set(Tax5ai, fpL5a1c2.Value());
    LineAmt.Set(Tax5aii, fpL5a2c2.Value());
    LineAmt.Set(Total5e, Sum5e());
}

void frmDet941Covid0621::Line5aii_Recompute() {
    WriteAmount(fpL5a2c2, Tax(fpL5a2c1.Value(), rate::QualifiedLeave));
    LineAmt.Set(Tax5aii, fpL5a2c2.Value());
    LineAmt.Set(Total5e, Sum5e());
}

void frmDet941Covid0621::Line5b_Recompute() {
    LineAmt.Set(Tips5b, fpLine6c.Value());
    LineAmt.Set(Tax5b, Tax(LineAmt[Tips5b], rate::SocialSecurity));
    WriteAmount(fpLine6D, LineAmt[Tax5b]);
}

void frmDet941Covid0621::Line5c_Recompute() {
    LineAmt.Set(Wages5c, fpLine7A.Value());
    LineAmt.Set(Tax5c, Tax(LineAmt[Wages5c], rate::Medicare));
    WriteAmount(fpLine7B, LineAmt[Tax5c]);
}

void frmDet941Covid0621::Line5d_Recompute() {
    WriteAmount(fpLine5D2, Tax(fpLine5d1.Value(), rate::AdditionalMedicare));
    LineAmt.Set(Wages5d, fpLine5d1.Value());
    LineAmt.Set(Tax5d, Tax(LineAmt[Wages5d], rate::AdditionalMedicare));
    LineAmt.Set(Total5e, Sum5e());
    WriteAmount(fpLine8, LineAmt[Total5e]);
    WriteLine6();
}

void frmDet941Covid0621::Line5f_Recompute() {
    WriteAmount(fpLine5f, basic::Round(fpLine5f.Value(), 2));
    WriteLine6();
}

// Line 7 brings the hidden total of the adjustments up to date; line 10
// follows when line 8 or 9 is left.
void frmDet941Covid0621::Line7_Recompute() {
    LineAmt.Set(Adjustments, SumOf({&fpLine9B, &fpLine9A, &fpLine9C}));
    WriteAmount(fpLine10, LineAmt[Adjustments]);
}

void frmDet941Covid0621::Line10_Recompute() {
    Line7_Recompute();
    LineAmt.Set(Line10, fpLine5.Value() + LineAmt[Adjustments]);
    WriteAmount(fpLine11, LineAmt[Line10]);
}

// --- lines 11a to 12 ---

void frmDet941Covid0621::RecomputeCredits() {
    LineAmt.Set(Credits11ade, SumOf({&fpLine11a, &fpLine11d, &fpL12aCobra}));
    LineAmt.Set(Credit11b, fpLine11b.Value());
    LineAmt.Set(Credit11c, fpLine11c.Value());
    LineAmt.Set(Line11g, LineAmt[Credits11ade] + LineAmt[Credit11b] + LineAmt[Credit11c]);
    WriteAmount(fpLine11g, LineAmt[Line11g]);
    LineAmt.Set(Line12, LineAmt[Line10] - LineAmt[Line11g]);
    WriteAmount(fpLine12, LineAmt[Line12]);
}

// --- lines 13a to 15 ---

void frmDet941Covid0621::RecomputePayments() {
    LineAmt.Set(Payments13aef, SumOf({&fpLine13a, &fpLine13e, &fpLine13f}));
    LineAmt.Set(Payment13b, fpLine13b.Value());
    LineAmt.Set(Payment13c, fpLine13c.Value());
    LineAmt.Set(Payment13d, fpLine13d.Value());
    LineAmt.Set(Line13g,
                LineAmt[Payments13aef] + LineAmt[Payment13b] + LineAmt[Payment13c] + LineAmt[Payment13d]);
    WriteAmount(fpLine13g, LineAmt[Line13g]);
}

void frmDet941Covid0621::RecomputeLine13i() {
    LineAmt.Set(Line13h, fpLine13h.Value());
    WriteAmount(fpLine14, LineAmt[Line13g] - LineAmt[Line13h]);
}

void frmDet941Covid0621::Line13i_Balance() {
    BalanceOutcome outcome = ApplyBalanceRule(fpLine12.Value(), fpLine14.Value());
    WriteAmount(fpLine15, outcome.balanceDue);
    WriteAmount(fpLine16(1), outcome.overpayment);
    if (outcome.overpaidFlag) OverpaidFlag = *outcome.overpaidFlag;
}

// --- line 16 ---

void frmDet941Covid0621::RecomputeMonthTotal(int month) {
    const forms::CurrencyField* months[] = {&fpLine17A, &fpLine17B, &fpLine17C};
    LineAmt.Set(Month1 + month - 1, months[month - 1]->Value());
    LineAmt.Set(QuarterTotal, LineAmt[Month1] + LineAmt[Month2] + LineAmt[Month3]);
    WriteAmount(fpLine17D, LineAmt[QuarterTotal]);
}

// The months' total may not fall short of line 12 nor exceed line 10.
std::optional<std::string> frmDet941Covid0621::CompareMonthsWithTax() const {
    const double total = fpLine17D.Value();
    if (MonthlyTotalCheck::ExceedsBeyondTolerance(fpLine12.Value(), total)) return std::string(kShortOfLine12);
    if (MonthlyTotalCheck::ExceedsBeyondTolerance(total, fpLine11.Value())) return std::string(kAboveLine10);
    return std::nullopt;
}
