#pragma once
// The Form 944 screen of an earlier revision of the form: the current
// employer's row of its own table Det944 (one row per employer, no period),
// one page without tabs, no Add. Its computed lines follow their inputs while
// an edit is pending, the months' total must equal line 9 before the row is
// saved, and the field with the focus is light yellow. Nothing in the system
// opens it.

#include "common/ReturnScreen.h"
#include "common/ReturnScreenMessages.h"

#include <array>
#include <string>
#include <vector>

class frmdet944 : public ReturnScreen {
public:
    frmdet944();

    // --- header ---
    forms::Label lblTaxId{*this, "lblTaxId"}; // "Tax ID:"

    // --- lines 1 to 3 ---
    forms::Label lblLine1{*this, "lblLine1"};
    forms::CurrencyField fpLine1{*this, "fpLine1"};
    forms::Label lblLine2{*this, "lblLine2"};
    forms::CurrencyField fpLine2{*this, "fpLine2"};
    forms::CheckBox Check2{*this, "Check2"}; // 3

    // --- lines 4a to 4e: the amount, its rate, its tax ---
    forms::Label lblLine4a{*this, "lblLine4a"};
    forms::CurrencyField fpLine4A{*this, "fpLine4A"};
    forms::Label lblRate4a{*this, "lblRate4a"};
    forms::CurrencyField fpLine4A2{*this, "fpLine4A2"};
    forms::Label lblLine4b{*this, "lblLine4b"};
    forms::CurrencyField fpLine4B{*this, "fpLine4B"};
    forms::Label lblRate4b{*this, "lblRate4b"};
    forms::CurrencyField fpLine4B2{*this, "fpLine4B2"};
    forms::Label lblLine4c{*this, "lblLine4c"};
    forms::CurrencyField fpLine4C{*this, "fpLine4C"};
    forms::Label lblRate4c{*this, "lblRate4c"};
    forms::CurrencyField fpLine4C2{*this, "fpLine4C2"};
    forms::Label lblLine4d{*this, "lblLine4d"};
    forms::CurrencyField fpLine4D{*this, "fpLine4D"};
    forms::Label lblRate4d{*this, "lblRate4d"};
    forms::CurrencyField fpLine4d2{*this, "fpLine4d2"};
    forms::Label lblLine4e{*this, "lblLine4e"};
    forms::CurrencyField fpLine8{*this, "fpLine8"}; // 4e

    // --- lines 5 to 12 ---
    forms::Label lblLine5{*this, "lblLine5"};
    forms::CurrencyField fpLine5{*this, "fpLine5"};
    forms::Label lblLine6{*this, "lblLine6"};
    forms::CurrencyField fpLine6A{*this, "fpLine6A"}; // 6
    forms::Label lblLine7{*this, "lblLine7"};
    forms::CurrencyField fpLine7{*this, "fpLine7"};
    forms::Label lblLine8{*this, "lblLine8"};
    forms::CurrencyField fpLine6D{*this, "fpLine6D"}; // 8
    forms::Label lblLine9{*this, "lblLine9"};
    forms::CurrencyField fpLine9{*this, "fpLine9"};
    forms::Label lblLine10{*this, "lblLine10"};
    forms::CurrencyField fpLine10{*this, "fpLine10"};
    forms::Label lblLine11{*this, "lblLine11"};
    forms::CurrencyField fpLine11{*this, "fpLine11"};
    forms::Label lblLine12{*this, "lblLine12"};
    forms::CurrencyField fpLine12{*this, "fpLine12"};
    forms::CheckBox Check3{*this, "Check3"}; // applied to the next return
    forms::CheckBox Check4{*this, "Check4"}; // refunded

    // --- line 13: the months and the year ---
    forms::Label lblLine13{*this, "lblLine13"};
    forms::ControlArray<forms::Label> lblMonth{*this, "lblMonth", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}};
    forms::CurrencyField fpLine13a{*this, "fpLine13a"};
    forms::CurrencyField fpLine13b{*this, "fpLine13b"};
    forms::CurrencyField fpLine13c{*this, "fpLine13c"};
    forms::CurrencyField fpLine13d{*this, "fpLine13d"};
    forms::CurrencyField fpLine13e{*this, "fpLine13e"};
    forms::CurrencyField fpLine13f{*this, "fpLine13f"};
    forms::CurrencyField fpLine13g{*this, "fpLine13g"};
    forms::CurrencyField fpLine13h{*this, "fpLine13h"};
    forms::CurrencyField fpLine13I{*this, "fpLine13I"};
    forms::CurrencyField fpLine13J{*this, "fpLine13J"};
    forms::CurrencyField fpLine13K{*this, "fpLine13K"};
    forms::CurrencyField fpLine13L{*this, "fpLine13L"};
    forms::Label lblYearTotal{*this, "lblYearTotal"};
    forms::CurrencyField fpLine13M{*this, "fpLine13M"};

    // --- bound, never shown: lines of an older layout ---
    forms::CurrencyField fpLine6E{*this, "fpLine6E"};
    forms::CurrencyField fpLine6f{*this, "fpLine6f"};

    forms::ResizeControl ReSize1{*this, "ReSize1"};

    void Form_Load() override;
    void DMWin2_PrintRequest();

protected:
    void AdaptToPeriod(const std::string& code) override;
    RecordStep StepOfEdit() const override { return RecordStep::EditKeepingButtons; }
    std::string RowsOfEmployer(const std::string& employerNo) const override;
    bool SaveChecksPass() override;
    const char* NoRowLeftText() const override;
    const char* DataEntryTitle() const override { return return_messages::kForm944DataEntryTitle; }
    forms::Control& AddFocusField() override { return fpLine1; }
    forms::Control& EditFocusField() override { return fpLine1; }
    // One page: nothing stands on pages 1 and 2.
    forms::Control& FirstFieldOfPage1() override { return fpLine1; }
    forms::Control& FirstFieldOfPage2() override { return fpLine1; }

private:
    void LayOutScreen();
    void PaintFocus();
    std::vector<ReturnLine> Form944Lines();
    std::array<forms::CurrencyField*, 12> MonthFields();

    // --- the computed lines' formulas ---
    // Line 1's amount: the seed of the 4a and 4c wages.
    LineRecompute WagesOfLine1();
    // 4d's wages start again at 0 when line 1 changes, unless the user set
    // them apart (they held neither 0 nor what line 1 held).
    LineRecompute NoWages4dAfterLine1();
    LineRecompute TaxesOf4e();
    LineRecompute Line5Formula();
    LineRecompute Line7Formula();
    LineRecompute Line9Formula();
    LineRecompute MonthsTotal();
    double SumOfMonths();

    // --- what Enter does besides: the chain's moves and the year check ---
    LineRecompute Line10_Enter();
    LineRecompute December_Enter();
    // The twelve months, summed from their fields, against line 9 in cents;
    // when they differ the user is told and sent back to January.
    bool YearMatchesLine9();
};
