// The earlier Form 941 screens' lines, one row each: the line the field is on
// frmDet941, its column, its place in twips, its LineAmt slots, whether Tab
// stops at it, what Add opens, the formula of a computed line (or a field's
// own Enter work) and where Enter moves on. The twin's places come from its
// design; its Enter chain passes from line 10 straight to the deposits, and
// its line 13 after the deposits is frmDet941's line 12.

#include "returns/f941_early/EarlyForm941Screen.h"
#include "returns/f941_early/EarlyForm941Slots.h"

#include "common/LineArithmetic.h"
#include "platform/basic/Round.h"

using namespace slot941early;

namespace {

double Cents(const forms::CurrencyField& line) { return basic::Round(line.Value(), 2); }

} // namespace

std::vector<ReturnLine> EarlyForm941Screen::EarlyLines() {
    using S = EarlyForm941Screen;
    auto enter = [this](void (S::*work)()) { return LineRecompute{[this, work] { (this->*work)(); }, {}}; };
    const bool credit = design_.showsCreditAndTotalTax;
    // Line 2's wages are the taxable wages of 5a and 5c when line 2 changes.
    const LineRecompute line2Wages = FilledFrom(fpLine2);
    const LineRecompute line5e = TotalOf({&fpLine6B, &fpLine6D, &fpLine7B, &fpLine5D2});
    const LineRecompute line6 = Computed({&fpLine3, &fpLine8, &fpCurrency1}, [this] {
        return basic::Round(SumOf({&fpLine3, &fpLine8, &fpCurrency1}), 2);
    });
    // 5f is brought to cents on Enter and on leaving it.
    const LineRecompute line5f{[this] { Line5fToCents(); }, [this] { Line5fToCents(); }};
    // frmDet941's line 12 is line 10 less the credit of line 11; the twin's
    // hidden line 13 of an older layout is the deposits plus its line 12a.
    const LineRecompute line12or13 =
        credit ? Computed({&fpLine11, &fpLine12a}, [this] { return Cents(fpLine11) - Cents(fpLine12a); })
               : Computed({&fpLine14, &fpLine12a}, [this] { return Cents(fpLine14) + Cents(fpLine12a); });
    constexpr Tab kStop = Tab::Stop;
    constexpr Tab kSkip = Tab::Skip;
    constexpr Entry kKept = Entry::Untouched;
    constexpr Entry kAdd = Entry::OpenedByAdd;
    forms::Control* afterLine9 = credit ? static_cast<forms::Control*>(&fpLine12a) : &fpLine14;

    // clang-format off
    std::vector<ReturnLine> lines = {
        // field          line   column                   place (left, top, width, height)  slots                         tab    entry   print recompute                  Enter moves to
        {&Check1,         "", {},    "Seasonal",              OnForm(1680, 480, 2775, 255),   {},                               kStop, kAdd,   0,   {},                          &mskNo_Employee},
        {&mskNo_Employee, "1", {},   "No_Employee",           OnForm(8760, 480, 735, 300),    {},                               kStop, kAdd,   0,   {},                          &fpLine2},
        {&fpLine2,        "2", {},   "L_2",                   OnForm(3960, 840, 1215, 300),   {Line2},                          kStop, kAdd,   10,  {},                          &fpLine3},
        {&fpLine3,        "3", {},   "L_3",                   OnForm(8760, 840, 1215, 300),   {Line3},                          kStop, kAdd,   11,  {},                          &fpLine6A},
        {&fpLine6A,       "5a", {},  "L_6A",                  OnForm(3960, 1320, 1215, 300),  {Wages5a},                        kStop, kAdd,   13,  line2Wages,                  &fpLine6c},
        {&fpLine6B,       "5a", {},  "L_6B",                  OnForm(7440, 1320, 1215, 300),  {Tax5a},                          kSkip, kKept,  14,  TaxAt(fpLine6A, rate::SocialSecurity)},
        {&fpLine6c,       "5b", {},  "L_6C",                  OnForm(3960, 1680, 1215, 300),  {Tips5b},                         kStop, kAdd,   15,  {},                          &fpLine7A},
        {&fpLine6D,       "5b", {},  "L_6D",                  OnForm(7440, 1680, 1215, 300),  {Tax5b},                          kSkip, kKept,  16,  TaxAt(fpLine6c, rate::SocialSecurity)},
        {&fpLine7A,       "5c", {},  "L_7A",                  OnForm(3960, 2040, 1215, 300),  {Wages5c},                        kStop, kAdd,   17,  line2Wages,                  &fpLine5d1},
        {&fpLine7B,       "5c", {},  "L_7B",                  OnForm(7440, 2040, 1215, 300),  {Tax5c},                          kSkip, kKept,  18,  TaxAt(fpLine7A, rate::Medicare)},
        {&fpLine5d1,      "5d", {},  "L_12",                  OnForm(3960, 2520, 1215, 300),  {Wages5d},                        kSkip, kAdd,   30,  {},                          &Check2},
        {&fpLine5D2,      "5d", {},  "L_13",                  OnForm(7440, 2520, 1215, 300),  {Tax5d},                          kSkip, kKept,  31,  TaxAt(fpLine5d1, rate::AdditionalMedicare)},
        {&Check2,         "4", {},   "Not_Subj",              OnForm(120, 3000, 3135, 255),   {},                               kStop, kAdd,   0,   {},                          &fpCurrency1},
        {&fpLine8,        "5e", {},  "L_8",                   OnForm(7440, 2880, 1215, 300),  {Total5e},                        kSkip, kKept,  19,  line5e},
        {&fpCurrency1,    "5f", {},  "L6c_ExemptWages",       OnForm(8760, 3240, 1215, 300),  {},                               kStop, kKept,  27,  line5f,                      &fpLine9B},
        {&fpLine5,        "6", {},   "L_5",                   OnForm(8760, 3600, 1215, 300),  {},                               kSkip, kKept,  20,  line6},
        {&fpLine9B,       "7", {},   "L_9B",                  OnForm(4920, 4080, 1215, 300),  {Adjustments},                    kStop, kAdd,   21,  {},                          &fpLine9A},
        {&fpLine9A,       "8", {},   "L_9A",                  OnForm(8760, 4080, 1215, 300),  {Adjustments, SickPay},           kStop, kAdd,   22,  {},                          &fpLine9C},
        {&fpLine9C,       "9", {},   "L_9C",                  OnForm(4920, 4440, 1215, 300),  {Adjustments},                    kStop, kAdd,   23,  {},                          afterLine9},
        {&fpLine10,       "", {},    "L_10",                  OnForm(8760, 4440, 1215, 300),  {},                               kSkip, kKept,  0,   TotalOf({&fpLine9B, &fpLine9A, &fpLine9C})},
        {&fpLine11,       "10", {},  "L_11",                  OnForm(8760, 4920, 1215, 300),  {Line6AndAdjustments, Line10},    kSkip, kKept,  29,  TotalOf({&fpLine5, &fpLine10})},
        {&fpLine12a,      "11", {},  "L12aCobra",             OnForm(5160, 5220, 1215, 300),  {},                               kStop, credit ? kAdd : kKept,
                                                                                                                                               24,   {},                          &fpLine14},
        {&fpLine11and12a, "12", {},  "L13TotalPayments",      OnForm(8760, 5520, 1215, 300),  {},                               kSkip, kKept,  0,   line12or13},
        // the deposits' balance decides where Enter goes
        {&fpLine14,       "13", {},  "L_14",                  OnForm(8760, 5820, 1215, 300),  {Deposits},                       kStop, kAdd,   32,  enter(&S::Deposits_Enter),   nullptr},
        {&fpLine15,       "14", {},  "L_15",                  OnForm(8760, 6120, 1215, 300),  {},                               kSkip, kKept,  33,  BalanceDueOf(TotalTax(), fpLine14)},
        {&fpLine16,       "15", {},  "L_16",                  OnForm(3480, 6480, 1215, 300),  {},                               kSkip, kKept,  34,  OverpaymentOf(TotalTax(), fpLine14)},
        {&Check3,         "15", {},  "Apply_Nxt",             OnForm(4920, 6480, 3135, 255),  {},                               kStop, kAdd,   0,   {},                          &Check4},
        {&Check4,         "15", {},  "Refunded",              OnForm(8160, 6480, 1455, 255),  {},                               kStop, kAdd,   0,   {},                          &Check5},
        {&Check5,         "16", {},  "SemiWkly",              OnForm(4320, 6840, 2895, 255),  {},                               kStop, kAdd,   0,   {},                          &Check6},
        {&Check6,         "16", {},  "Monthly",               OnForm(7440, 6840, 2655, 255),  {},                               kStop, kAdd,   0,   {},                          &fpLine17A},
        {&fpLine17A,      "16a", {}, "L_20_A",                OnForm(1080, 7080, 1215, 300),  {Month1},                         kStop, kAdd,   0,   {},                          &fpLine17B},
        {&fpLine17B,      "16b", {}, "L_20_B",                OnForm(3240, 7080, 1215, 300),  {Month2},                         kStop, kAdd,   0,   {},                          &fpLine17C},
        // the month check decides where Enter goes
        {&fpLine17C,      "16c", {}, "L_20_C",                OnForm(5400, 7080, 1215, 300),  {Month3},                         kStop, kAdd,   0,   enter(&S::Month3_Enter),     nullptr},
        {&fpLine17D,      "16d", {}, "L_20_D",                OnForm(7560, 7080, 1215, 300),  {QuarterTotal},                   kSkip, kKept,  0,   TotalOf({&fpLine17A, &fpLine17B, &fpLine17C})},
        // lines of older layouts, bound and never shown
        {&fpLongInt1,     "12b", {}, "L12bCobraIndividuals",  OnForm(6480, 5220, 1215, 300),  {},                               kStop, kKept,  0,   {},                          &fpLine12a},
        {&fpLongInt2,     "6a", {},  "L6a_NoEmployees",       OnForm(6480, 3960, 1215, 300),  {},                               kSkip, kKept,  0,   {},                          &fpLongInt3},
        {&fpLongInt3,     "6b", {},  "L6b_NoEmployees",       OnForm(6480, 4320, 1215, 300),  {},                               kSkip, kKept,  0,   {},                          &fpCurrency1},
        {&fpCurrency2,    "6d", {},  "L6d_ExemptTaxes",       OnForm(6480, 4680, 1215, 300),  {},                               kSkip, kKept,  28},
        {&fpLongInt4,     "12c", {}, "L12c_ExemptIndividuals",OnForm(5160, 5520, 1215, 300),  {},                               kStop, kKept,  0,   {},                          &fpCurrency3},
        {&fpCurrency3,    "12d", {}, "L12d_ExemptWages",      OnForm(5160, 5820, 1215, 300),  {},                               kStop, kKept,  38},
        {&fpCurrency4,    "12e", {}, "L12e",                  OnForm(6480, 5820, 1215, 300),  {},                               kSkip, kKept,  39},
    };
    // clang-format on

    // The design's own places for the fields that stand elsewhere on it.
    for (const ControlPlace& moved : design_.movedControls) {
        for (ReturnLine& line : lines) {
            if (line.field->Name() == moved.control) {
                line.place = OnForm(moved.left, moved.top, moved.width, moved.height);
            }
        }
    }
    return lines;
}
