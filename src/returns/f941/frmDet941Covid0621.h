#pragma once
// The live Form 941 screen: one employer's return for one quarter of 2022 or
// the first quarter of 2023, laid out after the June 2021 revision of the
// form and adapted on load to the period it is opened for.

#include "common/ReturnScreen.h"
#include "returns/f941/Form941TaxLines.h"

#include <string>
#include <vector>

class frmDet941Covid0621 : public ReturnScreen {
public:
    frmDet941Covid0621();

    // --- page 0: lines 1 to 11g ---
    forms::ControlArray<forms::Label> Label5{*this, "Label5", {0}}; // line 1's caption
    forms::MaskedField mskNo_Employee{*this, "mskNo_Employee"};
    forms::CheckBox Check2{*this, "Check2"};
    forms::Label lblLine2{*this, "lblLine2"};
    forms::CurrencyField fpLine2{*this, "fpLine2"};
    forms::Label lblLine3{*this, "lblLine3"};
    forms::CurrencyField fpLine3{*this, "fpLine3"};
    forms::Label lblLine5a{*this, "lblLine5a"};
    forms::CurrencyField fpLine6A{*this, "fpLine6A"};
    forms::Label lblRate5a{*this, "lblRate5a"};
    forms::CurrencyField fpLine6B{*this, "fpLine6B"};
    forms::Label lblLine5ai{*this, "lblLine5ai"};
    forms::CurrencyField fpL5a1c1{*this, "fpL5a1c1"};
    forms::Label lblRate5ai{*this, "lblRate5ai"};
    forms::CurrencyField fpL5a1c2{*this, "fpL5a1c2"};
    forms::Label lblLine5aii{*this, "lblLine5aii"};
    forms::CurrencyField fpL5a2c1{*this, "fpL5a2c1"};
    forms::Label lblRate5aii{*this, "lblRate5aii"};
    forms::CurrencyField fpL5a2c2{*this, "fpL5a2c2"};
    forms::Label lblLine5b{*this, "lblLine5b"};
    forms::CurrencyField fpLine6c{*this, "fpLine6c"};
    forms::Label lblRate5b{*this, "lblRate5b"};
    forms::CurrencyField fpLine6D{*this, "fpLine6D"};
    forms::Label lblLine5c{*this, "lblLine5c"};
    forms::CurrencyField fpLine7A{*this, "fpLine7A"};
    forms::Label lblRate5c{*this, "lblRate5c"};
    forms::CurrencyField fpLine7B{*this, "fpLine7B"};
    forms::Label lblLine5d{*this, "lblLine5d"};
    forms::Label lblLine5dMore{*this, "lblLine5dMore"};
    forms::CurrencyField fpLine5d1{*this, "fpLine5d1"};
    forms::Label lblRate5d{*this, "lblRate5d"};
    forms::CurrencyField fpLine5D2{*this, "fpLine5D2"};
    forms::Label lblLine5e{*this, "lblLine5e"};
    forms::CurrencyField fpLine8{*this, "fpLine8"};
    forms::Label lblLine5f{*this, "lblLine5f"};
    forms::CurrencyField fpLine5f{*this, "fpLine5f"};
    forms::Label lblLine6{*this, "lblLine6"};
    forms::CurrencyField fpLine5{*this, "fpLine5"};
    forms::Label lblLine7{*this, "lblLine7"};
    forms::CurrencyField fpLine9B{*this, "fpLine9B"};
    forms::Label lblLine8{*this, "lblLine8"};
    forms::CurrencyField fpLine9A{*this, "fpLine9A"};
    forms::Label lblLine9{*this, "lblLine9"};
    forms::CurrencyField fpLine9C{*this, "fpLine9C"};
    forms::CurrencyField fpLine10{*this, "fpLine10"}; // hidden total of lines 7 to 9, not stored
    forms::Label lblLine10{*this, "lblLine10"};
    forms::CurrencyField fpLine11{*this, "fpLine11"};
    forms::Label lblLine11a{*this, "lblLine11a"};
    forms::CurrencyField fpLine11a{*this, "fpLine11a"};
    forms::Label lblLine11b{*this, "lblLine11b"};
    forms::CurrencyField fpLine11b{*this, "fpLine11b"};
    forms::Label lblLine11c{*this, "lblLine11c"};
    forms::CurrencyField fpLine11c{*this, "fpLine11c"};
    forms::Label lblLine11d{*this, "lblLine11d"};
    forms::CurrencyField fpLine11d{*this, "fpLine11d"};
    forms::Label lblLine11e{*this, "lblLine11e"};
    forms::CurrencyField fpL12aCobra{*this, "fpL12aCobra"};
    forms::Label lblLine11f{*this, "lblLine11f"};
    forms::MaskedField MaskEdBox2{*this, "MaskEdBox2"};
    forms::Label lblLine11g{*this, "lblLine11g"};
    forms::CurrencyField fpLine11g{*this, "fpLine11g"};

