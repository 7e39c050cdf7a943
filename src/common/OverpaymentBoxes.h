#pragma once
// The overpayment's two boxes of a return (line 15 of the Form 941, line 12
// of the Form 944): apply the overpayment to the next return, or refund it.
// They ask for something only while the return shows an overpayment, so a
// return that shows none is stored and printed with neither ticked.
#include "platform/forms/Forms.h"

class OverpaymentBoxes {
public:
    void Use(const forms::CurrencyField& overpayment, forms::CheckBox& apply, forms::CheckBox& refund);

    // The overpayment line shows more than 0 (an empty line shows nothing).
    bool Overpaid() const;
    // Whether the box is one of the two: a box of another line is never one.
    bool Holds(const forms::Control& box) const;
    // Unticks both when the return shows no overpayment.
    void UntickWithoutOverpayment();
    // Unticks both, whatever the overpayment.
    void Untick();

private:
    const forms::CurrencyField* overpayment_ = nullptr;
    forms::CheckBox* apply_ = nullptr;
    forms::CheckBox* refund_ = nullptr;
};
