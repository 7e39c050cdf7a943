// The employer screen's load, unload and commands.

#include "employers/frmEmployersDE.h"

#include "common/CloseWithPendingChange.h"
#include "common/DatabasePaths.h"
#include "common/EmployerNumberSql.h"
#include "common/basCounter.h"
#include "platform/basic/RuntimeError.h"
#include "platform/basic/ScopeExit.h"
#include "platform/basic/Strings.h"
#include "platform/data/Errors.h"
#include "platform/data/Transaction.h"

#include <optional>
#include <string>

namespace {

const char* const kNoMoreEmployers = "There are no more Employers. Select Add or Close.";

// The data may not be changed at all: read-only, or the row locks the other
// copies use cannot be taken.
// Failures that keep every row from changing now, told rather than ended in
// silence: the user would otherwise see Add or Edit do nothing.
bool NoChangePossible(int number) {
    return number == data::errReadOnly || number == data::errCouldNotLockFile || number == data::errDiskFull ||
           number == data::errDiskOrNetwork;
}

// Shows a screen another part of the program registers, when it is there.
void ShowScreenNamed(const char* name) {
    if (forms::App().HasScreen(name)) forms::Screen(name).Show();
}

bool IsBlank(const forms::TextField& field) { return basic::Len(basic::Trim(field.Text())) < 1; }

} // namespace

std::string frmEmployersDE::ErrorReport(const basic::RuntimeError& error) {
    return "Error = " + std::to_string(error.Number()) + " " + error.Description();
}

// --- which commands each state of the screen offers ---

void frmEmployersDE::ShowCommandState(CommandState state) {
    struct Row {
        CommandState state;
        bool add, edit, remove, find, print, close, save, arrows, periods, fieldsEditable;
    };
    // clang-format off
    static const Row kStates[] = {
        // state                    Add    Edit   Delete Find   Print  Close  Save   data control  period buttons  bound fields editable
        {CommandState::Browsing,   true,  true,  true,  true,  true,  true,  false, true,         true,           false},
        {CommandState::Entering,   false, false, false, false, false, false, true,  false,        true,           true },
        {CommandState::EmptyTable, true,  false, false, false, false, true,  false, false,        true,           false},
        {CommandState::RowsUnread, false, false, false, false, false, true,  false, false,        false,          false},
    };
    // clang-format on
    for (const Row& row : kStates) {
        if (row.state != state) continue;
        cmdAddRecord.SetEnabled(row.add);
        cmdEditRecord.SetEnabled(row.edit);
        cmdDeleteRecord.SetEnabled(row.remove);
        cmdFind.SetEnabled(row.find);
        cmdPrint.SetEnabled(row.print);
        cmdClose.SetEnabled(row.close);
        cmdSaveRecord.SetEnabled(row.save);
        datEmployers.SetEnabled(row.arrows);
        for (forms::CommandButton* period : {&cmdQtr1, &cmdQtr2, &cmdQtr3, &cmdQtr4, &cmdQtr5, &cmd944})
            period->SetEnabled(row.periods);
        forms::SetBoundControlsReadOnly(*this, datEmployers.Name(), !row.fieldsEditable);
    }
}

// --- load, unload, background ---

void frmEmployersDE::Form_Load() {
    try {
        SetWidth(forms::App().ScreenWidth());
        SetHeight(static_cast<long>(forms::App().ScreenHeight() * 0.9));
        datEmployers.SetDatabaseName(MainDatabasePath());
        datEmployers.SetExclusive(false);
        ShowCommandState(CommandState::Browsing);
        txtQtr_Yr.SetText("000");

        datEmployers.Refresh();
        auto employers = datEmployers.Recordset();
        if (employers && employers->Eof() && employers->Bof()) {
            forms::MsgBox("The database is empty! You need to add records. Click on Add or Close.", forms::vbOKOnly,
                          " ");
            ShowCommandState(CommandState::EmptyTable);
            cmdAddRecord.SetFocus();
        }
    } catch (const basic::RuntimeError& error) {
        forms::MsgBox(ErrorReport(error), forms::vbOKOnly, " ");
        // The rows could not be opened: the data control must not try again
        // behind the user's back when the load is over. Nothing typed here
        // could be stored and no employer can be handed on, so the screen
        // offers its Close only; opened again, it reads the rows anew.
        datEmployers.SetRecordSource("");
        ShowCommandState(CommandState::RowsUnread);
        forms::EmptyAndDisableBoundControls(*this, datEmployers.Name());
        cmdClose.SetFocus();
    }
}

