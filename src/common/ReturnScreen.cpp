#include "common/ReturnScreen.h"

#include "common/BalanceRule.h"
#include "common/CloseWithPendingChange.h"
#include "common/EmployerHandOver.h"
#include "common/EmployerNumberSql.h"
#include "common/ReturnScreenMessages.h"
#include "common/SqlText.h"
#include "common/TaxIdShape.h"
#include "platform/basic/NumberToText.h"
#include "platform/basic/RuntimeError.h"
#include "platform/data/Errors.h"
#include "platform/data/Recordset.h"
#include "platform/data/Transaction.h"
#include "platform/files/ProgramFolder.h"

#include <optional>
#include <stdexcept>

namespace msg = return_messages;

ReturnScreen::ReturnScreen(std::string name) : forms::Form(std::move(name)) {
    LayOutFrame();
    WireFrameEvents();
}

void ReturnScreen::LayOutFrame() {
    SetWidth(12600);
    SetHeight(9600);

    lblEmployer.SetCaption("Employer:");
    lblEmployer.Move(120, 120, 900, 285);
    txtEmployerName.Move(1080, 120, 4200, 285);
    txtEmployerName.SetTabStop(false);
    txtEmployerTaxId.Move(6600, 120, 1500, 285);
    txtEmployerTaxId.SetTabStop(false);
    txtEmployerNo.Move(8400, 120, 900, 285);
    txtEmployerNo.SetTabStop(false);
    txtEmployerNo.SetDataSource("datDollars");
    txtEmployerNo.SetDataField("EmployerNo");

    SSTab1.SetTabs(3);
    SSTab1.Move(120, 520, 12300, 7700);
    SSTab1.SetTabIndex(1);

    lblQtrYr.SetCaption("Qtr / Yr:");
    OnPage(lblQtrYr, 0, 120, 420, 900);
    mskQtr_yr.SetMask("9/99");
    mskQtr_yr.SetMaxLength(4);
    mskQtr_yr.SetDataSource("datDollars");
    mskQtr_yr.SetDataField("Qtr_Yr");
    OnPage(mskQtr_yr, 0, 1080, 420, 600);

    Command2.SetCaption("Next -->");
    OnPage(Command2, 0, 10600, 7200, 1200, 360);
    Command5.SetCaption("<-- Prior");
    OnPage(Command5, 1, 9300, 7200, 1200, 360);
    Command4.SetCaption("Next -->");
    OnPage(Command4, 1, 10600, 7200, 1200, 360);
    Command6.SetCaption("<-- Prior");
    OnPage(Command6, 2, 10600, 7200, 1200, 360);

    struct ButtonPlace {
        forms::CommandButton* button;
        const char* caption;
        long left;
    };
    const ButtonPlace buttons[] = {
        {&cmdAddNew, "&Add", 120},           {&cmdEditRecord, "&Edit", 1440}, {&cmdSaveRecord, "&Save", 2760},
        {&cmdDeleteRecord, "&Delete", 4080}, {&cmdClose, "&Close", 5400},
    };
    int tabIndex = 200;
    for (const ButtonPlace& place : buttons) {
        place.button->SetCaption(place.caption);
        place.button->Move(place.left, 8400, 1200, 420);
        place.button->SetTabIndex(tabIndex++);
    }
    DMWin2.SetCaption("Print");
    DMWin2.Move(6720, 8400, 1200, 420);
    DMWin2.SetTabIndex(tabIndex++);
    datDollars.SetCaption("941 Dollars");
    datDollars.Move(8160, 8400, 4200, 420);
    datDollars.SetConnect("Access");
    datDollars.SetExclusive(false);
}

void ReturnScreen::OnPage(forms::Control& control, int page, long left, long top, long width, long height) {
    if (page == kOnForm) {
        control.SetContainerForm();
    } else {
        control.SetContainer(SSTab1, page);
    }
    control.Move(left, top, width, height);
}

void ReturnScreen::PlaceCaptions(std::span<const LineCaption> captions) {
    for (const LineCaption& c : captions) {
        c.label->SetCaption(c.text);
        OnPage(*c.label, c.page, c.left, c.top, c.width);
    }
}

