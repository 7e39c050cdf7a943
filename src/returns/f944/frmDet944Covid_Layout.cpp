// The Form 944 screen's tab and box captions, hints and the amounts its
// fields accept; where each field and each line's caption stand is in its
// line table.

#include "returns/f944/frmDet944Covid.h"

std::array<forms::CurrencyField*, 12> frmDet944Covid::MonthFields() {
    return {&fpLine17A,   &fpLine17B,   &fpLine17C,   &fpCurrency2, &fpCurrency3, &fpCurrency4,
            &fpCurrency5, &fpCurrency6, &fpCurrency7, &fpCurrency8, &fpCurrency9, &fpCurrency10};
}

void frmDet944Covid::LayOutLines() {
    SSTab1.SetTabCaption(0, "Form 944 Page 1 Part 1:");
    SSTab1.SetTabCaption(1, "Form 944 Page 2 Parts 1 and 2:");
    SSTab1.SetTabCaption(2, "Form 944 Page 3 Part 3:");

    // clang-format off
    const BoxCaption boxes[] = {
        {&Check2, "3  Check if Wages, tips, or other compensation are not subject to Fica/Medicare tax. Then go to line 5........................"},
        {&Check3, "Check if to be applied to next return"},
        {&Check4, "or Refunded"},
        {&Check6, "Check one  -  Monthly Depositor:"},
        {&Check5, "Semiweekly depositor:"},
        {&Check8, "14  If your business has closed or you stopped paying wages, check here"},
    };
    // clang-format on
    SetBoxCaptions(boxes);

    fpCurrency1.Move(11150, 120, 1300, 285);
    fpCurrency1.SetTabStop(false);

    // clang-format off
    const ControlText hints[] = {
        {&Check2,    "Check this box if wages are not subject to Fica/Medicare tax. Otherwise, leave blank."},
        {&fpLine5d1, "Enter the amount of taxable wages and tips subject to additional Medicare tax withholding of 0.9%"},
        {&fpLine17A, "If monthly depositor, enter the First month's liability."},
        {&fpLine17B, "If a montly depositor, enter the Second month's liability."},
        {&fpLine17C, "If a monthly depositor, enter the Third month's liability"},
    };
    // clang-format on
    SetHints(hints);

    // Every amount accepts at most 9,000,000,000; lines 1, 2, 6, 8g, 9 and 11
    // also accept amounts down to -9,000,000,000, line 10j down to ten times that.
    constexpr double kHighest = 9000000000.0;
    for (forms::CurrencyField* amount : {&fpLine2, &fpLine3, &fpLine9A, &fpLine11d, &fpLine12, &fpLine10}) {
        amount->SetAllowNegative(true);
        amount->SetRange(-kHighest, kHighest);
    }
    fpLine15.SetAllowNegative(true);
    fpLine15.SetRange(-10 * kHighest, kHighest);
    fpLongInteger2.SetAllowNegative(true);
    fpLongInteger2.SetRange(-2147483648LL, 2147483647LL);
}