void frmEmployersDE::Form_Unload(int& Cancel) {
    if (!MayCloseWithPendingChange(datEmployers, [this] { return SaveRecord(false); })) {
        Cancel = 1;
        return;
    }
    ShowScreenNamed("frm941MainScreen");
}

void frmEmployersDE::Form_Click() {
    // Two earlier return screens nothing ever loads; unloading them changes nothing.
    for (const char* name : {"frmDet941", "frmdet944"})
        if (forms::App().HasScreen(name)) forms::Screen(name).Unload();
}

// --- Add, Edit ---

void frmEmployersDE::cmdAddRecord_Click() {
    auto employers = datEmployers.Recordset();
    if (!employers) return;
    try {
        employers->AddNew();
    } catch (const basic::RuntimeError& error) {
        if (error.Number() == data::errActionCancelled) {
            forms::MsgBox("Error number, " + std::to_string(error.Number()) +
                              " has occurred. The attempt to add a record is being cancelled. Please "
                              "try again to add a record. If you need to edit existing data, be certain "
                              "to click on Edit before attempting to change information.",
                          forms::vbOKOnly + forms::vbExclamation, "Add Record Error");
            ShowCommandState(CommandState::Browsing);
        } else if (NoChangePossible(error.Number())) {
            forms::MsgBox(ErrorReport(error), forms::vbOKOnly + forms::vbExclamation, "Add Record Error");
        }
        return;
    }
    EditMode = 0;
    ShowCommandState(CommandState::Entering);
    mskEmployerName1.SetFocus();
}

void frmEmployersDE::cmdEditRecord_Click() {
    auto employers = datEmployers.Recordset();
    if (!employers) return;
    const std::optional<ShownEmployer> shown = ShownEmployerRow();
    EmployerStanding standing = EmployerStanding::Same;
    try {
        // Checked at the click, in one transaction with the Edit that reads
        // the row again, so that what the Edit starts from is the employer shown.
        data::InOneTransaction(*datEmployers.Database(), [&] {
            if (shown) standing = StandingOfShown(*shown);
            if (standing == EmployerStanding::Same) employers->Edit();
        });
    } catch (const basic::RuntimeError& error) {
        if (error.Number() == data::errRecordLocked) {
            forms::MsgBox("This Employer is currently in use by another user and is not currently "
                          "available. Try working with a different Employer.",
                          forms::vbOKOnly, "Edit Record Error");
            cmdClose.SetEnabled(true);
        } else if (error.Number() == data::errRecordDeleted && shown) {
            RefuseForEmployer(EmployerStanding::Gone, *shown, "Edit Record Error");
        } else if (NoChangePossible(error.Number())) {
            forms::MsgBox(ErrorReport(error), forms::vbOKOnly + forms::vbExclamation, "Edit Record Error");
        }
        return;
    }
    if (standing != EmployerStanding::Same) return RefuseForEmployer(standing, *shown, "Edit Record Error");
    editStart_ = ShownEmployerOf(*employers);
    EditMode = -1;
    ShowCommandState(CommandState::Entering);
    mskEmployerName1.SetFocus();
}

void frmEmployersDE::StandAfterGoneEmployer(data::Recordset& employers, bool goneWasLast) {
    try {
        if (!goneWasLast) employers.MoveNext();
        if (goneWasLast || employers.Eof()) employers.MoveLast();
        ShowCommandState(CommandState::Browsing);
    } catch (const basic::RuntimeError&) {
        // No employer is left.
        ShowCommandState(CommandState::EmptyTable);
    }
}

// --- Save ---

bool frmEmployersDE::EntryIsComplete() {
    struct Check {
        forms::MaskedField& field;
        bool onlyForUsAddress;
        const char* message;
    };
    // clang-format off
    const Check checks[] = {
        {mskAddress,     false, "Street Address cannot be blank!"},
        {mskPyr_Taxid,   false, "Please enter the Employer's TaxID Number"},
        {mskCity,        false, "Please enter the name of the Employer's city."},
        {mskState,       true,  "Please enter the Employer's STate code. For example: CT"},
        {mskEmployerZip, true,  "Please enter the Employer's Zip code."},
    };
    // clang-format on
    const bool usAddress = mskCountry.Text() == "Y";
    for (const Check& check : checks) {
        auto& field = check.field;
        if (check.onlyForUsAddress && !usAddress) continue;
        if (!IsBlank(field)) continue;
        forms::MsgBox(check.message, forms::vbOKOnly, "Employer Data Error");
        field.SetFocus();
        return false;
    }
    return true;
}

