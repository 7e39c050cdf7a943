// The 2020 Form 941 screen's lines, one row each: the form line the field
// is, its column, where it stands, its LineAmt slots, whether Tab stops at
// it, what Add opens, the printout item of its amount, what it recomputes
// and where Enter moves on. The table's order is the tab order. Below it the
// computations of lines 11a to 15, which only this revision has.

#include "returns/f941_2020/frmDet941Covid.h"

#include "common/LineArithmetic.h"
#include "returns/f941/Form941Slots.h"

namespace {

// The slots of the lines after line 10; lines 2 to 10 and 16 keep every
// Form 941's slots.
namespace slot2020 {
// clang-format off
enum : int {
    SickPay8 = 25,
    ResearchCredit11a = 31, LeaveCredit11b = 32, RetentionCredit11c = 33, Total11d = 34, TaxAfterCredits12 = 35,
    Deposit13a = 36, Deferral13b = 37, Refund13c = 38, Refund13d = 39, Total13e = 40, Advances13f = 41,
};
// clang-format on
} // namespace slot2020

} // namespace

std::vector<ReturnLine> frmDet941Covid::Form941Lines() {
    using namespace slot941;
    using namespace slot2020;
    using T = Form941TaxLines;
    using S = frmDet941Covid;
    auto own = [this](void (S::*recompute)()) { return OnEnterAndLeave(this, recompute); };
    const LineRecompute credits = own(&S::RecomputeCredits);
    const LineRecompute deposits = own(&S::RecomputeDeposits);
    constexpr Tab kStop = Tab::Stop;
    constexpr Tab kSkip = Tab::Skip;
    constexpr Entry kKept = Entry::Untouched;
    constexpr Entry kAdd = Entry::OpenedByAdd;

    // clang-format off
    return {
        // field       line    column              page row left         width   slots             tab    entry  print recompute                          Enter moves to
        // page 0: lines 1 to 11c
        {&mskNo_Employee, "1",  "No_Employee",     {0, 0,  kColumn1, 800},     {},                kStop, kAdd,  0,   {},                                &Check2},
        {&Check2,      "4",     "Not_Subj",        {0, 0,  6200, 4400},        {},                kStop, kAdd,  0,   {},                                &fpLine2},
        {&fpLine2,     "2",     "L_2",             {0, 1,  kColumn1},          {Line2},           kStop, kAdd,  10,  OnEnterAndLeave(&taxLines_, &T::Line2_Recompute),         &fpLine3},
        {&fpLine3,     "3",     "L_3",             {0, 2,  kColumn1},          {Line3},           kStop, kAdd,  11,  OnEnterAndLeave(&taxLines_, &T::Line3_Recompute),         &fpLine6A},
        {&fpLine6A,    "5a",    "L_6A",            {0, 3,  kColumn1},          {Wages5a},         kStop, kAdd,  13,  OnEnterAndLeave(&taxLines_, &T::Line5a_Recompute),        &fpL5a1c1},
        {&fpLine6B,    "5a",    "L_6B",            {0, 3,  kColumn2},          {Tax5a},           kSkip, kKept, 14},
        {&fpL5a1c1,    "5a(i)", "L5a1c1",          {0, 4,  kColumn1},          {},                kStop, kKept, 24,  OnEnterAndLeave(&taxLines_, &T::Line5ai_Recompute),       &fpL5a2c1},
        {&fpL5a1c2,    "5a(i)", "L5a1c2",          {0, 4,  kColumn2},          {Tax5ai},          kStop, kKept, 25},
        {&fpL5a2c1,    "5a(ii)","L5a2c1",          {0, 5,  kColumn1},          {},                kStop, kKept, 26,  OnEnterAndLeave(&taxLines_, &T::Line5aii_Recompute),      &fpLine6c},
        {&fpL5a2c2,    "5a(ii)","L5a2c2",          {0, 5,  kColumn2},          {Tax5aii},         kStop, kKept, 28},
        {&fpLine6c,    "5b",    "L_6C",            {0, 6,  kColumn1},          {Tips5b},          kStop, kAdd,  15,  OnEnterAndLeave(&taxLines_, &T::Line5b_Recompute),        &fpLine7A},
        {&fpLine6D,    "5b",    "L_6D",            {0, 6,  kColumn2},          {Tax5b},           kSkip, kKept, 16},
        {&fpLine7A,    "5c",    "L_7A",            {0, 7,  kColumn1},          {Wages5c},         kStop, kAdd,  17,  OnEnterAndLeave(&taxLines_, &T::Line5c_Recompute),        &fpLine5d1},
        {&fpLine7B,    "5c",    "L_7B",            {0, 7,  kColumn2},          {Tax5c},           kSkip, kKept, 18},
        {&fpLine5d1,   "5d",    "L_12",            {0, 8,  kColumn1},          {Wages5d},         kStop, kAdd,  30,  OnEnterAndLeave(&taxLines_, &T::Line5d_Recompute),        &fpLine5f},
        {&fpLine5D2,   "5d",    "L_13",            {0, 8,  kColumn2},          {Tax5d},           kSkip, kKept, 31},
        {&fpLine8,     "5e",    "L_8",             {0, 10, kColumn2},          {Total5e},         kSkip, kKept, 19},
        {&fpLine5f,    "5f",    "L6c_ExemptWages", {0, 11, kColumn2},          {},                kStop, kKept, 0,   OnEnterAndLeave(&taxLines_, &T::Line5f_Recompute),        &fpLine9B},
        {&fpLine5,     "6",     "L_5",             {0, 12, kColumn2},          {},                kSkip, kKept, 20},
        {&fpLine9B,    "7",     "L_9B",            {0, 13, 3700},              {Adjustments},     kStop, kAdd,  21,  OnEnterAndLeave(&taxLines_, &T::Line7_Recompute),         &fpLine9A},
        {&fpLine9A,    "8",     "L_9A",            {0, 13, kColumn2},          {Adjustments, SickPay8}, kStop, kAdd, 22, OnLeaveOnly(&taxLines_, &T::Line10_Recompute), &fpLine9C},
        {&fpLine9C,    "9",     "L_9C",            {0, 14, 3700},              {Adjustments},     kStop, kAdd,  23,  OnLeaveOnly(&taxLines_, &T::Line10_Recompute),     &fpLine11a},
        // the total of lines 7 to 9, kept for line 10 only and never shown
        {&fpLine10,    "",      nullptr,           {0, 15, kColumn1},          {},                kSkip, kKept, 0},
        {&fpLine11,    "10",    "L_11",            {0, 14, kColumn2},          {Line10},          kSkip, kKept, 29},
        {&fpLine11a,   "11a",   "L11a",            {0, 16, kColumn2},          {ResearchCredit11a},       kStop, kKept, 32,  credits,                           &fpLine11b},
        {&fpLine11b,   "11b",   "L11b",            {0, 17, kColumn2},          {LeaveCredit11b},       kStop, kKept, 33,  credits,                           &fpLine11c},
        {&fpLine11c,   "11c",   "L11c",            {0, 18, kColumn2},          {RetentionCredit11c},       kStop, kKept, 34,  credits,                           &Command2},
        // page 1: lines 11d to 16
        {&fpLine11d,   "11d",   "L11d",            {1, 0,  kColumn2},          {Total11d},        kStop, kKept, 91},
        {&fpLine12,    "12",    "Line12",          {1, 1,  kColumn2},          {TaxAfterCredits12}, kStop, kAdd, 92},
        {&fpLine13a,   "13a",   "L13a",            {1, 3,  kColumn2},          {Deposit13a},      kStop, kKept, 93,   deposits,                          &fpLine13c},
        {&fpLine13b,   "13b",   "L13b",            {1, 4,  kColumn2},          {Deferral13b},     kStop, kKept, 94,   deposits,                          &fpLine13c},
        {&fpLine13c,   "13c",   "L13c",            {1, 5,  kColumn2},          {Refund13c},       kStop, kKept, 95,   deposits,                          &fpLine13d},
        {&fpLine13d,   "13d",   "L13d",            {1, 6,  kColumn2},          {Refund13d},       kStop, kKept, 96,   deposits,                          &fpLine13f},
        {&fpLine13e,   "13e",   "L13e",            {1, 7,  kColumn2},          {Total13e},        kStop, kKept, 97},
        {&fpLine13f,   "13f",   "L13f",            {1, 8,  kColumn2},          {Advances13f},     kStop, kKept, 98,   own(&S::Line13g_Recompute),        &fpLine14,
                                                                                                  EnterKeyChain::Trigger::Enter, /*leaving moves to*/ &fpLine14},
        {&fpLine14,    "13g",   "L_14",            {1, 9,  kColumn2},          {},                kStop, kAdd,  99,   own(&S::Line13g_Balance),          &fpLine17A},
        {&fpLine15,    "14",    "L_15",            {1, 10, kColumn2},          {},                kSkip, kKept, 100},
        {&fpLine16(1), "15",    "L_16",            {1, 11, kColumn2},          {},                kSkip, kKept, 101},
        {&Check3,      "15",    "Apply_Nxt",       {1, 11, 2000, 3800},        {},                kStop, kKept, 0},
        {&Check4,      "15",    "Refunded",        {1, 11, 6000, 2000},        {},                kStop, kKept, 0},
        {&Check6,      "16",    "Monthly",         {1, 14, kLabelLeft, 4000},  {},                kStop, kKept, 0,   {},                                &Check5},
        {&Check5,      "16",    "SemiWkly",        {1, 14, 4300, 3000},        {},                kStop, kKept, 0,   {},                                &Command4},
        // month 3's check decides where Enter goes
        {&fpLine17A,   "16",    "L_20_A",          {1, 15, 3000},              {Month1},          kStop, kAdd,  0,   months_.OfMonth(1),                          &fpLine17B},
        {&fpLine17B,   "16",    "L_20_B",          {1, 16, 3000},              {Month2},          kStop, kAdd,  0,   months_.OfMonth(2),                          &fpLine17C},
        {&fpLine17C,   "16",    "L_20_C",          {1, 17, 3000},              {Month3},          kStop, kAdd,  0,   months_.OfMonth(3),                            nullptr},
        {&fpLine17D,   "16",    "L_20_D",          {1, 18, 3000},              {QuarterTotal},    kStop, kKept, 0},
        // page 2: lines 17 to 25
        {&Check8,      "17",    "OutOfBusiness",   {2, 0,  kLabelLeft, 11000}, {},                kStop, kKept, 0,   {},                                &Check1},
        {&Check1,      "18",    "Seasonal",        {2, 1,  kLabelLeft, 11000}, {},                kStop, kAdd,  0,   {},                                &fpLine19},
        {&fpLine19,    "19",    "L_19",            {2, 4,  kColumn2},          {},                kStop, kKept, 84,   {},                                &fpLine20},
        {&fpLine20,    "20",    "L20",             {2, 5,  kColumn2},          {},                kStop, kKept, 85,   {},                                &fpLine21},
        {&fpLine21,    "21",    "L21",             {2, 6,  kColumn2},          {},                kStop, kKept, 86,   {},                                &fpLine22},
        {&fpLine22,    "22",    "L22",             {2, 7,  kColumn2},          {},                kStop, kKept, 87,   {},                                &fpLine23},
        // lines 24 and 25 may be reserved: the chain goes on to the next that is open
        {&fpLine23,    "23",    "L23",             {2, 8,  kColumn2},          {},                kStop, kKept, 88,   {},                                &fpLine24},
        {&fpLine24,    "24",    "L24",             {2, 10, kColumn2},          {},                kStop, kKept, 0,   {},                                &fpLine25},
        {&fpLine25,    "25",    "L25",             {2, 12, kColumn2},          {},                kStop, kKept, 0,   {},                                &cmdClose},
    };
    // clang-format on
}

