#pragma once
// Where the earlier Form 941 screens keep each line in LineAmt: the live
// screen's slots for lines 2 to 10 and the months, and a few of their own.
#include "returns/f941/Form941Slots.h"

namespace slot941early {

using namespace slot941;

enum : int {
    Line6AndAdjustments = 14,
    Deposits = 18,
    SickPay = 25, // line 8
};

} // namespace slot941early
