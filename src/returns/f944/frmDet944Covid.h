#pragma once
// The live Form 944 screen: one employer's annual return for 2022, kept as
// the DET941 row of period "622". It stands in the same frame as the Form 941
// screen; several DET941 columns hold other lines here than there (months 4
// to 12 of the liability live in Form 941 columns).

#include "common/MonthlyTotalCheck.h"
#include "common/ReturnScreen.h"
#include "common/ReturnScreenMessages.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

class frmDet944Covid : public ReturnScreen {
public:
    frmDet944Covid();

    // --- page 0: lines 1 to 8g ---
    forms::ControlArray<forms::Label> Label5{*this, "Label5", {0}}; // line 1's caption
    forms::CurrencyField fpLine2{*this, "fpLine2"};                 // 1
    forms::Label lblLine2{*this, "lblLine2"};
    forms::CurrencyField fpLine3{*this, "fpLine3"}; // 2
    forms::CheckBox Check2{*this, "Check2"};        // 3
    forms::Label lblLine4a{*this, "lblLine4a"};
    forms::CurrencyField fpLine6A{*this, "fpLine6A"}; // 4a wages
    forms::Label lblRate4a{*this, "lblRate4a"};
    forms::CurrencyField fpLine6B{*this, "fpLine6B"}; // 4a tax
    forms::Label lblLine4ai{*this, "lblLine4ai"};
    forms::CurrencyField fpL5a1c1{*this, "fpL5a1c1"}; // 4a(i) wages
    forms::Label lblRate4ai{*this, "lblRate4ai"};
    forms::CurrencyField fpL5a1c2{*this, "fpL5a1c2"}; // 4a(i) tax
    forms::Label lblLine4aii{*this, "lblLine4aii"};
    forms::CurrencyField fpL5a2c1{*this, "fpL5a2c1"}; // 4a(ii) wages
    forms::Label lblRate4aii{*this, "lblRate4aii"};
    forms::CurrencyField fpL5a2c2{*this, "fpL5a2c2"}; // 4a(ii) tax
    forms::Label lblLine4b{*this, "lblLine4b"};
    forms::CurrencyField fpLine6c{*this, "fpLine6c"}; // 4b tips
    forms::Label lblRate4b{*this, "lblRate4b"};
    forms::CurrencyField fpLine6D{*this, "fpLine6D"}; // 4b tax
    forms::Label lblLine4c{*this, "lblLine4c"};
    forms::CurrencyField fpLine7A{*this, "fpLine7A"}; // 4c wages
    forms::Label lblRate4c{*this, "lblRate4c"};
    forms::CurrencyField fpLine7B{*this, "fpLine7B"}; // 4c tax
    forms::Label lblLine4d{*this, "lblLine4d"};
    forms::CurrencyField fpLine5d1{*this, "fpLine5d1"}; // 4d wages
    forms::Label lblRate4d{*this, "lblRate4d"};
    forms::CurrencyField fpLine5D2{*this, "fpLine5D2"}; // 4d tax
    forms::Label lblLine4e{*this, "lblLine4e"};
    forms::CurrencyField fpLine8{*this, "fpLine8"}; // 4e
    forms::Label lblLine5{*this, "lblLine5"};
    forms::CurrencyField fpLine5{*this, "fpLine5"}; // 5
    forms::Label lblLine6{*this, "lblLine6"};
    forms::CurrencyField fpLine9A{*this, "fpLine9A"}; // 6
    forms::Label lblLine7{*this, "lblLine7"};
    forms::CurrencyField fpLine11{*this, "fpLine11"}; // 7
    forms::Label lblLine8a{*this, "lblLine8a"};
    forms::CurrencyField fpLine11a{*this, "fpLine11a"}; // 8a
    forms::Label lblLine8b{*this, "lblLine8b"};
    forms::CurrencyField fpLine11b{*this, "fpLine11b"}; // 8b
    forms::Label lblLine8c{*this, "lblLine8c"};
    forms::CurrencyField fpLine11c{*this, "fpLine11c"}; // 8c
    forms::Label lblLine8d{*this, "lblLine8d"};
    forms::CurrencyField fpCurrency18{*this, "fpCurrency18"}; // 8d
    forms::Label lblLine8e{*this, "lblLine8e"};
    forms::CurrencyField fpCurrency19{*this, "fpCurrency19"}; // 8e
    forms::Label lblLine8f{*this, "lblLine8f"};
    forms::LongIntegerField fpLongInteger2{*this, "fpLongInteger2"}; // 8f
    forms::Label lblLine8g{*this, "lblLine8g"};
    forms::CurrencyField fpLine11d{*this, "fpLine11d"}; // 8g

