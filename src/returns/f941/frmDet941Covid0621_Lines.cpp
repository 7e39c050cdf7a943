// The Form 941 screen's line computations: what each field recomputes when
// Enter is pressed in it or it loses the focus, which LineAmt slot holds
// which line, and where Enter moves on.

#include "returns/f941/frmDet941Covid0621.h"

#include "common/BalanceRule.h"
#include "platform/basic/NumberToText.h"
#include "platform/basic/Round.h"
#include "platform/basic/Strings.h"

namespace {

// LineAmt slots of the Form 941 lines.
enum Slot : int {
    kLine2 = 2, kLine3 = 3,
    k5aWages = 6, k5aTax = 7, k5bTips = 8, k5bTax = 9, k5cWages = 10, k5cTax = 11,
    k5e = 12, kAdjustments = 13, kLine10 = 15,
    kMonth1 = 21, kMonth2 = 22, kMonth3 = 23, kQuarterTotal = 24,
    k5dWages = 28, k5dTax = 29,
    kCredits11ade = 31, kCredit11b = 32, kCredit11c = 33, kLine11g = 34, kLine12 = 35,
    kPayments13aef = 36, kPayment13b = 37, kPayment13c = 38, kPayment13d = 39, kLine13g = 40, kLine13h = 41,
    k5aiTax = 43, k5aiiTax = 45,
};

constexpr double k5aRate = 0.124;
constexpr double k5aiRate = 0.062;
constexpr double k5aiiRate = 0.062;
constexpr double k5bRate = 0.124;
constexpr double k5cRate = 0.029;
constexpr double k5dRate = 0.009;

// A tax product, rounded to cents at once (half to even).
double Tax(double amount, double rate) { return basic::Round(amount * rate, 2); }

double SumOf(std::initializer_list<const forms::CurrencyField*> fields) {
    double sum = 0;
    for (const forms::CurrencyField* field : fields) sum += field->Value();
    return sum;
}

constexpr const char* kShortOfLine12 = "Oops. Line 16, column D is supposed to equal Line 12. Please review.";
constexpr const char* kAboveLine10 = "Oops. Line 17, column D is supposed to equal Line 10. Please review.";

} // namespace

