// Line 10 (deposits and refundable credits), the balance due or overpayment
// of lines 11 and 12, the twelve monthly liabilities of line 13 with the
// year's check against line 9, and the Enter chain through lines 15 to 26.

#include "returns/f944/frmDet944Covid.h"

#include "common/BalanceRule.h"
#include "common/LineArithmetic.h"
#include "platform/basic/Round.h"
#include "returns/f944/Form944Slots.h"

using namespace slot944;

namespace {

constexpr const char* kYearTotalDiffers =
    "Oops. The total liability for the year is supposed to equal Line 9. Please review.";

} // namespace

void frmDet944Covid::ChainPayments() {
    using Link = EnterKeyChain::Link;
    const auto none = std::function<void()>();
    const auto line10h = [this] { Line10h_Recompute(); };
    const auto line10j = [this] { Line10j_Recompute(); };
    constexpr auto onEnter = EnterKeyChain::Trigger::Enter;

    // Enter passes 10e by (Enter in 10e joins at 10f); leaving 10a to 10g
    // moves on as Enter does. 10j's Enter decides its move by the balance.
    // clang-format off
    const Link links[] = {
        //  field       Enter: recompute              leaving: recompute   Enter moves to
        {&fpLine13a, none,                          line10h,             &fpLine13d, onEnter, &fpLine13d},
        {&fpLine13d, line10h,                       line10h,             &fpLine13b, onEnter, &fpLine13b},
        {&fpLine13e, line10h,                       line10h,             &fpLine13b, onEnter, &fpLine13b},
        {&fpLine13b, line10h,                       line10h,             &fpLine13c, onEnter, &fpLine13c},
        {&fpLine13c, line10h,                       line10h,             &fpLine14,  onEnter, &fpLine14},
        {&fpLine14,  line10j,                       line10j,             &fpLine15},
        {&fpLine15,  [this] { Line10j_Balance(); }, none,                nullptr},
    };
    // clang-format on
    for (const Link& link : links) chain_.Add(link);
}

void frmDet944Covid::ChainMonths() {
    using Link = EnterKeyChain::Link;
    const std::array<forms::CurrencyField*, 12> months = MonthFields();
    auto total = [this](int month) { return [this, month] { RecomputeYearTotal(month); }; };
    for (int month = 1; month <= 11; ++month) {
        forms::Control* next = months[month];
        // From month 3 on, leaving a month always moves to the next one, so
        // the months can only be left through month 12 and the year check.
        forms::Control* leavingMovesTo = month >= 3 ? next : nullptr;
        chain_.Add(Link{months[month - 1], total(month), total(month), next, EnterKeyChain::Trigger::Enter,
                        leavingMovesTo});
    }
    chain_.Add(Link{&fpCurrency10, [this] { Month12_Enter(); }, [this] { Month12_Leave(); }, nullptr});
}

void frmDet944Covid::ChainPart3() {
    using Link = EnterKeyChain::Link;
    const auto none = std::function<void()>();
    constexpr auto onEnter = EnterKeyChain::Trigger::Enter;
    // Enter in line 16 passes the reserved lines 17 and 18; the reserved lines
    // 25 and 26 form a chain of their own.
    // clang-format off
    const Link links[] = {
        {&fpLine19,     none, none, &fpLine20},
        {&fpLine20,     none, none, &fpLine23},
        {&fpLine21,     none, none, &fpLine22},
        {&fpLine22,     none, none, &fpLine23},
        {&fpLine23,     none, none, &fpCurrency11},
        {&fpCurrency11, none, none, &fpCurrency12},
        {&fpCurrency12, none, none, &fpCurrency13},
        {&fpCurrency13, none, none, &fpCurrency14},
        {&fpCurrency14, none, none, &fpCurrency15},
        {&fpCurrency15, none, none, &Command6, onEnter, &Command6},
        {&fpCurrency16, none, none, &fpCurrency17},
        {&fpCurrency17, none, none, &Command6, onEnter, &Command6},
    };
    // clang-format on
    for (const Link& link : links) chain_.Add(link);
}

// 10h is rebuilt from the five fields as they stand every time.
void frmDet944Covid::Line10h_Recompute() {
    LineAmt.Set(Deposits10a, fpLine13a.Value());
    LineAmt.Set(Credit10f, fpLine13b.Value());
    LineAmt.Set(Credit10g, fpLine13c.Value());
    LineAmt.Set(Credit10d, fpLine13d.Value());
    LineAmt.Set(Reserved10e, fpLine13e.Value());
    LineAmt.Set(Total10h, 0);
    for (int part : {Deposits10a, Credit10f, Credit10g, Credit10d, Reserved10e}) {
        LineAmt.Set(Total10h, LineAmt[Total10h] + LineAmt[part]);
    }
    WriteAmount(fpLine13f, LineAmt[Total10h]);
}

void frmDet944Covid::Line10j_Recompute() {
    LineAmt.Set(Reserved10i, fpLine14.Value());
    WriteAmount(fpLine15, LineAmt[Total10h] - LineAmt[Reserved10i]);
}

// Lines 11 and 12 from line 9 and 10j as they stand (10j may be overtyped).
void frmDet944Covid::Line10j_Balance() {
    BalanceOutcome outcome = ApplyBalanceRule(fpLine12.Value(), fpLine15.Value());
    WriteAmount(fpLine10, outcome.balanceDue);
    WriteAmount(fpLine16(1), outcome.overpayment);
    if (outcome.overpaidFlag) OverpaidFlag = *outcome.overpaidFlag;
    if (OverpaidFlag != "N") {
        Check3.SetFocus();
    } else {
        fpLine17A.SetFocus();
    }
}

void frmDet944Covid::RecomputeYearTotal(int month) {
    const std::array<forms::CurrencyField*, 12> months = MonthFields();
    LineAmt.Set(MonthSlot(month), months[month - 1]->Value());
    LineAmt.Set(YearTotal, 0);
    for (int m = 1; m <= 12; ++m) LineAmt.Set(YearTotal, LineAmt[YearTotal] + LineAmt[MonthSlot(m)]);
    WriteAmount(fpLine17D, LineAmt[YearTotal]);
}

// The year's total must equal line 9 to the cent, in either direction.
std::optional<std::string> frmDet944Covid::CompareYearWithLine9() {
    const double line9 = fpLine12.Value();
    const double total = fpLine17D.Value();
    if (MonthlyTotalCheck::ExceedsBeyondTolerance(line9, total) ||
        MonthlyTotalCheck::ExceedsBeyondTolerance(total, line9)) {
        return std::string(kYearTotalDiffers);
    }
    return std::nullopt;
}

void frmDet944Covid::Month12_Enter() {
    RecomputeYearTotal(12);
    yearCheck_.OnEnter([this] { return CompareYearWithLine9(); });
}

// Leaving month 12 checks the year again; unlike the quarterly screen, a
// passed check moves on to the monthly-depositor box here too.
void frmDet944Covid::Month12_Leave() {
    RecomputeYearTotal(12);
    yearCheck_.OnLeave([this] { return CompareYearWithLine9(); });
    if (!CompareYearWithLine9()) Check6.SetFocus();
}
