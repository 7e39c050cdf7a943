#pragma once
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace forms {
class Control;
class CurrencyField;
} // namespace forms

// The check after the last monthly liability: the months' total must agree
// with the return's tax. A mismatch shows a notice (style 64, "Data entry
// error") and sends the focus back to the first month; a match on Enter moves
// on to the monthly-depositor box. Saving is never blocked, but Save tells
// once more of months that do not add up, since a line changed after the
// last month may have put them out of step.
//
// Enter in the last month is followed at once by that field losing the
// focus; the loss runs the check again, and the mismatch that Enter has just
// reported is not shown a second time. Nor does Save repeat the notice that
// its own click gave as it left the last month.
class MonthlyTotalCheck {
public:
    static constexpr int kMessageStyle = 64;
    static constexpr const char* kMessageTitle = "Data entry error";
    static constexpr double kTolerance = 0.009;

    // The mismatch message, or nothing when the months agree.
    using Comparison = std::function<std::optional<std::string>()>;

    // Where a passed check leaves the focus when the last month is left (on
    // Enter it always moves on to the depositor box).
    enum class OnLeavePassed { StayPut, MoveToDepositorBox };

    MonthlyTotalCheck(forms::Control& firstMonth, forms::Control& depositorBox,
                      OnLeavePassed onLeavePassed = OnLeavePassed::StayPut);

    // Round(a, 2) - Round(b, 2) > 0.009: a lies above b beyond the tolerance.
    static bool ExceedsBeyondTolerance(double a, double b);

    // Enter in the last month, after the total was recomputed.
    void OnEnter(const Comparison& compare);
    // The last month lost the focus, after the total was recomputed.
    void OnLeave(const Comparison& compare);
    // Save, or a close that stores, after the lines were recomputed: the
    // notice, with no move of the focus, unless every month is 0 (a
    // semiweekly depositor's return) or this user action has shown it.
    void AtSave(std::span<forms::CurrencyField* const> months, const Comparison& compare);

private:
    bool Report(const Comparison& compare);
    bool Notify(const Comparison& compare);

    forms::Control& firstMonth_;
    forms::Control& depositorBox_;
    OnLeavePassed onLeavePassed_;
    bool reportedOnEnter_ = false;
    std::optional<unsigned long> notifiedInAction_; // the user action that last showed the notice
};
