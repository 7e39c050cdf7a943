#pragma once
// A program folder with employer 17 on file, the employer screen open on it,
// and helpers to open and drive the Form 944 screen as a user does.
#include "employers_ScreenFolder.h"
#include "returns/f944/frmDet944Covid.h"

#include <initializer_list>
#include <string>

class Form944Folder : public EmployerScreenFolder {
protected:
    static constexpr int kEmployer = 17;
    static constexpr const char* kCaution =
        "CAUTION: Form 944 will change for 2022. Check our website  www.example.com  for current status.";
    static constexpr const char* kQuestion =
        "ACME TOOLS has no Form 944 dollar record yet. Do you want to enter one now?";

    void SetUp() override
    {
        EmployerScreenFolder::SetUp();
        AddEmployer(kEmployer, "ACME TOOLS", "1", "061234567");
    }

    // A stored Form 944 row of employer 17, with some columns set ("L_2 = 1000").
    void AddAnnualRow(const std::string& assignments = "")
    {
        Sql(MainPath(), "INSERT INTO DET941 (EmployerNo, Qtr_Yr) VALUES (" + std::to_string(kEmployer) + ", '622')");
        if (!assignments.empty()) Sql(MainPath(), "UPDATE DET941 SET " + assignments + " WHERE Qtr_Yr = '622'");
    }

    std::string StoredRows(const std::string& columns = "EmployerNo, Qtr_Yr")
    {
        return Query(MainPath(), "SELECT " + columns + " FROM DET941 ORDER BY rowid");
    }

    // Clicks "Form 944" on the employer screen, answering the caution and,
    // when the employer has no row yet, the question with `answer`.
    frmDet944Covid& Open944(int answer = 0)
    {
        frmEmployersDE& employers = forms::Screen<frmEmployersDE>();
        if (!employers.IsLoaded()) employers.Show();
        Dialogs().AnswerMsgBox(forms::vbOK);
        if (answer != 0) Dialogs().AnswerMsgBox(answer);
        forms::user::Click(employers.cmd944);
        return forms::Screen<frmDet944Covid>();
    }

    // A new year's row started through the hand-over's question.
    frmDet944Covid& StartNewReturn() { return Open944(forms::vbYes); }

    // Types an amount into a field and presses Enter there.
    static void Enter(forms::Control& field, const std::string& text)
    {
        forms::user::TypeText(field, text);
        forms::user::PressKey(field, forms::vbKeyReturn);
    }

    // Types an amount and leaves the field by a click into another.
    static void TypeAndLeave(forms::Control& field, const std::string& text, forms::Control& clickedInto)
    {
        forms::user::TypeText(field, text);
        forms::user::FocusByMouse(clickedInto);
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
    static std::string RecordButtons(frmDet944Covid& form)
    {
        return Enabled({&form.cmdAddNew, &form.cmdEditRecord, &form.cmdSaveRecord, &form.cmdDeleteRecord,
                        &form.cmdClose, &form.datDollars});
    }

    // Saves the pending row with OK.
    void SaveWithOk(frmDet944Covid& form)
    {
        Dialogs().AnswerMsgBox(forms::vbOK);
        forms::user::Click(form.cmdSaveRecord);
    }
};
