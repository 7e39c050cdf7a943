#pragma once
// The frame every return screen stands in: the data control over the one
// return row of the current employer and period, the header with the
// employer's name and tax id, the five record buttons with their prompts and
// reports, the three-page pager, the print control, and the screen-level
// EditMode and OverpaidFlag. Each screen puts its own lines, period captions
// and Enter chains into it through the hooks below.

#include "common/ComputedLines.h"
#include "common/EmployerKey.h"
#include "common/EmployerStanding.h"
#include "common/EnterKeyChain.h"
#include "common/OverpaymentBoxes.h"
#include "common/RecordButtonStates.h"
#include "common/ReturnLine.h"
#include "platform/data/DataControl.h"
#include "platform/forms/Forms.h"
#include "platform/printing/DMWin.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

// A text that belongs to the control of that name (its hint): for a table
// several screens share.
struct NamedText {
    const char* control;
    const char* text;
};

class ReturnScreen : public forms::Form {
public:
    explicit ReturnScreen(std::string name);

    // --- header and record row ---
    data::DataControl datDollars{*this, "datDollars"};
    forms::Label lblEmployer{*this, "lblEmployer"};
    forms::TextBox txtEmployerName{*this, "txtEmployerName"};
    forms::TextBox txtEmployerTaxId{*this, "txtEmployerTaxId"};
    forms::TextBox txtEmployerNo{*this, "txtEmployerNo"};

    // --- the pager; its pages hold the screen's lines ---
    forms::TabControl SSTab1{*this, "SSTab1"};
    forms::Label lblQtrYr{*this, "lblQtrYr"};
    forms::MaskedField mskQtr_yr{*this, "mskQtr_yr"};
    forms::CommandButton Command2{*this, "Command2"}; // page 0: "Next -->"
    forms::CommandButton Command5{*this, "Command5"}; // page 1: "<-- Prior"
    forms::CommandButton Command4{*this, "Command4"}; // page 1: "Next -->"
    forms::CommandButton Command6{*this, "Command6"}; // page 2: "<-- Prior"

    // --- record buttons and print control ---
    forms::CommandButton cmdAddNew{*this, "cmdAddNew"};
    forms::CommandButton cmdEditRecord{*this, "cmdEditRecord"};
    forms::CommandButton cmdSaveRecord{*this, "cmdSaveRecord"};
    forms::CommandButton cmdDeleteRecord{*this, "cmdDeleteRecord"};
    forms::CommandButton cmdClose{*this, "cmdClose"};
    printing::DMWin DMWin2{*this, "DMWin2"};

    // --- screen-level state ---
    // 0: the pending change is an added row; -1: an edit of the shown row
    // (Save adds or updates by it).
    std::int16_t EditMode = 0;
    // "Y" when the payments exceed the tax, "N" otherwise; "" after load.
    // The overpayment's formula sets it; Enter in the deposits goes on by it.
    std::string OverpaidFlag;

    // The period code the screen was loaded for ("122" ...).
    const std::string& PeriodCode() const { return periodCode_; }

    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    void cmdAddNew_Click();
    void cmdEditRecord_Click();
    void cmdSaveRecord_Click();
    void cmdDeleteRecord_Click();
    void cmdClose_Click();
    void Command2_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    // An arrow moves only while the employer's number names the employer
    // shown, checked in one read transaction with the move's read.
    void datDollars_BeforeMove(const std::function<void()>& move);

    // The hand-over's first read: the rows of the record source set, opened
    // in one read transaction with the check that the employer's number
    // still names the employer shown. False when it names another or none:
    // then nothing is read, and the refusal has been said under `title`.
    // Errors of the read reach the caller.
    bool OpenRowsOfShownEmployer(const char* title);
    // The state of a period without a row: Add offered, the fields a row
    // opens closed, the focus on Add.
    void ShowNoRowOfPeriod();

    // Puts the record buttons and the data control into the state that
    // follows `step` (the hand-over uses it too).
    void ShowRecordState(RecordStep step);

    // Remembers the lines as the shown row has them (hidden working totals
    // computed first), so that the computed lines follow the changes made
    // from now on. Run when a row is opened and when Edit starts.
    void RememberLines();

    // While an addition or edit is pending: rewrites every computed line
    // whose inputs changed since the row was opened or last recomputed. Runs
    // whenever a line field is left or Enter is pressed in it, and before
    // Save, Print, a page button or a close that stores act.
    void RecomputeLines();
    // Whether an addition or edit is pending.
    bool ChangePending();

    // The screen's line table.
    LineTable Lines() const { return lines_; }
    // The overpayment's line and its two boxes, as the printouts read them.
    const OverpaymentBoxes& Overpayment() const { return overpaymentBoxes_; }
    // The fields that an open period without a row keeps closed until Add.
    std::vector<forms::Control*> FieldsClosedWithoutRow() const;

protected:
    // Load, step 3: the captions and retired lines of the period.
    virtual void AdaptToPeriod(const std::string& code) = 0;
    // The load of a screen that no period button opens: the frame's load,
    // then the current employer's row for the chosen period (Add is offered
    // when there is none). A failure is reported under `title` and leaves
    // only Close to click.
    void LoadRowOfPeriod(const char* title);
    // Takes the screen's line table and derives from it the fields' places,
    // tab stops, columns, tab order (each page's buttons after its last
    // field) and the Enter chain.
    void UseLines(std::vector<ReturnLine> lines);
    // The entry fields Add opens; by default those the line table names.
    virtual std::vector<forms::Control*> FieldsAddEnables();
    // Add, after the key fields were copied (the Form 941 zeroes line 11f).
    virtual void AfterAddCopiedKey() {}
    // Where Add and Edit put the focus.
    virtual forms::Control& AddFocusField() = 0;
    virtual forms::Control& EditFocusField() = 0;
    // Where the Next buttons put the focus: the first field of pages 1 and 2.
    virtual forms::Control& FirstFieldOfPage1() = 0;
    virtual forms::Control& FirstFieldOfPage2() = 0;