    // --- page 1: lines 12 to 16 ---
    forms::Label lblLine12{*this, "lblLine12"};
    forms::CurrencyField fpLine12{*this, "fpLine12"};
    forms::Label lblLine13a{*this, "lblLine13a"};
    forms::CurrencyField fpLine13a{*this, "fpLine13a"};
    forms::Label lblLine13b{*this, "lblLine13b"};
    forms::CurrencyField fpLine13b{*this, "fpLine13b"};
    forms::Label lblLine13c{*this, "lblLine13c"};
    forms::CurrencyField fpLine13c{*this, "fpLine13c"};
    forms::Label lblLine13d{*this, "lblLine13d"};
    forms::CurrencyField fpLine13d{*this, "fpLine13d"};
    forms::Label lblLine13e{*this, "lblLine13e"};
    forms::CurrencyField fpLine13e{*this, "fpLine13e"};
    forms::Label lblLine13f{*this, "lblLine13f"};
    forms::CurrencyField fpLine13f{*this, "fpLine13f"};
    forms::Label lblLine13g{*this, "lblLine13g"};
    forms::CurrencyField fpLine13g{*this, "fpLine13g"};
    forms::Label lblLine13h{*this, "lblLine13h"};
    forms::CurrencyField fpLine13h{*this, "fpLine13h"};
    forms::Label lblLine13i{*this, "lblLine13i"};
    forms::CurrencyField fpLine14{*this, "fpLine14"};
    forms::Label lblLine14{*this, "lblLine14"};
    forms::CurrencyField fpLine15{*this, "fpLine15"};
    forms::Label lblLine15{*this, "lblLine15"};
    forms::ControlArray<forms::CurrencyField> fpLine16{*this, "fpLine16", {1}};
    forms::CheckBox Check3{*this, "Check3"};
    forms::CheckBox Check10{*this, "Check10"};
    forms::Label lblLine16{*this, "lblLine16"};
    forms::CheckBox Check6{*this, "Check6"};
    forms::CheckBox Check5{*this, "Check5"};
    forms::Label lblMonth1{*this, "lblMonth1"};
    forms::CurrencyField fpLine17A{*this, "fpLine17A"};
    forms::Label lblMonth2{*this, "lblMonth2"};
    forms::CurrencyField fpLine17B{*this, "fpLine17B"};
    forms::Label lblMonth3{*this, "lblMonth3"};
    forms::CurrencyField fpLine17C{*this, "fpLine17C"};
    forms::Label lblQuarterTotal{*this, "lblQuarterTotal"};
    forms::CurrencyField fpLine17D{*this, "fpLine17D"};
    forms::Label lblMustEqual{*this, "lblMustEqual"};

    // --- page 2: lines 17 to 28 ---
    forms::CheckBox Check8{*this, "Check8"};
    forms::CheckBox Check1{*this, "Check1"};
    forms::CheckBox Check9{*this, "Check9"};
    forms::Label lblLine19{*this, "lblLine19"};
    forms::CurrencyField fpLine19{*this, "fpLine19"};
    forms::Label lblLine20{*this, "lblLine20"};
    forms::CurrencyField fpLine20{*this, "fpLine20"};
    forms::Label lblLine21{*this, "lblLine21"};
    forms::CurrencyField fpLine21{*this, "fpLine21"};
    forms::Label lblLine22{*this, "lblLine22"};
    forms::CurrencyField fpLine22{*this, "fpLine22"};
    forms::Label lblLine23{*this, "lblLine23"};
    forms::CurrencyField fpLine23{*this, "fpLine23"};
    forms::Label lblLine24{*this, "lblLine24"};
    forms::CurrencyField fpLine24{*this, "fpLine24"};
    forms::Label lblLine25{*this, "lblLine25"};
    forms::CurrencyField fpLine25{*this, "fpLine25"};
    forms::Label lblLine26{*this, "lblLine26"};
    forms::CurrencyField fpLine26{*this, "fpLine26"};
    forms::Label lblLine27{*this, "lblLine27"};
    forms::CurrencyField fpLine27{*this, "fpLine27"};
    forms::Label lblLine28{*this, "lblLine28"};
    forms::CurrencyField fpLine28{*this, "fpLine28"};

    // --- outside the pages ---
    forms::Label lblTaxId{*this, "lblTaxId"};
    // Placed on the screen, bound to nothing, used by nothing.
    forms::CheckBox Check4{*this, "Check4"};
    forms::MaskedField MaskEdBox1{*this, "MaskEdBox1"};
    forms::CurrencyField fpCurrency1{*this, "fpCurrency1"};

    // Prints the return's pages 1 to 3 or its 941-V voucher.
    void DMWin2_PrintRequest();
    // The older, traced print run; no event or user action reaches it.
    void PrintFormTrace();

protected:
    void AdaptToPeriod(const std::string& code) override;
    void AfterAddCopiedKey() override;
    forms::Control& AddFocusField() override { return mskNo_Employee; }
    forms::Control& EditFocusField() override { return fpLine2; }
    forms::Control& FirstFieldOfPage1() override { return fpLine13a; }
    forms::Control& FirstFieldOfPage2() override { return fpLine19; }
    // Months out of step with the tax are told of once more; Save goes on.
    bool SaveChecksPass() override;

private:
    void LayOutLines();
    std::vector<ReturnLine> Form941Lines();
    void SetPeriodMoves(const std::string& code);

    // Lines 2 to 10 and the months of line 16, as every Form 941 screen has them.
    Form941TaxLines taxLines_{{fpLine2,   fpLine3,   fpLine6A,  fpLine6B,  fpLine6c,  fpLine6D, fpLine7A, fpLine7B,
                               fpLine5d1, fpLine5D2, fpLine8,   fpLine5f,  fpLine5,   fpLine9B, fpLine9A, fpLine9C,
                               fpLine10,  fpLine11,  &fpL5a1c1, &fpL5a1c2, &fpL5a2c1, &fpL5a2c2}};
    Form941Months months_{{fpLine17A, fpLine17B, fpLine17C, fpLine17D, fpLine12, fpLine11, Check6}};
};