void ReturnScreen::SetBoxCaptions(std::span<const BoxCaption> boxes) {
    for (const BoxCaption& b : boxes) b.box->SetCaption(b.caption);
}

void ReturnScreen::SetHints(std::span<const ControlText> hints) {
    for (const ControlText& h : hints) h.control->SetToolTipText(h.text);
}

void ReturnScreen::SetHints(std::span<const NamedText> hints) {
    for (const NamedText& h : hints) Named(h.control).SetToolTipText(h.text);
}

LineRecompute ReturnScreen::BalanceDueOf(const forms::CurrencyField& tax, const forms::CurrencyField& payments) {
    return Computed({&tax, &payments}, [](std::span<const double> amounts) {
        return ApplyBalanceRule(amounts[0], amounts[1]).balanceDue;
    });
}

LineRecompute ReturnScreen::OverpaymentOf(const forms::CurrencyField& tax, const forms::CurrencyField& payments) {
    // Reads its two inputs only; what it keeps besides its value is the flag.
    return {{}, {}, LineFormula{{&tax, &payments}, [this](std::span<const double> amounts) {
                                    const BalanceOutcome outcome = ApplyBalanceRule(amounts[0], amounts[1]);
                                    if (outcome.overpaidFlag) OverpaidFlag = *outcome.overpaidFlag;
                                    return outcome.overpayment;
                                }}};
}

void ReturnScreen::WirePrint(std::function<void()> print) {
    DMWin2.PrintRequest = [this, print = std::move(print)] {
        ReadyToStoreOrPrint();
        print();
    };
}

forms::Control& ReturnScreen::Named(const char* name) const {
    forms::Control* control = ControlByName(name);
    if (control == nullptr) throw std::logic_error(Name() + " has no control " + name);
    return *control;
}

void ReturnScreen::UseLines(std::vector<ReturnLine> lines) {
    lines_ = std::move(lines);
    LayOutLineFields(lines_, [this](forms::Control& field, int page, long left, long top, long width, long height) {
        OnPage(field, page, left, top, width, height);
    });
    BindLineColumns(lines_, "datDollars");
    const std::vector<int> lastOfPage = OrderLineTabs(lines_, 10, 3);
    Command2.SetTabIndex(lastOfPage[0] + 1);
    Command5.SetTabIndex(lastOfPage[1] + 1);
    Command4.SetTabIndex(lastOfPage[1] + 1);
    Command6.SetTabIndex(lastOfPage[2] + 1);
    ChainLines(lines_, chain_);
    computed_.Use(lines_);
    chain_.SetRecomputing([this] { RecomputeLines(); });
}

void ReturnScreen::RememberLines() { computed_.Remember(); }

bool ReturnScreen::ChangePending() {
    data::RecordsetPtr rows = datDollars.Recordset();
    return rows && rows->EditMode() != data::dbEditNone;
}

// Whatever way the payments were changed (a click away from them runs no
// Enter), a return with no overpayment asks for none to be applied or
// refunded. Boxes ticked before the payments are typed stand until then.
void ReturnScreen::ReadyToStoreOrPrint() {
    RecomputeLines();
    if (ChangePending()) overpaymentBoxes_.UntickWithoutOverpayment();
}

void ReturnScreen::UseOverpaymentBoxes(const forms::CurrencyField& overpayment, forms::CheckBox& apply,
                                       forms::CheckBox& refund) {
    overpaymentBoxes_.Use(overpayment, apply, refund);
}

void ReturnScreen::UntickOverpaymentBoxes() {
    if (ChangePending()) overpaymentBoxes_.Untick();
}

void ReturnScreen::RecomputeLines() {
    if (ChangePending()) computed_.Recompute();
}

std::vector<forms::Control*> ReturnScreen::FieldsAddEnables() {
    return LineFieldsWith(lines_, {Entry::OpenedByAdd, Entry::ClosedUntilAdd});
}