    // The button states while a row is being added, and while one is edited.
    virtual RecordStep StepOfAdd() const { return RecordStep::Add; }
    virtual RecordStep StepOfEdit() const { return RecordStep::Edit; }
    // The query of the rows the load shows: the current employer's row for
    // the chosen period.
    virtual std::string RowsOfEmployer(const std::string& employerNo) const;
    // Save's own checks before its question, and before a close stores the
    // pending change; false keeps the change pending (the check has said why).
    virtual bool SaveChecksPass() { return true; }
    // Names the overpayment's line and its two boxes, which Save, Print and
    // a close that stores untick when the return shows no overpayment.
    void UseOverpaymentBoxes(const forms::CurrencyField& overpayment, forms::CheckBox& apply, forms::CheckBox& refund);
    // Unticks both boxes while a change is pending: a stored row that is
    // only browsed keeps showing what it holds.
    void UntickOverpaymentBoxes();
    // What Delete says when it leaves no row to show.
    virtual const char* NoRowLeftText() const;
    // The title of a refused arrow: the form the screen enters.
    virtual const char* DataEntryTitle() const;

    // A line's caption and where it stands on its page.
    struct LineCaption {
        forms::Label* label;
        int page;
        long left, top, width;
        std::string text;
    };
    struct BoxCaption {
        forms::CheckBox* box;
        std::string caption;
    };
    // A text that belongs to a control (its hint).
    struct ControlText {
        forms::Control* control;
        const char* text;
    };
    void PlaceCaptions(std::span<const LineCaption> captions);
    void SetBoxCaptions(std::span<const BoxCaption> boxes);
    void SetHints(std::span<const ControlText> hints);
    void SetHints(std::span<const NamedText> hints);

    // The balance due and the overpayment of that rule as the formulas of
    // their lines; the overpayment's sets OverpaidFlag.
    LineRecompute BalanceDueOf(const forms::CurrencyField& tax, const forms::CurrencyField& payments);
    LineRecompute OverpaymentOf(const forms::CurrencyField& tax, const forms::CurrencyField& payments);
    // The print control's request, run on the lines as they must be printed.
    void WirePrint(std::function<void()> print);
    // The control of that name; a name the screen lacks is a fault in its tables.
    forms::Control& Named(const char* name) const;

    // Places a control on a page of SSTab1 at a position within the page, or
    // on the form itself (page kOnForm).
    void OnPage(forms::Control& control, int page, long left, long top, long width, long height = 285);

    EnterKeyChain chain_;

private:
    void LayOutFrame();
    void WireFrameEvents();
    // The lines up to date, and the overpayment's boxes settled, for Save,
    // Print or a close that stores.
    void ReadyToStoreOrPrint();
    // Save without its question: true when the row was stored; a failure is
    // reported and the change stays pending.
    bool StorePendingRow();
    // After a Save refused for its employer: the addition or edit stays
    // pending as typed (an edit keeps its row lock), the buttons as Add or
    // Edit left them, so the user may try again or let it go.
    void KeepChangePending();
    void ReportAddFailure(int number, const std::string& description);
    // Stores the pending row, in one transaction with the check that the
    // employer number (an addition's as Add wrote it, an edit's as the load
    // read it) still names the employer the screen was opened for; what
    // stands under the number otherwise, with nothing stored.
    EmployerStanding StoreRowOfStoredEmployer(data::Recordset& rows);
    // Runs `action` on the rows in one transaction with that check, only
    // while the employer is the screen's own; the standing found. A read
    // takes no write lock, so it works on a folder the user may only read.
    enum class Access { Read, Write };
    EmployerStanding WhileEmployerIsShown(const std::optional<std::string>& employerNo,
                                          const std::function<void()>& action, Access access = Access::Write);
    // Reads the rows through `read` only while the number the load read
    // names the employer shown.
    EmployerStanding ReadWhileEmployerIsShown(const std::function<void()>& read);
    // After an addition's write was committed: the screen on the row stored,
    // or on what stands in its place; never a failure of the Save.
    void ShowStoredAddition();
    // After a write whose following read found the number naming another
    // employer or none: says so under `title`, and shows none of the rows,
    // leaving only Close.
    void ShowEmployerLost(EmployerStanding standing, const char* title);
    // Says why an Edit or a Delete was refused for its employer.
    static void RefuseForEmployer(EmployerStanding standing, const char* title);

    std::string periodCode_;
    // The employer's tax id type, tax id and kind as read at the load, read
    // as the employer screen writes them: the key that tells this employer
    // from one put under its number since.
    EmployerKey employerKey_;
    // The employer's number as read at the load, for an Edit's and a
    // Delete's check.
    std::string employerNo_;
    std::vector<ReturnLine> lines_;
    ComputedLines computed_;
    OverpaymentBoxes overpaymentBoxes_;
};
