// The earlier Form 944 screen's title and employer line, its check boxes'
// captions, hints and buttons, and the frame's pieces it has no use for;
// where each field and each line's caption stand is in its line table.

#include "returns/f944_early/EarlyForm944Layout.h"
#include "returns/f944_early/frmdet944.h"

using namespace layout944early;

namespace {

// The window's client area and its frame and title around it, in twips.
constexpr long kClientWidth = 10470;
constexpr long kClientHeight = kButtonTop + 900;
constexpr long kFrameWidth = 120;
constexpr long kFrameHeight = 405;

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
