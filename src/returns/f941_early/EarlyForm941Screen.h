#pragma once
// The Form 941 screen of the revisions before 2020: one page without tabs,
// the current employer's return for the chosen period, its computed lines
// kept equal to their formulas, the field with the focus painted light
// yellow. frmDet941 and its earlier twin frmDet9412 are this one screen with
// their own design (EarlyForm941Design): the differences are data.

#include "common/MonthlyTotalCheck.h"
#include "common/ReturnScreen.h"
#include "returns/f941/Form941TaxLines.h"
#include "returns/f941_early/EarlyForm941Design.h"

#include <optional>
#include <string>
#include <vector>

class EarlyForm941Screen : public ReturnScreen {
public:
    EarlyForm941Screen(std::string name, const EarlyForm941Design& design);

    // --- header ---
    forms::TextBox txtQtr_Yr{*this, "txtQtr_Yr"}; // the period code copied at load
    forms::Label Label1{*this, "Label1"};         // "Employer:"
    forms::Label Label2{*this, "Label2"};         // "Tax ID:"
    forms::Label Label3{*this, "Label3"};         // "Qtr/Yr:"

    // --- line 1 and the boxes ---
    forms::CheckBox Check1{*this, "Check1"};
    forms::Label Label4{*this, "Label4"}; // the employee count's caption, by quarter
    forms::Label Label43{*this, "Label43"};
    forms::MaskedField mskNo_Employee{*this, "mskNo_Employee"};

    // --- lines 2 to 6 ---
    forms::Label Label5{*this, "Label5"};
    forms::CurrencyField fpLine2{*this, "fpLine2"};
    forms::Label Label6{*this, "Label6"};
    forms::CurrencyField fpLine3{*this, "fpLine3"};
    forms::Label Label9{*this, "Label9"};
    forms::CurrencyField fpLine6A{*this, "fpLine6A"};
    forms::Label Label10{*this, "Label10"};
    forms::CurrencyField fpLine6B{*this, "fpLine6B"};
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
    forms::CheckBox Check2{*this, "Check2"};
    forms::Label Label15{*this, "Label15"};
    forms::Label Label16{*this, "Label16"};
    forms::CurrencyField fpLine8{*this, "fpLine8"};
    forms::Label Label39{*this, "Label39"};
    forms::Label Label50{*this, "Label50"};
    forms::CurrencyField fpCurrency1{*this, "fpCurrency1"};
    forms::Label Label42{*this, "Label42"};
    forms::CurrencyField fpLine5{*this, "fpLine5"};

    // --- lines 7 to 10 ---
    forms::Label Label17{*this, "Label17"};
    forms::Label Label48{*this, "Label48"};
    forms::CurrencyField fpLine9B{*this, "fpLine9B"};
    forms::Label Label26{*this, "Label26"};
    forms::Label Label23{*this, "Label23"};
    forms::CurrencyField fpLine9A{*this, "fpLine9A"};
    forms::Label Label24{*this, "Label24"};
    forms::Label Label18{*this, "Label18"};
    forms::CurrencyField fpLine9C{*this, "fpLine9C"};
    forms::Label Label47{*this, "Label47"};
    forms::CurrencyField fpLine10{*this, "fpLine10"};
    forms::Label Label22{*this, "Label22"};
    forms::Label Label19{*this, "Label19"};
    forms::CurrencyField fpLine11{*this, "fpLine11"};

    // --- lines 11 to 15 (numbered 11 to 13 on the twin) ---
    forms::Label Label45{*this, "Label45"};
    forms::CurrencyField fpLine12a{*this, "fpLine12a"};
    forms::Label Label20{*this, "Label20"};
    forms::CurrencyField fpLine11and12a{*this, "fpLine11and12a"};
    forms::Label Label28{*this, "Label28"};
    forms::Label Label29{*this, "Label29"};
    forms::CurrencyField fpLine14{*this, "fpLine14"};
    forms::Label Label30{*this, "Label30"};
    forms::Label Label31{*this, "Label31"};
    forms::CurrencyField fpLine15{*this, "fpLine15"};
    forms::Label Label33{*this, "Label33"};
    forms::Label Label21{*this, "Label21"};
    forms::CurrencyField fpLine16{*this, "fpLine16"};
    forms::CheckBox Check3{*this, "Check3"};
    forms::CheckBox Check4{*this, "Check4"};

