// The 2020 Form 941 screen's tab and header captions, hints, the amounts its
// fields accept and the controls it places but never uses; where each field
// and its captions stand is in its line table.

#include "returns/f941_2020/frmDet941Covid.h"

#include "common/DottedCaption.h"
#include "returns/f941/Form941Hints.h"

#include <string>

namespace {

constexpr long Row(int row) { return LineTop(row); }

} // namespace

frmDet941Covid::frmDet941Covid() : ReturnScreen("frmDet941Covid") {
    SetCaption("Form 941- Data Entry");
    LayOutCaptions();
    SetAmountLimits();
    UseLines(Form941Lines());
    UseOverpaymentBoxes(fpLine16(1), Check3, Check4);
    Command4.Click = [this] { Command4_Click(); };
    WirePrint([this] { DMWin2_PrintRequest(); });
}

void frmDet941Covid::LayOutCaptions() {
    SSTab1.SetTabCaption(0, "Form 941 Page 1 Part 1:");
    SSTab1.SetTabCaption(1, "Form 941 Page 2 Parts 1 and 2:");
    SSTab1.SetTabCaption(2, "Form 941 Page 3 Part 3:");

    lblTaxId.SetCaption("Tax ID:");
    lblTaxId.Move(5400, 120, 1100, 285);
    // The row's employer number is shown, never typed over.
    txtEmployerNo.SetEnabled(false);
    mskQtr_yr.SetTabStop(false);

    // Texts of the pages that caption no line (the lines' own stand in their rows).
    // clang-format off
    const LineCaption headers[] = {
        {&Label38, 1, kLabelLeft, Row(13), 5000, "16  Monthly Summary of Fed. Tax Liability:"},
    };
    // clang-format on
    PlaceCaptions(headers);
    // Line 17's last two caption lines are never shown.
    Label59.SetVisible(false);
    Label60.SetVisible(false);

    // clang-format off
    const BoxCaption boxes[] = {
        {&Check2, "Check if Wages not subject to Fica/Medicare:"},
        {&Check3, "Check if to be applied to next return"},
        {&Check4, "or Refunded"},
        {&Check6, "Check one  -  Monthly Depositor:"},
        {&Check5, "Semiweekly depositor:"},
        {&Check8, DottedCaption("17 If your business has closed or you stopped paying wages, Check here", 79)},
        {&Check1, DottedCaption("18 If you're a seasonal employer and you don't have to file a return for every quarter of the year, Check here", 24)},
    };
    // clang-format on
    SetBoxCaptions(boxes);

    mskNo_Employee.SetMask("99999");
    mskNo_Employee.SetMaxLength(5);

    SetHints(Form941FieldHints());

    // Placed on the screen but never shown or used.
    fpCurrency1.Move(9900, 120, 1300, 285);
    Check7.SetCaption("Check7");
    Check7.Move(11300, 120, 300, 285);
    Label7.SetCaption("Label7");
    Label7.Move(11700, 120, 600, 285);
    for (forms::Control* unused : std::initializer_list<forms::Control*>{&fpCurrency1, &Check7, &Label7}) {
        unused->SetVisible(false);
        unused->SetEnabled(false);
        unused->SetTabStop(false);
    }
}

// Every amount accepts 0 to 9,000,000,000; these also accept amounts down to
// -9,000,000,000. Code writes any result, a negative one too.
void frmDet941Covid::SetAmountLimits() {
    fpLine10.SetVisible(false);
    for (forms::CurrencyField* amount :
         {&fpLine2, &fpLine3, &fpLine9B, &fpLine9A, &fpLine9C, &fpLine12, &fpLine10, &fpCurrency1}) {
        amount->SetAllowNegative(true);
    }
}