void frmDet941Covid0621::BuildEnterKeyChain() {
    using Link = EnterKeyChain::Link;
    auto run = [this](void (frmDet941Covid0621::*recompute)()) { return [this, recompute] { (this->*recompute)(); }; };
    auto month = [this](int m) { return [this, m] { RecomputeMonthTotal(m); }; };
    const auto none = std::function<void()>();

    // clang-format off
    const Link links[] = {
        //  field              Enter: recompute                       leaving: recompute                     Enter moves to
        // page 0: lines 1 to 10
        {&mskNo_Employee, none,                                   none,                                   &Check2},
        {&Check2,         none,                                   none,                                   &fpLine2},
        {&fpLine2,        run(&frmDet941Covid0621::Line2_Recompute),    run(&frmDet941Covid0621::Line2_Recompute),    &fpLine3},
        {&fpLine3,        run(&frmDet941Covid0621::Line3_Recompute),    run(&frmDet941Covid0621::Line3_Recompute),    &fpLine6A},
        {&fpLine6A,       run(&frmDet941Covid0621::Line5a_Recompute),   run(&frmDet941Covid0621::Line5a_Recompute),   &fpL5a1c1},
        {&fpL5a1c1,       run(&frmDet941Covid0621::Line5ai_Recompute),  run(&frmDet941Covid0621::Line5ai_Recompute),  &fpL5a2c1},
        {&fpL5a2c1,       run(&frmDet941Covid0621::Line5aii_Recompute), run(&frmDet941Covid0621::Line5aii_Recompute), &fpLine6c},
        {&fpLine6c,       run(&frmDet941Covid0621::Line5b_Recompute),   run(&frmDet941Covid0621::Line5b_Recompute),   &fpLine7A},
        {&fpLine7A,       run(&frmDet941Covid0621::Line5c_Recompute),   run(&frmDet941Covid0621::Line5c_Recompute),   &fpLine5d1},
        {&fpLine5d1,      run(&frmDet941Covid0621::Line5d_Recompute),   run(&frmDet941Covid0621::Line5d_Recompute),   &fpLine5f},
        {&fpLine5f,       run(&frmDet941Covid0621::Line5f_Recompute),   run(&frmDet941Covid0621::Line5f_Recompute),   &fpLine9B},
        {&fpLine9B,       run(&frmDet941Covid0621::Line7_Recompute),    run(&frmDet941Covid0621::Line7_Recompute),    &fpLine9A},
        {&fpLine9A,       none,                                   run(&frmDet941Covid0621::Line10_Recompute),   &fpLine9C},
        {&fpLine9C,       none,                                   run(&frmDet941Covid0621::Line10_Recompute),   &fpLine11a},
        // lines 11a to 11g; 11d's target depends on the quarter (SetPeriodMoves)
        {&fpLine11a,      run(&frmDet941Covid0621::RecomputeCredits),   run(&frmDet941Covid0621::RecomputeCredits),   &fpLine11b},
        {&fpLine11b,      run(&frmDet941Covid0621::RecomputeCredits),   run(&frmDet941Covid0621::RecomputeCredits),   &fpLine11d},
        {&fpLine11c,      run(&frmDet941Covid0621::RecomputeCredits),   run(&frmDet941Covid0621::RecomputeCredits),   &fpLine11d},
        {&fpLine11d,      run(&frmDet941Covid0621::RecomputeCredits),   run(&frmDet941Covid0621::RecomputeCredits),   &fpL12aCobra},
        {&fpL12aCobra,    run(&frmDet941Covid0621::RecomputeCredits),   run(&frmDet941Covid0621::RecomputeCredits),   &MaskEdBox2},
        {&MaskEdBox2,     none,                                   none,                                   &Command2},
        {&fpLine11g,      none,                                   none,                                   &Command2, EnterKeyChain::Trigger::AnyKey},
        // page 1: lines 13a to 13i; 13e's target depends on the quarter
        {&fpLine13a,      run(&frmDet941Covid0621::RecomputePayments),  run(&frmDet941Covid0621::RecomputePayments),  &fpLine13c},
        {&fpLine13b,      run(&frmDet941Covid0621::RecomputePayments),  run(&frmDet941Covid0621::RecomputePayments),  &fpLine13c},
        {&fpLine13c,      run(&frmDet941Covid0621::RecomputePayments),  run(&frmDet941Covid0621::RecomputePayments),  &fpLine13e},
        {&fpLine13d,      run(&frmDet941Covid0621::RecomputePayments),  run(&frmDet941Covid0621::RecomputePayments),  &fpLine13e},
        {&fpLine13e,      run(&frmDet941Covid0621::RecomputePayments),  run(&frmDet941Covid0621::RecomputePayments),  &fpLine13f},
        {&fpLine13f,      run(&frmDet941Covid0621::RecomputePayments),  run(&frmDet941Covid0621::RecomputePayments),  &fpLine13h},
        {&fpLine13h,      run(&frmDet941Covid0621::RecomputeLine13i),   run(&frmDet941Covid0621::RecomputeLine13i),   &fpLine14,
                          EnterKeyChain::Trigger::Enter, /*leaving moves to*/ &fpLine14},
        {&fpLine14,       run(&frmDet941Covid0621::Line13i_Balance),    run(&frmDet941Covid0621::Line13i_Balance),    &fpLine17A},
        // line 16; month 3's check decides where Enter goes
        {&fpLine17A,      month(1),                               month(1),                               &fpLine17B},
        {&fpLine17B,      month(2),                               month(2),                               &fpLine17C},
        {&fpLine17C,      [this] { RecomputeMonthTotal(3); monthlyCheck_.OnEnter([this] { return CompareMonthsWithTax(); }); },
                          [this] { RecomputeMonthTotal(3); monthlyCheck_.OnLeave([this] { return CompareMonthsWithTax(); }); },
                                                                                                          nullptr},
        {&Check6,         none,                                   none,                                   &Check5},
        {&Check5,         none,                                   none,                                   &Command4},
        // page 2: lines 17 to 28
        {&Check8,         none,                                   none,                                   &MaskEdBox2},
        {&Check1,         none,                                   none,                                   &fpLine19},
        {&fpLine19,       none,                                   none,                                   &fpLine20},
        {&fpLine20,       none,                                   none,                                   &fpLine23},
        {&fpLine21,       none,                                   none,                                   &fpLine22},
        {&fpLine22,       none,                                   none,                                   &fpLine23},
        {&fpLine23,       none,                                   none,                                   &fpLine24},
        {&fpLine24,       none,                                   none,                                   &fpLine25},
        {&fpLine25,       none,                                   none,                                   &fpLine26},
        {&fpLine26,       none,                                   none,                                   &fpLine27},
        {&fpLine27,       none,                                   none,                                   &fpLine28},
        {&fpLine28,       none,                                   none,                                   &Command6},
    };
    // clang-format on
    for (const Link& link : links) chain_.Add(link);
}

