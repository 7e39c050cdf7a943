// Lines 1 to 9 of the Form 944 screen as formulas over the lines they come
// from: line 1 fills the 4a and 4c wages when it changes, unless the user set
// them apart (they hold neither what line 1 held nor 0); each tax is its amount at the line's rate, rounded
// to cents; 4e sums the six taxes; line 5 = line 2 + 4e; line 7 = line 5 +
// line 6, the year's only adjustment; 8g sums the five credits (8f is a count
// and never added in); line 9 = line 7 - 8g. Sums are not rounded.

#include "returns/f944/frmDet944Covid.h"

#include "common/LineArithmetic.h"

LineRecompute frmDet944Covid::Line1_Seed() {
    return FilledFrom(fpLine2);
}

LineRecompute frmDet944Covid::Line4e_Formula() {
    return TotalOf({&fpLine6B, &fpL5a1c2, &fpL5a2c2, &fpLine6D, &fpLine7B, &fpLine5D2});
}

LineRecompute frmDet944Covid::Line5_Formula() { return TotalOf({&fpLine3, &fpLine8}); }

LineRecompute frmDet944Covid::Line7_Formula() { return TotalOf({&fpLine5, &fpLine9A}); }

LineRecompute frmDet944Covid::Line8g_Formula() {
    return TotalOf({&fpLine11a, &fpLine11b, &fpLine11c, &fpCurrency18, &fpCurrency19});
}

LineRecompute frmDet944Covid::Line9_Formula() { return DifferenceOf(fpLine11, fpLine11d); }
