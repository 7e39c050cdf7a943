// The Form 941 screen's captions, hints and the amounts its fields accept;
// where each field stands is in its line table.

#include "returns/f941/frmDet941Covid0621.h"

#include "returns/f941/Form941Hints.h"

namespace {

constexpr long Row(int row) { return LineTop(row); }

} // namespace

frmDet941Covid0621::frmDet941Covid0621() : ReturnScreen("frmDet941Covid0621") {
    SetCaption("Form 941- Data Entry");
    LayOutLines();
    UseLines(Form941Lines());
    UseOverpaymentBoxes(fpLine16(1), Check3, Check10);
    WirePrint([this] { DMWin2_PrintRequest(); });
}

void frmDet941Covid0621::LayOutLines() {
    SSTab1.SetTabCaption(0, "Form 941 Page 1 Part 1:");
    SSTab1.SetTabCaption(1, "Form 941 Page 2 Parts 1 and 2:");
    SSTab1.SetTabCaption(2, "Form 941 Page 3 Part 3:");

    lblTaxId.SetCaption("Tax ID:");
    lblTaxId.Move(5400, 120, 1100, 285);

    // Texts of the pages that caption no line (the lines' own stand in their rows).
    // clang-format off
    const LineCaption headers[] = {
        {&lblLine16, 1, kLabelLeft, Row(13), 5000, "16  Monthly Summary of Fed. Tax Liability:"},
    };
    // clang-format on
    PlaceCaptions(headers);

    // clang-format off
    const BoxCaption boxes[] = {
        {&Check2,  "Check if Wages not subject to Fica/Medicare:"},
        {&Check3,  "Check if to be applied to next return"},
        {&Check10, "or Refunded"},
        {&Check6,  "Check one  -  Monthly Depositor:"},
        {&Check5,  "Semiweekly depositor:"},
        {&Check8,  "17  If your business has closed or you stopped paying wages, check here"},
        {&Check1,  "18a If you are a seasonal employer, check here"},
        {&Check9,  "18b If you are eligible for the employee retention credit solely as a recovery startup business, check here"},
    };
    // clang-format on
    SetBoxCaptions(boxes);

    // The total of the adjustments is kept for line 10 only; nobody sees it.
    fpLine10.SetVisible(false);

    mskNo_Employee.SetMask("99999");
    mskNo_Employee.SetMaxLength(5);
    MaskEdBox2.SetMask("99999");
    MaskEdBox2.SetMaxLength(5);

    // Outside the pages, on the frame's row of buttons.
    Check4.Move(9500, 120, 300, 285);
    MaskEdBox1.SetMaxLength(64);
    MaskEdBox1.Move(9900, 120, 1200, 285);
    fpCurrency1.Move(11150, 120, 1300, 285);
    for (forms::Control* unused : std::initializer_list<forms::Control*>{&Check4, &MaskEdBox1, &fpCurrency1}) {
        unused->SetTabStop(false);
    }

    SetHints(Form941FieldHints());

    // Every amount accepts at most 9,000,000,000; these also accept amounts
    // down to -9,000,000,000, and line 11d up to 9,999,999,999.
    constexpr double kHighest = 9000000000.0;
    for (forms::CurrencyField* amount : {&fpLine2, &fpLine3, &fpLine9B, &fpLine9A, &fpLine9C, &fpLine10, &fpLine11g,
                                         &fpLine12, &fpLine26, &fpLine27, &fpLine28}) {
        amount->SetAllowNegative(true);
        amount->SetRange(-kHighest, kHighest);
    }
    fpLine11d.SetRange(fpLine11d.Min(), 9999999999.0);
}
