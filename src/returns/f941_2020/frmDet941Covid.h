#pragma once
// The Form 941 screen of the 2020 revision, with the COVID lines (qualified
// sick and family leave wages, the employee retention credit, the deferral
// of the employer's social security tax, the Form 7200 advances) and lines 19
// to 25 of Part 3. It opens on the current employer's row for the period
// chosen on the employer screen.

#include "common/ReturnScreen.h"
#include "returns/f941/Form941TaxLines.h"

#include <string>
#include <vector>

class frmDet941Covid : public ReturnScreen {
public:
    frmDet941Covid();

    // --- page 0: lines 1 to 11c ---
    forms::ControlArray<forms::Label> Label5{*this, "Label5", {0, 1}}; // line 1's and line 2's captions
    forms::MaskedField mskNo_Employee{*this, "mskNo_Employee"};
    forms::CheckBox Check2{*this, "Check2"};
    forms::CurrencyField fpLine2{*this, "fpLine2"};
    forms::Label Label6{*this, "Label6"};
    forms::CurrencyField fpLine3{*this, "fpLine3"};
    forms::Label Label9{*this, "Label9"};
    forms::CurrencyField fpLine6A{*this, "fpLine6A"};
    forms::Label Label10{*this, "Label10"};
    forms::CurrencyField fpLine6B{*this, "fpLine6B"};
    forms::Label Label8{*this, "Label8"};
    forms::CurrencyField fpL5a1c1{*this, "fpL5a1c1"};
    forms::Label Label17{*this, "Label17"};
    forms::CurrencyField fpL5a1c2{*this, "fpL5a1c2"};
    forms::Label Label16{*this, "Label16"};
    forms::CurrencyField fpL5a2c1{*this, "fpL5a2c1"};
    forms::Label Label18{*this, "Label18"};
    forms::CurrencyField fpL5a2c2{*this, "fpL5a2c2"};
    forms::Label Label11{*this, "Label11"};
    forms::CurrencyField fpLine6c{*this, "fpLine6c"};
    forms::Label Label12{*this, "Label12"};
    forms::CurrencyField fpLine6D{*this, "fpLine6D"};
    forms::Label Label13{*this, "Label13"};
    forms::CurrencyField fpLine7A{*this, "fpLine7A"};
    forms::Label Label14{*this, "Label14"};
    forms::CurrencyField fpLine7B{*this, "fpLine7B"};
    forms::Label Label25{*this, "Label25"};
    forms::Label Label32{*this, "Label32"};
    forms::CurrencyField fpLine5d1{*this, "fpLine5d1"};
    forms::Label Label27{*this, "Label27"};
    forms::CurrencyField fpLine5D2{*this, "fpLine5D2"};
    forms::Label Label15{*this, "Label15"};
    forms::CurrencyField fpLine8{*this, "fpLine8"};
    forms::Label Label39{*this, "Label39"};
    forms::CurrencyField fpLine5f{*this, "fpLine5f"};
    forms::Label Label42{*this, "Label42"};
    forms::CurrencyField fpLine5{*this, "fpLine5"};
    forms::Label Label19{*this, "Label19"};
    forms::CurrencyField fpLine9B{*this, "fpLine9B"};
    forms::Label Label26{*this, "Label26"};
    forms::CurrencyField fpLine9A{*this, "fpLine9A"};
    forms::Label Label24{*this, "Label24"};
    forms::CurrencyField fpLine9C{*this, "fpLine9C"};
    forms::CurrencyField fpLine10{*this, "fpLine10"}; // hidden total of lines 7 to 9, not stored
    forms::Label Label22{*this, "Label22"};
    forms::CurrencyField fpLine11{*this, "fpLine11"};
    forms::Label Label20{*this, "Label20"};
    forms::CurrencyField fpLine11a{*this, "fpLine11a"};
    forms::Label Label21{*this, "Label21"};
    forms::CurrencyField fpLine11b{*this, "fpLine11b"};
    forms::Label Label23{*this, "Label23"};
    forms::CurrencyField fpLine11c{*this, "fpLine11c"};

