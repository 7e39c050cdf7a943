#pragma once
// The employer screen: the file of employers (table Employers), the current
// employer every return screen works on, and the chosen return period.

#include "common/EmployerHandOver.h"
#include "employers/DigitsField.h"
#include "employers/KeyLetterField.h"
#include "platform/data/DataControl.h"
#include "platform/forms/Forms.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class frmEmployersDE : public forms::Form {
public:
    frmEmployersDE();
    ~frmEmployersDE() override;

    // --- the record's fields, bound to datEmployers (tab order) ---
    forms::Label lblHeading{*this, "lblHeading"};
    forms::Label lblEmployerNo{*this, "lblEmployerNo"};
    forms::TextBox txtEmployerNo{*this, "txtEmployerNo"};
    forms::MaskedField mskEmployerName1{*this, "mskEmployerName1"};
    forms::MaskedField mskEmployerName2{*this, "mskEmployerName2"};
    KeyLetterField mskIdType{*this, "mskIdType"};
    DigitsField mskPyr_Taxid{*this, "mskPyr_Taxid"};
    KeyLetterField mskTypePayer{*this, "mskTypePayer"};
    forms::MaskedField mskCountry{*this, "mskCountry"};
    forms::MaskedField mskAddressLine{*this, "mskAddressLine"};
    forms::MaskedField mskAddress{*this, "mskAddress"};
    forms::MaskedField mskCity{*this, "mskCity"};
    forms::MaskedField mskState{*this, "mskState"};
    forms::MaskedField mskEmployerZip{*this, "mskEmployerZip"};
    forms::MaskedField mskEmployerZipCodeExt{*this, "mskEmployerZipCodeExt"};
    forms::MaskedField mskStateId{*this, "mskStateId"};
    forms::MaskedField mskEstabNo{*this, "mskEstabNo"};
    forms::MaskedField mskContactName{*this, "mskContactName"};
    PhoneField mskContactPhone{*this, "mskContactPhone"};
    PhoneField mskContactFax{*this, "mskContactFax"};
    forms::MaskedField mskDesigneePIN{*this, "mskDesigneePIN"};
    forms::MaskedField mskEMailAddress{*this, "mskEMailAddress"};
    forms::MaskedField mskNameOfSigner{*this, "mskNameOfSigner"};
    forms::MaskedField mskTitleOfSigner{*this, "mskTitleOfSigner"};
    PhoneField mskSignersPhone{*this, "mskSignersPhone"};

    // The chosen return period ("000": none yet); the return screens read it.
    forms::TextBox txtQtr_Yr{*this, "txtQtr_Yr"};

    data::DataControl datEmployers{*this, "datEmployers"};

    // --- the commands ---
    forms::CommandButton cmdAddRecord{*this, "cmdAddRecord"};
    forms::CommandButton cmdEditRecord{*this, "cmdEditRecord"};
    forms::CommandButton cmdSaveRecord{*this, "cmdSaveRecord"};
    forms::CommandButton cmdDeleteRecord{*this, "cmdDeleteRecord"};
    forms::CommandButton cmdFind{*this, "cmdFind"};
    forms::CommandButton cmdPrint{*this, "cmdPrint"};
    forms::CommandButton cmdClose{*this, "cmdClose"};

    // --- the period buttons (their handlers are the return hand-over's) ---
    forms::Frame Frame1{*this, "Frame1"};
    forms::CommandButton cmdQtr1{*this, "cmdQtr1"};
    forms::CommandButton cmdQtr2{*this, "cmdQtr2"};
    forms::CommandButton cmdQtr3{*this, "cmdQtr3"};
    forms::CommandButton cmdQtr4{*this, "cmdQtr4"};
    forms::CommandButton cmdQtr5{*this, "cmdQtr5"};
    forms::Frame Frame2{*this, "Frame2"};
    forms::CommandButton cmd944{*this, "cmd944"};

    forms::Menu mnuPdPreparer{*this, "mnuPdPreparer"};
    forms::ResizeControl ReSize1{*this, "ReSize1"};
    forms::CommonDialog CommonDialog1{*this, "CommonDialog1"};

    // 0 while a new employer is being added, -1 (True) while one is edited.
    std::int16_t EditMode = 0;

    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    void Form_Click() override;

    void cmdAddRecord_Click();
    void cmdEditRecord_Click();
    void cmdSaveRecord_Click();
    void cmdDeleteRecord_Click();
    void cmdFind_Click();
    void cmdPrint_Click();
    void cmdClose_Click();
    void mnuPdPreparer_Click();

    // Written with the return hand-over (frmEmployersDE_HandOver.cpp).
    void cmdQtr1_Click();
    void cmdQtr2_Click();
    void cmdQtr3_Click();
    void cmdQtr4_Click();
    void cmdQtr5_Click();
    void cmd944_Click();

    // The number of the employer the screen stands on, when that employer is
    // stored, as the SQL of its rows writes it; nothing for an empty table, a
    // new employer not yet saved or a number that is none.
    std::optional<std::string> StoredEmployerNo();
    // When another copy of the program has deleted the employer shown: says
    // so (in a box with that title), stands on an employer that exists and
    // returns true.
    bool ReportDeletedEmployer(const char* title);
    // The current employer and period as the return screens receive them.
    EmployerHandOver HandOver();

    // The field entry: every one of the 22 fields colours itself while it has
    // the focus and sends Enter along the chain; three fields check more.
    void EntryField_GotFocus(forms::MaskedField& field);
    void EntryField_LostFocus(forms::MaskedField& field);
    void EntryField_KeyPress(forms::MaskedField& field, int& KeyAscii);
    void mskIdType_KeyPress(int& KeyAscii);
    void mskIdType_Validate(bool& Cancel);
    void mskTypePayer_KeyPress(int& KeyAscii);
    void mskTypePayer_Validate(bool& Cancel);
    void mskSignersPhone_KeyPress(int& KeyAscii);

    // The 22 entry fields in tab order.
    std::vector<forms::MaskedField*> EntryFields();