void frmEmployersDE::CancelPendingChange() {
    try {
        if (auto employers = datEmployers.Recordset()) employers->CancelUpdate();
    } catch (const basic::RuntimeError&) {
        // Nothing pending is left to cancel.
    }
}

void frmEmployersDE::cmdSaveRecord_Click() { SaveRecord(true); }

// The new employer is the row this copy stored, not the last row: another
// copy may have added one since, and the period buttons would then open that
// employer's returns. The employer is stored whatever happens here: the Save
// went through and is never told as failed. Should another copy already have
// deleted it, the screen must not stay on the employer shown before Add as if
// it were the new one: the user hears that it is gone, and the screen stands
// as after its Delete (it was the last row).
bool frmEmployersDE::StandOnAddedEmployer(data::Recordset& employers) {
    try {
        employers.SetBookmark(employers.LastModified());
        return true;
    } catch (const basic::RuntimeError& error) {
        if (error.Number() != data::errInvalidBookmark) return true;
    }
    forms::MsgBox(kEmployerDeletedByAnotherUser, forms::vbOKOnly + forms::vbExclamation, "Save Record");
    StandAfterGoneEmployer(employers, true);
    return false;
}

bool frmEmployersDE::SaveRecord(bool askFirst) {
    auto employers = datEmployers.Recordset();
    if (!employers) return false;
    // The counter lets clicks through while it waits for a locked row; a
    // second Save then must not start.
    if (saving_) return false;
    saving_ = true;
    const basic::ScopeExit done([this] { saving_ = false; });

    if (!EntryIsComplete()) return false;

    // Without a number the employer cannot be stored yet; what was typed
    // stays pending, so that Save draws again once the counter can give one.
    if (EditMode == 0 && !AssignNextNumber(*this, "Employers_ID", "txtEmployerNo")) return false;

    const bool store = !askFirst || forms::MsgBox("Save this Record?", forms::vbOKCancel, "Save Record") == forms::vbOK;
    try {
        if (store) {
            switch (StoreEmployer(*employers)) {
            case StoreOutcome::Stored: break;
            case StoreOutcome::KeyTaken: RefuseDuplicate(); return false;
            case StoreOutcome::NoNumber: return false;
            case StoreOutcome::EmployerReplaced:
                // The edit stays pending as typed, for Save once the
                // employer is the one shown again, or for Cancel.
                forms::MsgBox(kEmployerReplacedByAnotherUser, forms::vbOKOnly + forms::vbExclamation,
                              "Error saving record");
                return false;
            }
            if (EditMode == 0 && !StandOnAddedEmployer(*employers)) {
                cmdClose.SetFocus();
                return true;
            }
        } else {
            employers->CancelUpdate();
        }
    } catch (const basic::RuntimeError& error) {
        if (error.Number() == data::errDuplicateKey) {
            RefuseDuplicate();
            return false;
        }
        // Not stored: say so and keep the change pending for another try.
        forms::MsgBox(ErrorReport(error), forms::vbOKOnly + forms::vbExclamation, "Error saving record");
        return false;
    }
    ShowCommandState(CommandState::Browsing);
    cmdClose.SetFocus();
    return store;
}

// --- Delete ---

EmployerStanding frmEmployersDE::DeleteEmployerWithReturns(const std::optional<ShownEmployer>& shown) {
    auto employers = datEmployers.Recordset();
    auto database = datEmployers.Database();
    // A number another program stored with a fraction (8.5) names its
    // returns as a whole number does.
    const std::optional<std::string> employerNo = EmployerNumberSql(employers->Fields("EmployerNo").Value());

    return data::InOneTransaction(*database, [&] {
        const EmployerStanding standing = shown ? StandingOfShown(*shown) : EmployerStanding::Same;
        if (standing == EmployerStanding::Gone) data::RaiseEngineError(data::errRecordDeleted, "DAO.Recordset");
        if (standing == EmployerStanding::Replaced) return standing;
        if (employerNo) {
            database->Execute("DELETE * FROM DET941 WHERE EmployerNo = " + *employerNo, data::dbFailOnError);
            database->Execute("DELETE * FROM Det944 WHERE EmployerNo = " + *employerNo, data::dbFailOnError);
        }
        employers->Delete();
        return standing;
    });
}

