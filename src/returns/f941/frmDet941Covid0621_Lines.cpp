// The Form 941 screen's line computations: what each field recomputes when
// Enter is pressed in it or it loses the focus (the line table says which
// field runs which).

#include "returns/f941/frmDet941Covid0621.h"

#include "common/LineArithmetic.h"
#include "platform/basic/Strings.h"
#include "returns/f941/Form941Slots.h"

using namespace slot941;

void frmDet941Covid0621::SetPeriodMoves(const std::string& code) {
    // A first quarter goes on to the COBRA lines 11e and 13f; the other
    // quarters skip them. A retired line is passed over along the chain.
    const bool firstQuarter = basic::Left(code, 1) == "1";
    chain_.SetNext(fpLine11d, firstQuarter ? static_cast<forms::Control*>(&fpL12aCobra) : &fpLine11g);
    chain_.SetNext(fpLine13e, firstQuarter ? &fpLine13f : &fpLine13g);
}

void frmDet941Covid0621::LoadLineAmtFromFields() {
    ReturnScreen::LoadLineAmtFromFields();
    taxLines_.ShowAdjustmentsTotal();
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
    LineAmt.Set(Line13g, LineAmt[Payments13aef] + LineAmt[Payment13b] + LineAmt[Payment13c] + LineAmt[Payment13d]);
    WriteAmount(fpLine13g, LineAmt[Line13g]);
}

void frmDet941Covid0621::RecomputeLine13i() {
    LineAmt.Set(Line13h, fpLine13h.Value());
    WriteAmount(fpLine14, LineAmt[Line13g] - LineAmt[Line13h]);
}

void frmDet941Covid0621::Line13i_Balance() { WriteBalance(fpLine12.Value(), fpLine14.Value(), fpLine15, fpLine16(1)); }
