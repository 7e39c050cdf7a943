#include "common/MonthlyTotalCheck.h"

#include "platform/basic/Round.h"
#include "platform/forms/Application.h"
#include "platform/forms/Control.h"
#include "platform/forms/CurrencyField.h"
#include "platform/forms/Dialogs.h"

#include <algorithm>

MonthlyTotalCheck::MonthlyTotalCheck(forms::Control& firstMonth, forms::Control& depositorBox,
                                     OnLeavePassed onLeavePassed)
    : firstMonth_(firstMonth), depositorBox_(depositorBox), onLeavePassed_(onLeavePassed) {}

bool MonthlyTotalCheck::ExceedsBeyondTolerance(double a, double b) {
    return basic::Round(a, 2) - basic::Round(b, 2) > kTolerance;
}

bool MonthlyTotalCheck::Notify(const Comparison& compare) {
    std::optional<std::string> mismatch = compare();
    if (!mismatch) return false;
    forms::MsgBox(*mismatch, kMessageStyle, kMessageTitle);
    notifiedInAction_ = forms::App().UserActionNumber();
    return true;
}

bool MonthlyTotalCheck::Report(const Comparison& compare) {
    if (!Notify(compare)) return false;
    firstMonth_.SetFocus();
    return true;
}

void MonthlyTotalCheck::AtSave(std::span<forms::CurrencyField* const> months, const Comparison& compare) {
    const auto zero = [](const forms::CurrencyField* month) { return month->Value() == 0; };
    if (std::all_of(months.begin(), months.end(), zero)) return;
    if (notifiedInAction_ == forms::App().UserActionNumber()) return;
    Notify(compare);
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