void frmEmployersDE::cmdDeleteRecord_Click() {
    const int style = forms::vbYesNo + forms::vbCritical + forms::vbDefaultButton2;
    if (forms::MsgBox("Are you sure that you want to delete this Employer along with any 941 and/or 944 "
                      "Dollar records?",
                      style, "Delete Record") != forms::vbYes)
        return;
    if (forms::MsgBox("Please reconfirm. Are you ABSOLUTELY SURE that you want to delete this Employer "
                      "along with any underlying 941/944 Dollar records?",
                      style, "Delete Record") != forms::vbYes)
        return;

    // Each step may find no current row; the user hears that once per click.
    bool toldNoMore = false;
    auto step = [&](auto&& action) {
        try {
            action();
            return true;
        } catch (const basic::RuntimeError& error) {
            if (error.Number() == data::errNoCurrentRecord) {
                if (!toldNoMore) forms::MsgBox(kNoMoreEmployers, forms::vbOKOnly, "Delete Record");
                toldNoMore = true;
                return true;
            }
            forms::MsgBox(ErrorReport(error), forms::vbOKOnly, "Delete Record");
            return false;
        }
    };
    auto employers = datEmployers.Recordset();
    if (!employers) return;
    // The employer as shown before the questions: the one the user chose.
    const std::optional<ShownEmployer> shown = ShownEmployerRow();
    EmployerStanding standing = EmployerStanding::Same;
    if (!step([&] { standing = DeleteEmployerWithReturns(shown); })) return;
    if (standing == EmployerStanding::Replaced) return RefuseForEmployer(standing, *shown, "Delete Record");
    if (!step([&] { employers->MoveNext(); })) return;
    step([&] {
        if (employers->Eof()) employers->MoveLast();
    });
}

// --- Find ---

void frmEmployersDE::cmdFind_Click() {
    std::string name =
        forms::InputBox("Enter up to 10 letters of the Employer's name:", "Find an Employer", "").value_or("");
    // Everything from the first apostrophe on is dropped, so the text can
    // stand between apostrophes in the criterion.
    if (const auto apostrophe = name.find('\''); apostrophe != std::string::npos) name.erase(apostrophe);
    long letters = basic::Len(name);
    if (letters == 0) return;
    if (letters > 10) {
        name = basic::Left(name, 10);
        letters = 10;
    }
    const std::string criterion = "left(EmployerName1, " + std::to_string(letters) + ") = '" + name + "'";

    auto employers = datEmployers.Recordset();
    if (!employers) return;
    // With no current row (the last employer deleted) there is no position
    // to return to, but the search runs all the same.
    std::optional<std::string> position;
    try {
        position = employers->Bookmark();
    } catch (const basic::RuntimeError&) {}
    employers->FindFirst(criterion);
    if (employers->NoMatch()) {
        forms::MsgBox("Can't Find an Employer whose name begins with " + name + ". Try again with a shorter name.",
                      forms::vbOKOnly + forms::vbExclamation, "Find Error");
        if (position) employers->SetBookmark(*position);
        cmdFind.SetFocus();
        return;
    }
    cmdClose.SetFocus();
}

// --- Print List, Paid Preparer Setup, Close ---

void frmEmployersDE::cmdPrint_Click() {
    // The listing opens over this screen; its own Close gives Close back.
    if (!forms::App().HasScreen("frmPrintLists")) return;
    cmdClose.SetEnabled(false);
    try {
        forms::Screen("frmPrintLists").Show();
    } catch (const basic::RuntimeError& error) {
        // The listing could not read its rows (a damaged file, the file held
        // by another copy): it goes again, which gives Close back, and the
        // user hears why.
        forms::Screen("frmPrintLists").Unload();
        forms::MsgBox(ErrorReport(error), forms::vbOKOnly, " ");
    }
}

void frmEmployersDE::mnuPdPreparer_Click() { ShowScreenNamed("frmPaidPreparer"); }

void frmEmployersDE::cmdClose_Click() {
    Unload(); // asks first about a pending addition or edit
    if (IsLoaded()) return;
    ShowScreenNamed("frm941MainScreen");
}