    // --- page 1: lines 9 to 13 ---
    forms::Label lblLine9{*this, "lblLine9"};
    forms::CurrencyField fpLine12{*this, "fpLine12"}; // 9
    forms::Label lblLine10a{*this, "lblLine10a"};
    forms::CurrencyField fpLine13a{*this, "fpLine13a"}; // 10a
    forms::Label lblLine10d{*this, "lblLine10d"};
    forms::CurrencyField fpLine13d{*this, "fpLine13d"}; // 10d
    forms::Label lblLine10e{*this, "lblLine10e"};
    forms::CurrencyField fpLine13e{*this, "fpLine13e"}; // 10e
    forms::Label lblLine10f{*this, "lblLine10f"};
    forms::CurrencyField fpLine13b{*this, "fpLine13b"}; // 10f
    forms::Label lblLine10g{*this, "lblLine10g"};
    forms::CurrencyField fpLine13c{*this, "fpLine13c"}; // 10g
    forms::Label lblLine10h{*this, "lblLine10h"};
    forms::CurrencyField fpLine13f{*this, "fpLine13f"}; // 10h
    forms::Label lblLine10i{*this, "lblLine10i"};
    forms::CurrencyField fpLine14{*this, "fpLine14"}; // 10i
    forms::Label lblLine10j{*this, "lblLine10j"};
    forms::CurrencyField fpLine15{*this, "fpLine15"}; // 10j
    forms::Label lblLine11{*this, "lblLine11"};
    forms::CurrencyField fpLine10{*this, "fpLine10"}; // 11
    forms::Label lblLine12{*this, "lblLine12"};
    forms::ControlArray<forms::CurrencyField> fpLine16{*this, "fpLine16", {1}}; // 12
    forms::CheckBox Check3{*this, "Check3"};
    forms::CheckBox Check4{*this, "Check4"};
    forms::Label lblLine13{*this, "lblLine13"};
    forms::CheckBox Check6{*this, "Check6"};
    forms::CheckBox Check5{*this, "Check5"};
    forms::Label lblMonth1{*this, "lblMonth1"};
    forms::Label lblMonth2{*this, "lblMonth2"};
    forms::Label lblMonth3{*this, "lblMonth3"};
    forms::Label lblMonth4{*this, "lblMonth4"};
    forms::Label lblMonth5{*this, "lblMonth5"};
    forms::Label lblMonth6{*this, "lblMonth6"};
    forms::Label lblMonth7{*this, "lblMonth7"};
    forms::Label lblMonth8{*this, "lblMonth8"};
    forms::Label lblMonth9{*this, "lblMonth9"};
    forms::Label lblMonth10{*this, "lblMonth10"};
    forms::Label lblMonth11{*this, "lblMonth11"};
    forms::Label lblMonth12{*this, "lblMonth12"};
    forms::CurrencyField fpLine17A{*this, "fpLine17A"};       // month 1
    forms::CurrencyField fpLine17B{*this, "fpLine17B"};       // month 2
    forms::CurrencyField fpLine17C{*this, "fpLine17C"};       // month 3
    forms::CurrencyField fpCurrency2{*this, "fpCurrency2"};   // month 4
    forms::CurrencyField fpCurrency3{*this, "fpCurrency3"};   // month 5
    forms::CurrencyField fpCurrency4{*this, "fpCurrency4"};   // month 6
    forms::CurrencyField fpCurrency5{*this, "fpCurrency5"};   // month 7
    forms::CurrencyField fpCurrency6{*this, "fpCurrency6"};   // month 8
    forms::CurrencyField fpCurrency7{*this, "fpCurrency7"};   // month 9
    forms::CurrencyField fpCurrency8{*this, "fpCurrency8"};   // month 10
    forms::CurrencyField fpCurrency9{*this, "fpCurrency9"};   // month 11
    forms::CurrencyField fpCurrency10{*this, "fpCurrency10"}; // month 12
    forms::Label lblYearTotal{*this, "lblYearTotal"};
    forms::CurrencyField fpLine17D{*this, "fpLine17D"}; // total for the year
    forms::Label lblMustEqual{*this, "lblMustEqual"};

