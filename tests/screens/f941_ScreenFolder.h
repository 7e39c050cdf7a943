#pragma once
// A program folder with employer 17 on file, the employer screen open on it,
// and helpers to open and drive the Form 941 screen as a user does.
#include "employers_ScreenFolder.h"
#include "returns/f941/frmDet941Covid0621.h"

#include <string>

class Form941Folder : public EmployerScreenFolder {
protected:
    static constexpr int kEmployer = 17;

    void SetUp() override
    {
        EmployerScreenFolder::SetUp();
        AddEmployer(kEmployer, "ACME TOOLS", "1", "061234567");
    }

    // A stored return row of employer 17 for a period, with some columns set
    // ("L_2 = 1000, L_3 = 150").
    void AddReturnRow(const std::string& code, const std::string& assignments = "")
    {
        Sql(MainPath(), "INSERT INTO DET941 (EmployerNo, Qtr_Yr) VALUES (" + std::to_string(kEmployer) + ", '" +
                            code + "')");
        if (!assignments.empty()) {
            Sql(MainPath(), "UPDATE DET941 SET " + assignments + " WHERE Qtr_Yr = '" + code + "'");
        }
    }

    std::string StoredRows(const std::string& columns = "EmployerNo, Qtr_Yr")
    {
        return Query(MainPath(), "SELECT " + columns + " FROM DET941 ORDER BY rowid");
    }

    // Opens the employer screen and clicks a period button; answers the
    // no-row message when the period has no row.
    frmDet941Covid0621& OpenPeriod(forms::CommandButton frmEmployersDE::*button, bool expectNoRowMessage = false)
    {
        frmEmployersDE& employers = forms::Screen<frmEmployersDE>();
        if (!employers.IsLoaded()) employers.Show();
        if (expectNoRowMessage) Dialogs().AnswerMsgBox(forms::vbOK);
        forms::user::Click(employers.*button);
        return forms::Screen<frmDet941Covid0621>();
    }

    // The first quarter of 2022, started with Add.
    frmDet941Covid0621& AddFirstQuarter()
    {
        frmDet941Covid0621& form = OpenPeriod(&frmEmployersDE::cmdQtr1, true);
        forms::user::Click(form.cmdAddNew);
        return form;
    }

    // Types an amount into a field and presses Enter there.
    static void Enter(forms::Control& field, const std::string& text)
    {
        forms::user::TypeText(field, text);
        forms::user::PressKey(field, forms::vbKeyReturn);
    }

    static std::string FocusName(forms::Form& form)
    {
        forms::Control* focus = form.ActiveControl();
        return focus == nullptr ? "" : focus->Name();
    }

    static std::string Enabled(std::initializer_list<forms::Control*> controls)
    {
        std::string states;
        for (forms::Control* c : controls) states += c->Enabled() ? "1" : "0";
        return states;
    }

    // Add Edit Save Delete Close datDollars, as "1" enabled and "0" disabled.
    static std::string RecordButtons(frmDet941Covid0621& form)
    {
        return Enabled({&form.cmdAddNew, &form.cmdEditRecord, &form.cmdSaveRecord, &form.cmdDeleteRecord,
                        &form.cmdClose, &form.datDollars});
    }
};