void frmDet941Covid0621::SetPeriodMoves(const std::string& code) {
    // A first quarter goes on to the COBRA lines 11e and 13f; the other
    // quarters skip them. A retired line is passed over along the chain.
    const bool firstQuarter = basic::Left(code, 1) == "1";
    chain_.SetNext(fpLine11d, firstQuarter ? static_cast<forms::Control*>(&fpL12aCobra) : &fpLine11g);
    chain_.SetNext(fpLine13e, firstQuarter ? &fpLine13f : &fpLine13g);
}

void frmDet941Covid0621::WriteAmount(forms::CurrencyField& field, double amount) {
    field.SetText(basic::NumberText(amount));
}

void frmDet941Covid0621::LoadLineAmtFromFields() {
    struct SlotSource {
        int slot;
        std::initializer_list<const forms::CurrencyField*> fields;
    };
    // clang-format off
    const SlotSource sources[] = {
        {kLine2,          {&fpLine2}},
        {kLine3,          {&fpLine3}},
        {k5aWages,        {&fpLine6A}},
        {k5aTax,          {&fpLine6B}},
        {k5bTips,         {&fpLine6c}},
        {k5bTax,          {&fpLine6D}},
        {k5cWages,        {&fpLine7A}},
        {k5cTax,          {&fpLine7B}},
        {k5e,             {&fpLine8}},
        {kAdjustments,    {&fpLine9B, &fpLine9A, &fpLine9C}},
        {kLine10,         {&fpLine11}},
        {kMonth1,         {&fpLine17A}},
        {kMonth2,         {&fpLine17B}},
        {kMonth3,         {&fpLine17C}},
        {kQuarterTotal,   {&fpLine17D}},
        {k5dWages,        {&fpLine5d1}},
        {k5dTax,          {&fpLine5D2}},
        {kCredits11ade,   {&fpLine11a, &fpLine11d, &fpL12aCobra}},
        {kCredit11b,      {&fpLine11b}},
        {kCredit11c,      {&fpLine11c}},
        {kLine11g,        {&fpLine11g}},
        {kLine12,         {&fpLine12}},
        {kPayments13aef,  {&fpLine13a, &fpLine13e, &fpLine13f}},
        {kPayment13b,     {&fpLine13b}},
        {kPayment13c,     {&fpLine13c}},
        {kPayment13d,     {&fpLine13d}},
        {kLine13g,        {&fpLine13g}},
        {kLine13h,        {&fpLine13h}},
        {k5aiTax,         {&fpL5a1c2}},
        {k5aiiTax,        {&fpL5a2c2}},
    };
    // clang-format on
    for (const SlotSource& source : sources) LineAmt.Set(source.slot, SumOf(source.fields));
    WriteAmount(fpLine10, LineAmt[kAdjustments]);
}