void frmDet941Covid::LoadLineAmtFromFields() {
    ReturnScreen::LoadLineAmtFromFields();
    taxLines_.ShowAdjustmentsTotal();
}

// --- lines 11a to 12 ---

void frmDet941Covid::RecomputeCredits() {
    using namespace slot2020;
    LineAmt.Set(ResearchCredit11a, fpLine11a.Value());
    LineAmt.Set(LeaveCredit11b, fpLine11b.Value());
    LineAmt.Set(RetentionCredit11c, fpLine11c.Value());
    LineAmt.Set(Total11d, LineAmt[ResearchCredit11a] + LineAmt[LeaveCredit11b] + LineAmt[RetentionCredit11c]);
    WriteAmount(fpLine11d, LineAmt[Total11d]);
    LineAmt.Set(TaxAfterCredits12, LineAmt[slot941::Line10] - LineAmt[Total11d]);
    WriteAmount(fpLine12, LineAmt[TaxAfterCredits12]);
}

// --- lines 13a to 15 ---

void frmDet941Covid::RecomputeDeposits() {
    using namespace slot2020;
    LineAmt.Set(Deposit13a, fpLine13a.Value());
    LineAmt.Set(Deferral13b, fpLine13b.Value());
    LineAmt.Set(Refund13c, fpLine13c.Value());
    LineAmt.Set(Refund13d, fpLine13d.Value());
    LineAmt.Set(Total13e, LineAmt[Deposit13a] + LineAmt[Deferral13b] + LineAmt[Refund13c] + LineAmt[Refund13d]);
    WriteAmount(fpLine13e, LineAmt[Total13e]);
}

// 13g = 13e less the advances of line 13f; leaving 13f always lands on 13g.
void frmDet941Covid::Line13g_Recompute() {
    using namespace slot2020;
    LineAmt.Set(Advances13f, fpLine13f.Value());
    WriteAmount(fpLine14, LineAmt[Total13e] - LineAmt[Advances13f]);
}

void frmDet941Covid::Line13g_Balance() { WriteBalance(fpLine12.Value(), fpLine14.Value(), fpLine15, fpLine16(1)); }
