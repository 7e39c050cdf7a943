#pragma once
// The employer screen: the file of employers (table Employers), the current
// employer every return screen works on, and the chosen return period.

#include "common/EmployerHandOver.h"
#include "common/EmployerStanding.h"
#include "employers/DigitsField.h"
#include "employers/KeyLetterField.h"
#include "platform/data/DataControl.h"
#include "platform/forms/Forms.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace basic {
class RuntimeError;
}

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
    // Whether the employer the screen shows is still the one stored under its
    // number (another copy may have deleted it, or restored or imported
    // another employer under that number). When it is not, says so in a box
    // with that title and, while browsing, stands on the employer now under
    // that number, else where a Delete leaves the screen; a pending change
    // stays as typed. While browsing, the row is read afresh.
    bool ShownEmployerStands(const char* title);
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
    // RowsUnread: the load could not read the rows; only Close is offered.
    enum class CommandState { Browsing, Entering, EmptyTable, RowsUnread };
    void ShowCommandState(CommandState state);

    // How the screen names an error in its boxes: "Error = <number> <description>".
    static std::string ErrorReport(const basic::RuntimeError& error);
    void LayOutControls();
    void WireEvents();
    // Save: its checks, its question when `askFirst`, the store and its
    // reports. True when the row was stored.
    bool SaveRecord(bool askFirst);
    // How storing the pending addition or edit ended when nothing failed.
    enum class StoreOutcome {
        Stored,
        KeyTaken,         // another employer has its key: nothing was written
        EmployerReplaced, // an edited employer's number names another employer now: nothing was written
        NoNumber, // no free number could be drawn (said): the addition stays pending
    };
    // Stores the pending change (frmEmployersDE_Store.cpp): a new employer
    // whose number another copy gave away meanwhile under a number drawn
    // again. Other failures, an Edit's 3022 among them, go on to the caller.
    StoreOutcome StoreEmployer(data::Recordset& employers);
    // One attempt, the key's checks and the write in one transaction;
    // nothing is written unless it is stored.
    StoreOutcome StoreUnlessKeyTaken(data::Recordset& employers);
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

    // The employer shown, as the screen last read it from the file (at the
    // load, a move, a Save or the start of an Edit): its number and key.
    struct ShownEmployer {
        data::Value number;
        std::string IDType, Pyr_Taxid, TypePayer;
        EmployerKey Key() const { return KeyOfEmployer(IDType, Pyr_Taxid, TypePayer); }
    };
    // None while an employer is added and when no stored row is shown.
    std::optional<ShownEmployer> ShownEmployerRow();
    static ShownEmployer ShownEmployerOf(data::Recordset& employers);
    // What is stored under the shown employer's number now.
    EmployerStanding StandingOfShown(const ShownEmployer& shown);
    // The same, told by the current row read afresh while browsing.
    EmployerStanding StandingOfShownRow(data::Recordset& employers, const ShownEmployer& shown);
    // After an action refused for its employer: says why and, while
    // browsing, stands where ShownEmployerStands says.
    void RefuseForEmployer(EmployerStanding standing, const ShownEmployer& shown, const char* title);
    void StandOnEmployerNumbered(const data::Value& number);
    // Deletes the current employer and its return rows, all or nothing,
    // only while the employer stored under its number is the one shown; an
    // employer gone is 3167, as the row's own Delete says.
    EmployerStanding DeleteEmployerWithReturns(const std::optional<ShownEmployer>& shown);
    void CancelPendingChange();

    bool saving_ = false; // a Save is running (the counter may be waiting)
    // The employer as the pending Edit started from: its Save is checked
    // against it, whatever the user typed into the key's fields.
    std::optional<ShownEmployer> editStart_;
    std::vector<std::unique_ptr<forms::Label>> fieldLabels_;
};