// --- lines 2 to 10 ---

double frmDet941Covid0621::Sum5e() const {
    return LineAmt[k5aTax] + LineAmt[k5aiTax] + LineAmt[k5aiiTax] + LineAmt[k5bTax] + LineAmt[k5cTax] +
           LineAmt[k5dTax];
}

// Line 6 = line 3 + 5e + 5f, whichever of them was left.
void frmDet941Covid0621::WriteLine6() {
    WriteAmount(fpLine5, basic::Round(LineAmt[kLine3] + LineAmt[k5e] + fpLine5f.Value(), 2));
}

void frmDet941Covid0621::Line2_Recompute() {
    const double line2 = fpLine2.Value();
    // Taxable wages the user set apart from line 2 stay as they are when
    // line 2 is only passed through.
    const bool changed = !LineAmt.IsSet(kLine2) || LineAmt[kLine2] != line2;
    LineAmt.Set(kLine2, line2);
    if (changed) {
        LineAmt.Set(k5aWages, line2);
        WriteAmount(fpLine6A, line2);
        LineAmt.Set(k5cWages, line2);
        WriteAmount(fpLine7A, line2);
    }
    LineAmt.Set(k5aTax, Tax(LineAmt[k5aWages], k5aRate));
    WriteAmount(fpLine6B, LineAmt[k5aTax]);
    LineAmt.Set(k5cTax, Tax(LineAmt[k5cWages], k5cRate));
    WriteAmount(fpLine7B, LineAmt[k5cTax]);
}

void frmDet941Covid0621::Line3_Recompute() {
    LineAmt.Set(kLine3, fpLine3.Value());
    WriteLine6();
}

void frmDet941Covid0621::Line5a_Recompute() {
    LineAmt.Set(k5aWages, fpLine6A.Value());
    LineAmt.Set(k5aTax, Tax(LineAmt[k5aWages], k5aRate));
    WriteAmount(fpLine6B, LineAmt[k5aTax]);
    LineAmt.Set(k5e, Sum5e());
}

void frmDet941Covid0621::Line5ai_Recompute() {
    WriteAmount(fpL5a1c2, Tax(fpL5a1c1.Value(), k5aiRate));
    LineAmt.Set(k5aiTax, fpL5a1c2.Value());
    LineAmt.Set(k5aiiTax, fpL5a2c2.Value());
    LineAmt.Set(k5e, Sum5e());
}

void frmDet941Covid0621::Line5aii_Recompute() {
    WriteAmount(fpL5a2c2, Tax(fpL5a2c1.Value(), k5aiiRate));
    LineAmt.Set(k5aiiTax, fpL5a2c2.Value());
    LineAmt.Set(k5e, Sum5e());
}

void frmDet941Covid0621::Line5b_Recompute() {
    LineAmt.Set(k5bTips, fpLine6c.Value());
    LineAmt.Set(k5bTax, Tax(LineAmt[k5bTips], k5bRate));
    WriteAmount(fpLine6D, LineAmt[k5bTax]);
}

void frmDet941Covid0621::Line5c_Recompute() {
    LineAmt.Set(k5cWages, fpLine7A.Value());
    LineAmt.Set(k5cTax, Tax(LineAmt[k5cWages], k5cRate));
    WriteAmount(fpLine7B, LineAmt[k5cTax]);
}

void frmDet941Covid0621::Line5d_Recompute() {
    WriteAmount(fpLine5D2, Tax(fpLine5d1.Value(), k5dRate));
    LineAmt.Set(k5dWages, fpLine5d1.Value());
    LineAmt.Set(k5dTax, Tax(LineAmt[k5dWages], k5dRate));
    LineAmt.Set(k5e, Sum5e());
    WriteAmount(fpLine8, LineAmt[k5e]);
    WriteLine6();
}