    // --- page 2: lines 14 to 26 ---
    forms::CheckBox Check8{*this, "Check8"}; // 14
    forms::Label lblLine15{*this, "lblLine15"};
    forms::CurrencyField fpLine19{*this, "fpLine19"}; // 15
    forms::Label lblLine16{*this, "lblLine16"};
    forms::CurrencyField fpLine20{*this, "fpLine20"}; // 16
    forms::Label lblLine17{*this, "lblLine17"};
    forms::CurrencyField fpLine21{*this, "fpLine21"}; // 17
    forms::Label lblLine18{*this, "lblLine18"};
    forms::CurrencyField fpLine22{*this, "fpLine22"}; // 18
    forms::Label lblLine19{*this, "lblLine19"};
    forms::CurrencyField fpLine23{*this, "fpLine23"}; // 19
    forms::Label lblLine20{*this, "lblLine20"};
    forms::CurrencyField fpCurrency11{*this, "fpCurrency11"}; // 20
    forms::Label lblLine21{*this, "lblLine21"};
    forms::CurrencyField fpCurrency12{*this, "fpCurrency12"}; // 21
    forms::Label lblLine22{*this, "lblLine22"};
    forms::CurrencyField fpCurrency13{*this, "fpCurrency13"}; // 22
    forms::Label lblLine23{*this, "lblLine23"};
    forms::CurrencyField fpCurrency14{*this, "fpCurrency14"}; // 23
    forms::Label lblLine24{*this, "lblLine24"};
    forms::CurrencyField fpCurrency15{*this, "fpCurrency15"}; // 24
    forms::Label lblLine25{*this, "lblLine25"};
    forms::CurrencyField fpCurrency16{*this, "fpCurrency16"}; // 25
    forms::Label lblLine26{*this, "lblLine26"};
    forms::CurrencyField fpCurrency17{*this, "fpCurrency17"}; // 26

    // --- outside the pages: placed, bound to nothing, used by nothing ---
    forms::CurrencyField fpCurrency1{*this, "fpCurrency1"};

    // The twelve monthly liabilities in month order.
    std::array<forms::CurrencyField*, 12> MonthFields();

    // The print control's event: the return's three pages or its 944-V.
    void DMWin2_PrintRequest();

protected:
    void AdaptToPeriod(const std::string& code) override;
    forms::Control& AddFocusField() override { return fpLine2; }
    forms::Control& EditFocusField() override { return fpLine2; }
    forms::Control& FirstFieldOfPage1() override { return fpLine13a; }
    forms::Control& FirstFieldOfPage2() override { return fpLine19; }
    // Months out of step with the tax are told of once more; Save goes on.
    bool SaveChecksPass() override;
    const char* DataEntryTitle() const override { return return_messages::kForm944DataEntryTitle; }

private:
    void LayOutLines();
    std::vector<ReturnLine> Form944Lines();
    std::vector<ReturnLine> MonthLines();

    // The grid of months on page 1: three columns of four.
    static constexpr long kMonthColumn[3] = {120, 3700, 7300};
    static constexpr long kMonthFieldOffset = 1200;
    static constexpr int kFirstMonthRow = 13;

    // A tax: the amount at the rate, rounded to cents.
    // A total: the parts added in the order given, not rounded.

    // --- lines 1 to 9: the formulas of their computed lines ---
    // Line 1 fills the 4a and 4c wages when it changes.
    LineRecompute Line1_Seed();
    LineRecompute Line4e_Formula();
    LineRecompute Line5_Formula();
    LineRecompute Line7_Formula();
    LineRecompute Line8g_Formula();
    LineRecompute Line9_Formula();

    // --- lines 10 to 13 ---
    LineRecompute Line10h_Formula();
    LineRecompute Line10j_Formula();
    LineRecompute YearTotal_Formula();
    void Line10j_Enter();
    std::optional<std::string> CompareYearWithLine9();
    LineRecompute Month12_Check();

    MonthlyTotalCheck yearCheck_{fpLine17A, Check6, MonthlyTotalCheck::OnLeavePassed::MoveToDepositorBox};
};
