#pragma once
// A program folder with employer 17 on file and helpers to open and drive the
// Form 941 and Form 944 screens from the employer screen as a user does.
#include "employers_ScreenFolder.h"

#include "returns/f941/frmDet941Covid0621.h"
#include "returns/f944/frmDet944Covid.h"

template <typename ReturnScreen>
class ReturnScreenFolder : public EmployerScreenFolder {
protected:
    static constexpr int kEmployer = 17;

    void SetUp() override {
        EmployerScreenFolder::SetUp();
        AddEmployer(kEmployer, "ACME TOOLS", "1", "061234567");
    }

    // A stored return row of employer 17 for a period, with some columns set.
    void AddReturnRow(const std::string& code, const std::string& assignments = "") {
        EmployerScreenFolder::AddReturnRow(kEmployer, code, assignments);
    }

    std::string StoredRows(const std::string& columns = "EmployerNo, Qtr_Yr") {
        return Query(MainPath(), "SELECT " + columns + " FROM DET941 ORDER BY rowid");
    }

    // Add Edit Save Delete Close datDollars, as "1" enabled and "0" disabled.
    static std::string RecordButtons(ReturnScreen& form) {
        return Enabled({&form.cmdAddNew, &form.cmdEditRecord, &form.cmdSaveRecord, &form.cmdDeleteRecord,
                        &form.cmdClose, &form.datDollars});
    }

    // Saves the pending row with OK.
    void SaveWithOk(ReturnScreen& form) {
        Dialogs().AnswerMsgBox(forms::vbOK);
        forms::user::Click(form.cmdSaveRecord);
    }

    // The employer screen, shown when it is not yet.
    static frmEmployersDE& EmployerScreen() {
        frmEmployersDE& employers = forms::Screen<frmEmployersDE>();
        if (!employers.IsLoaded()) employers.Show();
        return employers;
    }
};

class Form941Folder : public ReturnScreenFolder<frmDet941Covid0621> {
protected:
    // Opens the employer screen and clicks a period button; answers the
    // no-row message when the period has no row.
    frmDet941Covid0621& OpenPeriod(forms::CommandButton frmEmployersDE::*button, bool expectNoRowMessage = false) {
        frmEmployersDE& employers = EmployerScreen();
        if (expectNoRowMessage) Dialogs().AnswerMsgBox(forms::vbOK);
        forms::user::Click(employers.*button);
        return forms::Screen<frmDet941Covid0621>();
    }

    // The first quarter of 2022, started with Add.
    frmDet941Covid0621& AddFirstQuarter() {
        frmDet941Covid0621& form = OpenPeriod(&frmEmployersDE::cmdQtr1, true);
        forms::user::Click(form.cmdAddNew);
        return form;
    }
};

class Form944Folder : public ReturnScreenFolder<frmDet944Covid> {
protected:
    // A stored Form 944 row of employer 17, with some columns set ("L_2 = 1000").
    void AddAnnualRow(const std::string& assignments = "") { AddReturnRow("622", assignments); }

    // Clicks "Form 944" on the employer screen, answering the caution and,
    // when the employer has no row yet, the question with `answer`.
    frmDet944Covid& Open944(int answer = 0) {
        frmEmployersDE& employers = EmployerScreen();
        Dialogs().AnswerMsgBox(forms::vbOK);
        if (answer != 0) Dialogs().AnswerMsgBox(answer);
        forms::user::Click(employers.cmd944);
        return forms::Screen<frmDet944Covid>();
    }

    // A new year's row started through the hand-over's question.
    frmDet944Covid& StartNewReturn() { return Open944(forms::vbYes); }
};
