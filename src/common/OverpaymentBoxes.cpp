#include "common/OverpaymentBoxes.h"

#include "common/LineArithmetic.h"

void OverpaymentBoxes::Use(const forms::CurrencyField& overpayment, forms::CheckBox& apply, forms::CheckBox& refund) {
    overpayment_ = &overpayment;
    apply_ = &apply;
    refund_ = &refund;
}

// Judged in cents, as the line shows it.
bool OverpaymentBoxes::Overpaid() const { return overpayment_ != nullptr && Cents(overpayment_->Value()) > 0; }

bool OverpaymentBoxes::Holds(const forms::Control& box) const { return &box == apply_ || &box == refund_; }

void OverpaymentBoxes::UntickWithoutOverpayment() {
    if (!Overpaid()) Untick();
}

void OverpaymentBoxes::Untick() {
    if (apply_ == nullptr) return;
    apply_->SetValue(forms::vbUnchecked);
    refund_->SetValue(forms::vbUnchecked);
}