private:
    // Which buttons a state of the screen leaves enabled.
    enum class CommandState { Browsing, Entering, EmptyTable };
    void ShowCommandState(CommandState state);

    void LayOutControls();
    void WireEvents();
    // Save: its checks, its question when `askFirst`, the store and its
    // reports. True when the row was stored.
    bool SaveRecord(bool askFirst);
    // How storing the pending addition or edit ended when nothing failed.
    enum class StoreOutcome {
        Stored,
        KeyTaken, // another employer has its key: nothing was written
        NoNumber, // no free number could be drawn (said): the addition stays pending
    };
    // Stores the pending change (frmEmployersDE_Store.cpp): a new employer
    // whose number another copy gave away meanwhile under a number drawn
    // again. Other failures, an Edit's 3022 among them, go on to the caller.
    StoreOutcome StoreEmployer(data::Recordset& employers);
    // One attempt, the key's check and the write in one transaction; false,
    // with nothing written, when another employer has the key.
    bool StoreUnlessKeyTaken(data::Recordset& employers);
    // What a new employer's refused write (3022) met.
    enum class Collision { Key, Number, Neither };
    Collision WhatTheAdditionMet(data::Recordset& employers);
    // Raises the counter above every number in use and draws from it.
    bool DrawNumberNotInUse();
    void RefuseDuplicate();
    // False when another copy deleted the new employer before the screen
    // stood on it (the screen has said so and stands where a Delete leaves it).
    bool StandOnAddedEmployer(data::Recordset& employers);
    // Where the screen stands once the employer it stood on is gone: on the
    // next employer, or the last when none follows (always the last when the
    // one gone was the last); with none left, Add and Close only.
    void StandAfterGoneEmployer(data::Recordset& employers, bool goneWasLast);
    // Save's checks; false (after its message) when a field is missing.
    bool EntryIsComplete();
    // Deletes the current employer and its return rows, all or nothing.
    void DeleteEmployerWithReturns();
    void CancelPendingChange();

    bool saving_ = false; // a Save is running (the counter may be waiting)
    std::vector<std::unique_ptr<forms::Label>> fieldLabels_;
};
