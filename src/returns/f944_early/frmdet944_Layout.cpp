// The earlier Form 944 screen's captions, hints and buttons, and the frame's
// pieces it has no use for; where each field stands is in its line table.

#include "returns/f944_early/EarlyForm944Layout.h"
#include "returns/f944_early/frmdet944.h"

using namespace layout944early;

namespace {

// The window's client area and its frame and title around it, in twips.
constexpr long kClientWidth = 10470;
constexpr long kClientHeight = kButtonTop + 900;
constexpr long kFrameWidth = 120;
constexpr long kFrameHeight = 405;

constexpr long kLineWide = kRight - kLeft - 100;
constexpr long kTaxCaptionWide = kWages - kLeft - 100;
constexpr long kRateWide = kRight - kRate - 100;

constexpr const char* kMonthCaptions[] = {"Jan.", "Feb.", "Mar.", "Apr.", "May",  "Jun.",
                                          "Jul.", "Aug.", "Sep.", "Oct.", "Nov.", "Dec."};
constexpr const char* kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                       "July",    "August",   "September", "October", "November", "December"};

} // namespace

void frmdet944::LayOutScreen() {
    SetCaption("Form 944 Data Entry");
    SetWidth(kClientWidth + kFrameWidth);
    SetHeight(kClientHeight + kFrameHeight);
    // One page, no Add, and no period on this screen.
    for (forms::Control* piece : std::initializer_list<forms::Control*>{&SSTab1, &lblQtrYr, &mskQtr_yr, &Command2,
                                                                        &Command4, &Command5, &Command6, &cmdAddNew}) {
        piece->SetVisible(false);
    }
    mskQtr_yr.SetDataField(""); // Det944 has no period column
    fpLine6E.SetVisible(false);
    fpLine6f.SetVisible(false);
    fpLine6A.SetAllowNegative(true);
    fpLine6A.SetRange(-9000000000.0, 9000000000.0);

    lblEmployer.Move(kLeft, 120, 900, 285);
    txtEmployerName.Move(1080, 120, 3700, 285);
    txtEmployerNo.Move(4900, 120, 900, 285);
    lblTaxId.SetCaption("Tax ID:");
    lblTaxId.Move(6000, 120, 700, 285);
    txtEmployerTaxId.Move(6800, 120, 1500, 285);

    // clang-format off
    const LineCaption captions[] = {
        {&lblLine1,     kOnForm, kLeft,         RowTop(0),  kLineWide,       "1  Wages and tips, and other compensation..................................................(1)"},
        {&lblLine2,     kOnForm, kLeft,         RowTop(1),  kLineWide,       "2  Total income tax withheld from wages, tips, and other compensation..............(2)"},
        {&lblLine4a,    kOnForm, kLeft,         RowTop(3),  kTaxCaptionWide, "4  Taxable social security wages"},
        {&lblRate4a,    kOnForm, kRate,         RowTop(3),  kRateWide,       " X 12.4%  (.124)   =               (4a)"},
        {&lblLine4b,    kOnForm, kLeft,         RowTop(4),  kTaxCaptionWide, "    Taxable social security tips"},
        {&lblRate4b,    kOnForm, kRate,         RowTop(4),  kRateWide,       " X 12.4%  (.124)   =               (4b)"},
        {&lblLine4c,    kOnForm, kLeft,         RowTop(5),  kTaxCaptionWide, "    Taxable Medicare wages and tips"},
        {&lblRate4c,    kOnForm, kRate,         RowTop(5),  kRateWide,       " X  2.9%   (.029)   =               (4c)"},
        {&lblLine4d,    kOnForm, kLeft,         RowTop(6),  kTaxCaptionWide, "   Total wages/tips subject to add'l Meicare. tax"},
        {&lblRate4d,    kOnForm, kRate,         RowTop(6),  kRateWide,       "X  0.9%    (.009)   =               (4d)"},
        {&lblLine4e,    kOnForm, kLeft,         RowTop(7),  kLineWide,       "4e  subtotal of column 2 from  lines 4a, 4b, 4c, and 4d.....................................(4e)"},
        {&lblLine5,     kOnForm, kLeft,         RowTop(8),  kLineWide,       "5  Total taxes before adjustments (lines 2 + 4a + 4b + 4c+ 4d = line 5)..........(5)"},
        {&lblLine6,     kOnForm, kLeft,         RowTop(9),  kLine6 - kLeft,  "6  Adjustments: Curr.Yr"},
        {&lblLine7,     kOnForm, kLine7Caption, RowTop(9),  kRight - kLine7Caption - 100, "7 Total taxes after adjustments (line 5 plus line 6)....(7)"},
        {&lblLine8,     kOnForm, kLeft,         RowTop(10), kLineWide,       "8  Qualified small business payroll tax credit for increasing research activities....(8)"},
        {&lblLine9,     kOnForm, kLeft,         RowTop(11), kLineWide,       "9  Total taxes after adjustments and credits. Subtract line 8 from line 7..........(9)"},
        {&lblLine10,    kOnForm, kLeft,         RowTop(12), kLineWide,       "10 Total deposits for the year, including overpayment applied from a prior year...[10]"},
        {&lblLine11,    kOnForm, kLeft,         RowTop(13), kLineWide,       "11  Balance due......................................................................................[11]"},
        {&lblLine12,    kOnForm, kLeft,         RowTop(14), kLine12 - kLeft, "12  Overpayment:  "},
        {&lblLine13,    kOnForm, kLeft,         RowTop(kLine13Row), 2000,    "13 Tax Liab:"},
        {&lblYearTotal, kOnForm, kRight - 400,  RowTop(MonthRow(11) - 1), 1800, "Total Liabiliy for the year:"},
    };
    // clang-format on
    PlaceCaptions(captions);
    for (int month = 0; month < 12; ++month) {
        lblMonth(month).SetCaption(kMonthCaptions[month]);
        OnPage(lblMonth(month), kOnForm, MonthCaptionLeft(month), RowTop(MonthRow(month)), kMonthCaptionWide);
    }

    const BoxCaption boxes[] = {
        {&Check2, "3 Check if Wages not subject to Fica/Medicare tax and go to line 5"},
        {&Check3, "Check if to be applied to next return"},
        {&Check4, "OR Refunded:"},
    };
    SetBoxCaptions(boxes);

    struct Button {
        forms::CommandButton* button;
        const char* caption;
    };
    const Button buttons[] = {{&cmdEditRecord, "&Edit Record"},
                              {&cmdDeleteRecord, "&Delete Record"},
                              {&cmdSaveRecord, "&Save Record"},
                              {&cmdClose, "&Close"}};
    long left = kLeft;
    for (const Button& b : buttons) {
        b.button->SetCaption(b.caption);
        b.button->Move(left, kButtonTop, 1500, 420);
        left += 1620;
    }
    DMWin2.SetCaption("Print Form 944");
    DMWin2.Move(left, kButtonTop, 1500, 420);
    datDollars.SetCaption("944 Dollars");
    datDollars.Move(left + 1620, kButtonTop, 2400, 420);

    // clang-format off
    const ControlText hints[] = {
        {&fpLine1,         "Enter the amount of Total wages, tips, and other compensation for the year."},
        {&fpLine2,         "Enter the amount of Total Federal income tax withheld from wages, tips, and other compensation during the year."},
        {&Check2,          "Check this box if wages are not subject to Fica/Medicare tax. Otherwise, leave blank."},
        {&fpLine4A,        "Enter the amount of wages subject to Social Security tax."},
        {&fpLine4B,        "Enter the amount of taxable Social Security tips."},
        {&fpLine4C,        "Enter the amount of wages, tips, and other compensation subject to Medicare tax."},
        {&fpLine6A,        "Enter the amount of current year's adjustments, if any. See Form 944 instructions."},
        {&fpLine10,        "Enter the total deposits for the year including overpayments from the prior year."},
        {&Check3,          "Check this box, if overpayment is to be applied to the next return. Otherwise, leave it blank."},
        {&Check4,          "Check this box, if the overpayment is to be refunded. Otherwise, leave it blank."},
        {&cmdEditRecord,   "Click to edit the currently displayed Form 944 record."},
        {&cmdDeleteRecord, "Click to delete the currently displayed Form 944 record."},
        {&cmdSaveRecord,   "Click to save the record being added or edited."},
        {&cmdClose,        "Click to close this screen and return to the Employer's screen."},
        {&DMWin2,          "Print the currently displayed Form 944 for this employer."},
    };
    // clang-format on
    SetHints(hints);
    const std::array<forms::CurrencyField*, 12> months = MonthFields();
    for (int month = 0; month < 12; ++month) {
        months[month]->SetToolTipText(std::string("Enter the tax liability for ") + kMonthNames[month] + ".");
    }
}
