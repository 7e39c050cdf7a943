// Where the Form 941 screen's Enter chain goes in the period it is open for;
// its lines' formulas stand in its line table.

#include "returns/f941/frmDet941Covid0621.h"

#include "platform/basic/Strings.h"

void frmDet941Covid0621::SetPeriodMoves(const std::string& code) {
    // A first quarter goes on to the COBRA lines 11e and 13f; the other
    // quarters skip them. A retired line is passed over along the chain.
    const bool firstQuarter = basic::Left(code, 1) == "1";
    chain_.SetNext(fpLine11d, firstQuarter ? static_cast<forms::Control*>(&fpL12aCobra) : &fpLine11g);
    chain_.SetNext(fpLine13e, firstQuarter ? &fpLine13f : &fpLine13g);
}
