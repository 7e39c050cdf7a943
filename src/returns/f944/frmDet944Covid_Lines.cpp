// Lines 1 to 9 of the Form 944 screen: the social security and Medicare
// taxes at their rates, line 5, the year's adjustments with line 7, and the
// nonrefundable credits with line 9. The line table says which field runs
// which on Enter and when it loses the focus.

#include "returns/f944/frmDet944Covid.h"

#include "common/LineArithmetic.h"
#include "returns/f944/Form944Slots.h"

using namespace slot944;

namespace {

TaxedLine Line4a(frmDet944Covid& s) { return {Wages4a, s.fpLine6A, rate::SocialSecurity, Tax4a, s.fpLine6B}; }
TaxedLine Line4b(frmDet944Covid& s) { return {Tips4b, s.fpLine6c, rate::SocialSecurity, Tax4b, s.fpLine6D}; }
TaxedLine Line4c(frmDet944Covid& s) { return {Wages4c, s.fpLine7A, rate::Medicare, Tax4c, s.fpLine7B}; }
TaxedLine Line4d(frmDet944Covid& s) { return {Wages4d, s.fpLine5d1, rate::AdditionalMedicare, Tax4d, s.fpLine5D2}; }

} // namespace

void frmDet944Covid::Line1_Recompute() {
    const double line1 = fpLine2.Value();
    // Taxable wages the user set apart from line 1 stay as they are when
    // line 1 is only passed through.
    const bool changed = !LineAmt.IsSet(Line1) || LineAmt[Line1] != line1;
    LineAmt.Set(Line1, line1);
    if (!changed) return;
    WriteTaxedLine(LineAmt, Line4a(*this), LineAmt[Line1]);
    WriteTaxedLine(LineAmt, Line4c(*this), LineAmt[Line1]);
}

// Line 5 = line 2 + 4e, whichever of the two was left last.
void frmDet944Covid::Line2_Recompute() {
    LineAmt.Set(Line2, fpLine3.Value());
    WriteAmount(fpLine5, LineAmt[Line2] + LineAmt[Total4e]);
}

void frmDet944Covid::Line4a_Recompute() { RecomputeTaxedLine(LineAmt, Line4a(*this)); }

void frmDet944Covid::Line4ai_Recompute() {
    WriteAmount(fpL5a1c2, Tax(fpL5a1c1.Value(), rate::QualifiedLeave));
    LineAmt.Set(Tax4ai, fpL5a1c2.Value());
    LineAmt.Set(Tax4aii, fpL5a2c2.Value());
}

void frmDet944Covid::Line4aii_Recompute() {
    WriteAmount(fpL5a2c2, Tax(fpL5a2c1.Value(), rate::QualifiedLeave));
    LineAmt.Set(Tax4aii, fpL5a2c2.Value());
}

void frmDet944Covid::Line4b_Recompute() { RecomputeTaxedLine(LineAmt, Line4b(*this)); }

void frmDet944Covid::Line4c_Recompute() { RecomputeTaxedLine(LineAmt, Line4c(*this)); }

// The only step that shows 4e and the full line 5.
void frmDet944Covid::Line4d_Recompute() {
    RecomputeTaxedLine(LineAmt, Line4d(*this));
    LineAmt.Set(Total4e, 0);
    for (int tax : {Tax4a, Tax4ai, Tax4aii, Tax4b, Tax4c, Tax4d}) LineAmt.Set(Total4e, LineAmt[Total4e] + LineAmt[tax]);
    WriteAmount(fpLine8, LineAmt[Total4e]);
    WriteAmount(fpLine5, LineAmt[Line2] + LineAmt[Total4e]);
}

// Line 6 is the year's only adjustment, so it counts once however often the
// field is left.
void frmDet944Covid::Line6_Recompute() {
    LineAmt.Set(Line6, fpLine9A.Value());
    LineAmt.Set(Adjustments, LineAmt[Line6]);
    LineAmt.Set(Line5PlusAdjustments, fpLine5.Value() + LineAmt[Adjustments]);
    LineAmt.Set(Line7, LineAmt[Line5PlusAdjustments]);
    WriteAmount(fpLine11, LineAmt[Line7]);
}

// 8g and line 9 from the five credits as they stand, whichever credit field
// ran it; the number of individuals (8f) is never added in.
void frmDet944Covid::Recompute944Credits() {
    LineAmt.Set(Credit8a, fpLine11a.Value());
    LineAmt.Set(Credit8b, fpLine11b.Value());
    LineAmt.Set(Credits8cTo8e, fpLine11c.Value() + fpCurrency18.Value() + fpCurrency19.Value());
    LineAmt.Set(Total8g, LineAmt[Credit8a] + LineAmt[Credit8b] + LineAmt[Credits8cTo8e]);
    WriteAmount(fpLine11d, LineAmt[Total8g]);
    LineAmt.Set(Line9, LineAmt[Line7] - LineAmt[Total8g]);
    WriteAmount(fpLine12, LineAmt[Line9]);
}