std::vector<forms::Control*> ReturnScreen::FieldsClosedWithoutRow() const {
    return LineFieldsWith(lines_, {Entry::ClosedUntilAdd});
}

void ReturnScreen::WireFrameEvents() {
    cmdAddNew.Click = [this] { cmdAddNew_Click(); };
    cmdEditRecord.Click = [this] { cmdEditRecord_Click(); };
    cmdSaveRecord.Click = [this] { cmdSaveRecord_Click(); };
    cmdDeleteRecord.Click = [this] { cmdDeleteRecord_Click(); };
    cmdClose.Click = [this] { cmdClose_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Command5.Click = [this] { Command5_Click(); };
    Command6.Click = [this] { Command6_Click(); };
    datDollars.BeforeMove = [this](const std::function<void()>& move) { datDollars_BeforeMove(move); };
}

void ReturnScreen::ShowRecordState(RecordStep step) {
    ApplyRecordButtonStates({cmdAddNew, cmdEditRecord, cmdSaveRecord, cmdDeleteRecord, cmdClose, datDollars}, step);
    // The employer and the period are the row's key: Add and the hand-over
    // write them from the employer screen's row and chosen period, and the
    // user never types them (a typed key would store a row no button opens).
    txtEmployerNo.SetReadOnly(true);
    mskQtr_yr.SetReadOnly(true);
}

void ReturnScreen::Form_Load() {
    const EmployerHandOver employer = CurrentEmployer();
    RequireEmployerRow(employer);
    periodCode_ = employer.PeriodCode;
    employerKey_ = KeyOfEmployer(employer.IDType, employer.Pyr_Taxid, employer.TypePayer);
    employerNo_ = employer.EmployerNo;

    AdaptToPeriod(periodCode_);
    txtEmployerName.SetText(employer.EmployerName1);
    txtEmployerTaxId.SetText(HeaderTaxId(employer.IDType, employer.Pyr_Taxid));
    ShowRecordState(RecordStep::Load);
    // The rows themselves are chosen by the employer screen's hand-over.
    datDollars.SetDatabaseName(files::AppPath() + "\\TV941.MDB");
    datDollars.SetExclusive(false);
    SSTab1.SetTab(0);
}

void ReturnScreen::LoadRowOfPeriod(const char* title) {
    try {
        ReturnScreen::Form_Load();
        const std::optional<std::string> employerNo = ShownEmployerNumberSql(CurrentEmployer().EmployerNo);
        if (!employerNo) basic::Raise(data::errNoCurrentRecord, "EmployerNo");
        datDollars.SetRecordSource(RowsOfEmployer(*employerNo));
        if (OpenRowsOfShownEmployer(title)) {
            if (datDollars.Recordset()->RecordCount() == 0) return ShowRecordState(RecordStep::NoRowFound);
            return RememberLines();
        }
    } catch (const basic::RuntimeError& error) {
        forms::MsgBox(msg::kLoadFailedStart + std::to_string(error.Number()) + ": " + error.Description(),
                      forms::vbExclamation, title);
        // Nothing opens them later unchecked (a print, the close).
        datDollars.LetRowsGo();
    }
    // Without its rows, or with another employer's, only Close is left.
    ShowRecordState(RecordStep::RowsWithheld);
}

std::string ReturnScreen::RowsOfEmployer(const std::string& employerNo) const {
    return "SELECT * FROM [DET941] WHERE [EmployerNo] = " + employerNo + " AND [Qtr_Yr] = " + SqlText(periodCode_);
}

const char* ReturnScreen::NoRowLeftText() const { return msg::kDeleteNoRow; }

const char* ReturnScreen::DataEntryTitle() const { return msg::kForm941DataEntryTitle; }

bool ReturnScreen::OpenRowsOfShownEmployer(const char* title) {
    EmployerStanding standing = EmployerStanding::Same;
    datDollars.Refresh([&](const std::function<void()>& read) { standing = ReadWhileEmployerIsShown(read); });
    if (standing == EmployerStanding::Same) return true;
    RefuseForEmployer(standing, title);
    // No rows, so that nothing opens them unchecked when the load ends.
    datDollars.LetRowsGo();
    return false;
}

void ReturnScreen::ShowNoRowOfPeriod() {
    ShowRecordState(RecordStep::NoRowFound);
    for (forms::Control* field : FieldsClosedWithoutRow()) field->SetEnabled(false);
    cmdAddNew.SetFocus();
}

void ReturnScreen::datDollars_BeforeMove(const std::function<void()>& move) {
    const EmployerStanding standing = ReadWhileEmployerIsShown(move);
    if (standing != EmployerStanding::Same) RefuseForEmployer(standing, DataEntryTitle());
}

void ReturnScreen::cmdAddNew_Click() {
    try {
        datDollars.Recordset()->AddNew();
        EditMode = 0;
        for (forms::Control* field : FieldsAddEnables()) field->SetEnabled(true);
        const EmployerHandOver employer = CurrentEmployer();
        RequireEmployerRow(employer);
        txtEmployerNo.SetText(employer.EmployerNo);
        mskQtr_yr.SetText(employer.PeriodCode);
        AfterAddCopiedKey();
        computed_.Remember();
        ShowRecordState(StepOfAdd());
        AddFocusField().SetFocus();
    } catch (const basic::RuntimeError& error) {
        if (error.Number() == data::errActionCancelled) {
            forms::MsgBox(msg::kAddRefusedStart + std::to_string(error.Number()) + msg::kAddRefusedRest,
                          forms::vbExclamation, msg::kAddErrorTitle);
            ShowRecordState(RecordStep::AddRefused);
            return;
        }
        ReportAddFailure(error.Number(), error.Description());
    }
}

void ReturnScreen::ReportAddFailure(int number, const std::string& description) {
    forms::MsgBox(msg::kAddFailedStart + std::to_string(number) + ": " + description, forms::vbExclamation,
                  msg::kAddErrorTitle);
    // Leave no half-started row behind, and offer what the rows allow.
    data::RecordsetPtr rows = datDollars.Recordset();
    if (rows && rows->EditMode() == data::dbEditAdd) rows->CancelUpdate();
    ShowRecordState(rows && rows->RecordCount() > 0 ? RecordStep::Load : RecordStep::NoRowFound);
}

void ReturnScreen::cmdEditRecord_Click() {
    try {
        data::RecordsetPtr rows = datDollars.Recordset();
        if (!rows) basic::Raise(data::errNoCurrentRecord, "datDollars");
        // Checked before Edit reads the row again: a refused Edit leaves the
        // figures shown as they were.
        const EmployerStanding standing =
            WhileEmployerIsShown(ShownEmployerNumberSql(employerNo_), [&] { rows->Edit(); });
        if (standing != EmployerStanding::Same) return RefuseForEmployer(standing, msg::kEditTitle);
        EditMode = -1;
        ShowRecordState(StepOfEdit());
        SSTab1.SetTab(0);
        EditFocusField().SetFocus();
        RememberLines();
    } catch (const basic::RuntimeError& error) {
        switch (error.Number()) {
        case data::errNoCurrentRecord:
            forms::MsgBox(msg::kEditNoRow, forms::vbOKOnly, msg::kEditNoRowTitle);
            ShowRecordState(RecordStep::EditFoundNoRow);
            cmdClose.SetFocus();
            break;
        case data::errRecordLocked: forms::MsgBox(msg::kEditLocked, forms::vbOKOnly, msg::kEditLockedTitle); break;
        default:
            forms::MsgBox(msg::kUnexpectedStart + basic::Str(error.Number()) + error.Description(), forms::vbOKOnly,
                          msg::kUnexpectedTitle);
            break;
        }
    }
}

void ReturnScreen::cmdSaveRecord_Click() {
    ReadyToStoreOrPrint();
    if (!SaveChecksPass()) return;
    if (forms::MsgBox(msg::kSavePrompt, forms::vbOKCancel, msg::kSaveTitle) == forms::vbOK) {
        StorePendingRow();
        return;
    }
    cmdSaveRecord.SetEnabled(false);
    if (data::RecordsetPtr rows = datDollars.Recordset()) {
        // An addition let go shows the row before it again, read afresh.
        const EmployerStanding standing = ReadWhileEmployerIsShown([&] { rows->CancelUpdate(); });
        if (standing != EmployerStanding::Same) return ShowEmployerLost(standing, msg::kSaveTitle);
    }
    ShowRecordState(RecordStep::Save);
    cmdClose.SetFocus();
}

bool ReturnScreen::StorePendingRow() {
    data::RecordsetPtr rows = datDollars.Recordset();
    try {
        if (!rows) basic::Raise(data::errNoCurrentRecord, "datDollars");
        const EmployerStanding standing = StoreRowOfStoredEmployer(*rows);
        if (standing != EmployerStanding::Same) {
            forms::MsgBox(standing == EmployerStanding::Gone ? msg::kEmployerGone : msg::kEmployerReplaced,
                          forms::vbExclamation, msg::kSaveFailedTitle);
            KeepChangePending();
            return false;
        }
    } catch (const basic::RuntimeError& error) {
        // The change stays pending, so the user can correct it and save again.
        forms::MsgBox(msg::kSaveFailedStart + std::to_string(error.Number()) + ": " + error.Description(),
                      forms::vbExclamation, msg::kSaveFailedTitle);
        return false;
    }
    // Stored: what follows shows the row, and never reports the Save failed.
    if (EditMode == 0) return ShowStoredAddition(), true;
    ShowRecordState(RecordStep::Save);
    cmdClose.SetFocus();
    return true;
}

// Another copy may have restored, imported or deleted since the commit: the
// row stored may be gone, and the number may name another employer.
void ReturnScreen::ShowStoredAddition() {
    data::RecordsetPtr rows = datDollars.Recordset();
    bool rowFound = true;
    EmployerStanding standing = EmployerStanding::Same;
    try {
        standing = ReadWhileEmployerIsShown([&] {
            try {
                rows->MoveLast();
            } catch (const basic::RuntimeError& error) {
                if (error.Number() != data::errNoCurrentRecord) throw;
                rowFound = false;
            }
        });
    } catch (const basic::RuntimeError& error) {
        forms::MsgBox(msg::kSavedNotShownStart + std::to_string(error.Number()) + ": " + error.Description(),
                      forms::vbExclamation, msg::kSaveTitle);
    }
    if (standing != EmployerStanding::Same) return ShowEmployerLost(standing, msg::kSaveTitle);
    if (!rowFound) return ShowNoRowOfPeriod();
    ShowRecordState(RecordStep::Save);
    cmdClose.SetFocus();
}

void ReturnScreen::ShowEmployerLost(EmployerStanding standing, const char* title) {
    RefuseForEmployer(standing, title);
    datDollars.LetRowsGo();
    ShowRecordState(RecordStep::RowsWithheld);
    cmdClose.SetFocus();
}

void ReturnScreen::KeepChangePending() {
    ShowRecordState(EditMode == 0 ? StepOfAdd() : StepOfEdit());
    cmdSaveRecord.SetFocus();
}

// Another copy of the program may have deleted the employer since the
// screen was opened, or put another employer under its number (an import or a
// restore replaces the employers; the counter may hand a freed number out
// again), or corrected its tax id: the return row is then neither stored,
// changed nor deleted, for it would belong to another employer or to none. A
// rename or a new address leaves the employer the same, and so does the
// employer screen's Save writing a key it read in another shape
// ("06-1234567", a kind "r") back in its own. The check and the write are one
// transaction, so the employer cannot change in between.
EmployerStanding ReturnScreen::WhileEmployerIsShown(const std::optional<std::string>& employerNo,
                                                    const std::function<void()>& action, Access access) {
    data::DatabasePtr database = datDollars.Database();
    if (!database) basic::Raise(data::errNoCurrentRecord, "datDollars");
    const auto checked = [&] {
        const EmployerStanding standing = StandingOfEmployer(*database, employerNo, employerKey_);
        if (standing == EmployerStanding::Same) action();
        return standing;
    };
    return access == Access::Read ? data::InOneReadTransaction(*database, checked)
                                  : data::InOneTransaction(*database, checked);
}

// The arrows, the hand-over's first read and the moves after a Save or a
// Delete read rows by the number alone: after a restore or an import they
// would show another employer's figures under this one's name.
EmployerStanding ReturnScreen::ReadWhileEmployerIsShown(const std::function<void()>& read) {
    return WhileEmployerIsShown(ShownEmployerNumberSql(employerNo_), read, Access::Read);
}

// An addition names its employer as Add wrote it; an edit, as the load read it.
EmployerStanding ReturnScreen::StoreRowOfStoredEmployer(data::Recordset& rows) {
    const std::string& employerNo = EditMode == 0 ? txtEmployerNo.Text() : employerNo_;
    return WhileEmployerIsShown(ShownEmployerNumberSql(employerNo), [&] { rows.Update(); });
}

void ReturnScreen::RefuseForEmployer(EmployerStanding standing, const char* title) {
    forms::MsgBox(EmployerRefusal(standing), forms::vbOKOnly + forms::vbExclamation, title);
}

void ReturnScreen::cmdDeleteRecord_Click() {
    try {
        if (forms::MsgBox(msg::kDeletePrompt, forms::vbOKCancel, msg::kDeleteTitle) != forms::vbOK) return;
        data::RecordsetPtr rows = datDollars.Recordset();
        if (!rows) basic::Raise(data::errNoCurrentRecord, "datDollars");
        const EmployerStanding standing =
            WhileEmployerIsShown(ShownEmployerNumberSql(employerNo_), [&] { rows->Delete(); });
        if (standing != EmployerStanding::Same) return RefuseForEmployer(standing, msg::kDeleteTitle);
        const EmployerStanding shownAfter = ReadWhileEmployerIsShown([&] {
            rows->MoveNext();
            if (rows->Eof()) rows->MoveLast();
        });
        if (shownAfter != EmployerStanding::Same) return ShowEmployerLost(shownAfter, msg::kDeleteTitle);
        ShowRecordState(RecordStep::DeleteKeptRow);
        cmdClose.SetFocus();
    } catch (const basic::RuntimeError& error) {
        if (error.Number() == data::errNoCurrentRecord) {
            forms::MsgBox(NoRowLeftText(), forms::vbOKOnly, msg::kDeleteTitle);
            ShowRecordState(RecordStep::DeleteLeftNoRow);
            cmdClose.SetFocus();
            return;
        }
        // The number alone does not tell the user that the data cannot be changed.
        const std::string readOnly = error.Number() == data::errReadOnly ? " " + error.Description() : "";
        forms::MsgBox(msg::kDeleteOtherStart + basic::Str(error.Number()) + readOnly, forms::vbOKOnly);
    }
}

void ReturnScreen::cmdClose_Click() {
    // Unload asks first about a pending addition or edit; once the screen
    // is closed, its Form_Unload gives the user the employer screen back.
    Unload();
}

// Closed by its window's close box too, the screen gives the user the
// employer screen back; otherwise no window would be left to go on from.
// It never loads the employer screen anew (the unload-all may have gone first).
void ReturnScreen::Form_Unload(int& Cancel) {
    if (!MayCloseWithPendingChange(datDollars, [this] {
            ReadyToStoreOrPrint();
            return SaveChecksPass() && StorePendingRow();
        })) {
        Cancel = 1;
        return;
    }
    if (forms::Form* employers = forms::App().LoadedForm("frmEmployersDE")) employers->Show();
}

void ReturnScreen::Command2_Click() {
    RecomputeLines();
    SSTab1.SetTab(1);
    FirstFieldOfPage1().SetFocus();
}

void ReturnScreen::Command4_Click() {
    RecomputeLines();
    SSTab1.SetTab(2);
    FirstFieldOfPage2().SetFocus();
}

void ReturnScreen::Command5_Click() {
    RecomputeLines();
    SSTab1.SetTab(0);
}

void ReturnScreen::Command6_Click() {
    RecomputeLines();
    SSTab1.SetTab(1);
}