void frmDet941Covid0621::Line5f_Recompute() {
    WriteAmount(fpLine5f, basic::Round(fpLine5f.Value(), 2));
    WriteLine6();
}

// Line 7 brings the hidden total of the adjustments up to date; line 10
// follows when line 8 or 9 is left.
void frmDet941Covid0621::Line7_Recompute() {
    LineAmt.Set(kAdjustments, SumOf({&fpLine9B, &fpLine9A, &fpLine9C}));
    WriteAmount(fpLine10, LineAmt[kAdjustments]);
}

void frmDet941Covid0621::Line10_Recompute() {
    Line7_Recompute();
    LineAmt.Set(kLine10, fpLine5.Value() + LineAmt[kAdjustments]);
    WriteAmount(fpLine11, LineAmt[kLine10]);
}

// --- lines 11a to 12 ---

void frmDet941Covid0621::RecomputeCredits() {
    LineAmt.Set(kCredits11ade, SumOf({&fpLine11a, &fpLine11d, &fpL12aCobra}));
    LineAmt.Set(kCredit11b, fpLine11b.Value());
    LineAmt.Set(kCredit11c, fpLine11c.Value());
    LineAmt.Set(kLine11g, LineAmt[kCredits11ade] + LineAmt[kCredit11b] + LineAmt[kCredit11c]);
    WriteAmount(fpLine11g, LineAmt[kLine11g]);
    LineAmt.Set(kLine12, LineAmt[kLine10] - LineAmt[kLine11g]);
    WriteAmount(fpLine12, LineAmt[kLine12]);
}

// --- lines 13a to 15 ---

void frmDet941Covid0621::RecomputePayments() {
    LineAmt.Set(kPayments13aef, SumOf({&fpLine13a, &fpLine13e, &fpLine13f}));
    LineAmt.Set(kPayment13b, fpLine13b.Value());
    LineAmt.Set(kPayment13c, fpLine13c.Value());
    LineAmt.Set(kPayment13d, fpLine13d.Value());
    LineAmt.Set(kLine13g,
                LineAmt[kPayments13aef] + LineAmt[kPayment13b] + LineAmt[kPayment13c] + LineAmt[kPayment13d]);
    WriteAmount(fpLine13g, LineAmt[kLine13g]);
}

void frmDet941Covid0621::RecomputeLine13i() {
    LineAmt.Set(kLine13h, fpLine13h.Value());
    WriteAmount(fpLine14, LineAmt[kLine13g] - LineAmt[kLine13h]);
}

void frmDet941Covid0621::Line13i_Balance() {
    BalanceOutcome outcome = ApplyBalanceRule(fpLine12.Value(), fpLine14.Value());
    WriteAmount(fpLine15, outcome.balanceDue);
    WriteAmount(fpLine16(1), outcome.overpayment);
    if (outcome.overpaidFlag) OverpaidFlag = *outcome.overpaidFlag;
}

// --- line 16 ---

void frmDet941Covid0621::RecomputeMonthTotal(int month) {
    const forms::CurrencyField* months[] = {&fpLine17A, &fpLine17B, &fpLine17C};
    LineAmt.Set(kMonth1 + month - 1, months[month - 1]->Value());
    LineAmt.Set(kQuarterTotal, LineAmt[kMonth1] + LineAmt[kMonth2] + LineAmt[kMonth3]);
    WriteAmount(fpLine17D, LineAmt[kQuarterTotal]);
}

// The months' total may not fall short of line 12 nor exceed line 10.
std::optional<std::string> frmDet941Covid0621::CompareMonthsWithTax() const {
    const double total = fpLine17D.Value();
    if (MonthlyTotalCheck::ExceedsBeyondTolerance(fpLine12.Value(), total)) return std::string(kShortOfLine12);
    if (MonthlyTotalCheck::ExceedsBeyondTolerance(total, fpLine11.Value())) return std::string(kAboveLine10);
    return std::nullopt;
}
