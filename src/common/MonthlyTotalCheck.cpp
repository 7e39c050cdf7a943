#include "common/MonthlyTotalCheck.h"

#include "platform/basic/Round.h"
#include "platform/forms/Control.h"
#include "platform/forms/Dialogs.h"

MonthlyTotalCheck::MonthlyTotalCheck(forms::Control& firstMonth, forms::Control& depositorBox,
                                     OnLeavePassed onLeavePassed)
    : firstMonth_(firstMonth), depositorBox_(depositorBox), onLeavePassed_(onLeavePassed) {}

bool MonthlyTotalCheck::ExceedsBeyondTolerance(double a, double b) {
    return basic::Round(a, 2) - basic::Round(b, 2) > kTolerance;
}

bool MonthlyTotalCheck::Report(const Comparison& compare) {
    std::optional<std::string> mismatch = compare();
    if (!mismatch) return false;
    forms::MsgBox(*mismatch, kMessageStyle, kMessageTitle);
    firstMonth_.SetFocus();
    return true;
}

void MonthlyTotalCheck::OnEnter(const Comparison& compare) {
    reportedOnEnter_ = Report(compare);
    if (!reportedOnEnter_) depositorBox_.SetFocus();
}

void MonthlyTotalCheck::OnLeave(const Comparison& compare) {
    if (reportedOnEnter_) {
        // The loss of focus that Enter's own move caused: already reported.
        reportedOnEnter_ = false;
        return;
    }
    if (!Report(compare) && onLeavePassed_ == OnLeavePassed::MoveToDepositorBox) depositorBox_.SetFocus();
}