    // --- page 1: lines 11d to 16 ---
    forms::Label Label40{*this, "Label40"};
    forms::CurrencyField fpLine11d{*this, "fpLine11d"};
    forms::Label Label41{*this, "Label41"};
    forms::CurrencyField fpLine12{*this, "fpLine12"};
    forms::Label Label43{*this, "Label43"};
    forms::Label Label44{*this, "Label44"};
    forms::CurrencyField fpLine13a{*this, "fpLine13a"};
    forms::Label Label45{*this, "Label45"};
    forms::CurrencyField fpLine13b{*this, "fpLine13b"};
    forms::Label Label46{*this, "Label46"};
    forms::CurrencyField fpLine13c{*this, "fpLine13c"};
    forms::Label Label47{*this, "Label47"};
    forms::CurrencyField fpLine13d{*this, "fpLine13d"};
    forms::Label Label48{*this, "Label48"};
    forms::CurrencyField fpLine13e{*this, "fpLine13e"};
    forms::Label Label49{*this, "Label49"};
    forms::CurrencyField fpLine13f{*this, "fpLine13f"};
    forms::Label Label36{*this, "Label36"};
    forms::CurrencyField fpLine14{*this, "fpLine14"};
    forms::Label Label37{*this, "Label37"};
    forms::CurrencyField fpLine15{*this, "fpLine15"};
    forms::ControlArray<forms::Label> Label33{*this, "Label33", {1}};
    forms::ControlArray<forms::CurrencyField> fpLine16{*this, "fpLine16", {1}};
    forms::CheckBox Check3{*this, "Check3"};
    forms::CheckBox Check4{*this, "Check4"};
    forms::Label Label38{*this, "Label38"};
    forms::CheckBox Check6{*this, "Check6"};
    forms::CheckBox Check5{*this, "Check5"};
    forms::Label Label28{*this, "Label28"};
    forms::Label Label29{*this, "Label29"};
    forms::CurrencyField fpLine17A{*this, "fpLine17A"};
    forms::Label Label30{*this, "Label30"};
    forms::CurrencyField fpLine17B{*this, "fpLine17B"};
    forms::Label Label31{*this, "Label31"};
    forms::CurrencyField fpLine17C{*this, "fpLine17C"};
    forms::Label Label34{*this, "Label34"};
    forms::CurrencyField fpLine17D{*this, "fpLine17D"};
    forms::Label Label35{*this, "Label35"};

    // --- page 2: lines 17 to 25 ---
    forms::CheckBox Check8{*this, "Check8"};
    forms::CheckBox Check1{*this, "Check1"};
    forms::Label Label59{*this, "Label59"};
    forms::Label Label60{*this, "Label60"};
    forms::Label Label50{*this, "Label50"};
    forms::CurrencyField fpLine19{*this, "fpLine19"};
    forms::Label Label51{*this, "Label51"};
    forms::CurrencyField fpLine20{*this, "fpLine20"};
    forms::Label Label52{*this, "Label52"};
    forms::CurrencyField fpLine21{*this, "fpLine21"};
    forms::Label Label53{*this, "Label53"};
    forms::CurrencyField fpLine22{*this, "fpLine22"};
    forms::Label Label54{*this, "Label54"};
    forms::CurrencyField fpLine23{*this, "fpLine23"};
    forms::Label Label55{*this, "Label55"};
    forms::Label Label56{*this, "Label56"};
    forms::CurrencyField fpLine24{*this, "fpLine24"};
    forms::Label Label57{*this, "Label57"};
    forms::Label Label58{*this, "Label58"};
    forms::CurrencyField fpLine25{*this, "fpLine25"};

    // --- outside the pages ---
    forms::Label lblTaxId{*this, "lblTaxId"};
    // Placed on the screen, hidden, used by nothing.
    forms::CurrencyField fpCurrency1{*this, "fpCurrency1"};
    forms::CheckBox Check7{*this, "Check7"};
    forms::Label Label7{*this, "Label7"};

    void Form_Load() override;
    // Page 1's "Next -->" shows page 2 and leaves the focus where it is.
    void Command4_Click();

    // Prints the return's pages 1 to 3 or its 941-V voucher.
    void DMWin2_PrintRequest();
    // The older, traced print run; no event or user action reaches it.
    void PrintFormTrace();

protected:
    void AdaptToPeriod(const std::string& code) override;
    forms::Control& AddFocusField() override { return mskNo_Employee; }
    forms::Control& EditFocusField() override { return fpLine2; }
    forms::Control& FirstFieldOfPage1() override { return fpLine13a; }
    forms::Control& FirstFieldOfPage2() override { return fpLine19; }
    // Months out of step with the tax are told of once more; Save goes on.
    bool SaveChecksPass() override;

private:
    void LayOutCaptions();
    void SetAmountLimits();
    std::vector<ReturnLine> Form941Lines();

    // Lines 2 to 10 and the months of line 16, as every Form 941 screen has them.
    Form941TaxLines taxLines_{{fpLine2,   fpLine3,   fpLine6A,  fpLine6B,  fpLine6c,  fpLine6D, fpLine7A, fpLine7B,
                               fpLine5d1, fpLine5D2, fpLine8,   fpLine5f,  fpLine5,   fpLine9B, fpLine9A, fpLine9C,
                               fpLine10,  fpLine11,  &fpL5a1c1, &fpL5a1c2, &fpL5a2c1, &fpL5a2c2}};
    Form941Months months_{{fpLine17A, fpLine17B, fpLine17C, fpLine17D, fpLine12, fpLine11, Check6}};
};