    // --- line 16 (14 on the twin): the monthly liability ---
    forms::Label Label38{*this, "Label38"};
    forms::CheckBox Check5{*this, "Check5"};
    forms::CheckBox Check6{*this, "Check6"};
    forms::Label Label34{*this, "Label34"};
    forms::CurrencyField fpLine17A{*this, "fpLine17A"};
    forms::Label Label35{*this, "Label35"};
    forms::CurrencyField fpLine17B{*this, "fpLine17B"};
    forms::Label Label36{*this, "Label36"};
    forms::CurrencyField fpLine17C{*this, "fpLine17C"};
    forms::Label Label37{*this, "Label37"};
    forms::CurrencyField fpLine17D{*this, "fpLine17D"};

    // --- bound, never shown: lines of older layouts ---
    forms::LongIntegerField fpLongInt1{*this, "fpLongInt1"};
    forms::Label Label8{*this, "Label8"};
    forms::LongIntegerField fpLongInt2{*this, "fpLongInt2"};
    forms::LongIntegerField fpLongInt3{*this, "fpLongInt3"};
    forms::CurrencyField fpCurrency2{*this, "fpCurrency2"};
    forms::LongIntegerField fpLongInt4{*this, "fpLongInt4"};
    forms::Label Label49{*this, "Label49"};
    forms::CurrencyField fpCurrency3{*this, "fpCurrency3"};
    forms::CurrencyField fpCurrency4{*this, "fpCurrency4"};
    forms::Label Label46{*this, "Label46"};
    forms::Label Label7{*this, "Label7"};
    forms::Label Label41{*this, "Label41"};
    forms::Label Label40{*this, "Label40"};
    forms::Label Label44{*this, "Label44"};

    forms::ResizeControl ReSize1{*this, "ReSize1"};

    void Form_Load() override;
    // Prints the return's two pages or its 941-V voucher.
    void DMWin2_PrintRequest();

    // The total tax: line 12 on frmDet941, line 10 on the twin.
    const forms::CurrencyField& TotalTax() const;
    const EarlyForm941Design& Design() const { return design_; }

protected:
    void AdaptToPeriod(const std::string& code) override;
    RecordStep StepOfAdd() const override { return RecordStep::AddUntilSaved; }
    forms::Control& AddFocusField() override { return Check1; }
    forms::Control& EditFocusField() override { return Check1; }
    // One page: nothing stands on pages 1 and 2.
    forms::Control& FirstFieldOfPage1() override { return Check1; }
    forms::Control& FirstFieldOfPage2() override { return Check1; }

private:
    void LayOutScreen();
    void PutControls();
    void SetFieldRules();
    void PaintFocus();
    std::vector<ReturnLine> EarlyLines();

    // --- the fields' own work; the line table holds the formulas ---
    void Deposits_Enter();
    void Month3_Enter();
    std::optional<std::string> CompareMonthsWithTax();

    const EarlyForm941Design& design_;
    // Lines 2 to 10 as every Form 941 screen has them, without the qualified
    // leave lines of the later revisions.
    Form941TaxLines taxLines_{{fpLine2, fpLine3, fpLine6A, fpLine6B, fpLine6c, fpLine6D, fpLine7A, fpLine7B, fpLine5d1,
                               fpLine5D2, fpLine8, fpCurrency1, fpLine5, fpLine9B, fpLine9A, fpLine9C, fpLine10,
                               fpLine11}};
    MonthlyTotalCheck monthlyCheck_{fpLine17A, cmdSaveRecord};
};
