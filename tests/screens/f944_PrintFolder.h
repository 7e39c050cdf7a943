#pragma once
// One employer on file, the employer screen standing on it with the annual
// period chosen, and the Form 944 screen loaded for "622", for the tests of
// the Form 944 printout. Reads a print's stores back as pages of items with
// the Form 941 printout tests' helpers.
#include "print941_Folder.h"
#include "returns/f944/frmDet944Covid.h"

class Print944Folder : public Print941Folder {
protected:
    frmDet944Covid& OpenAnnualReturn(const std::string& period = "622")
    {
        auto& employers = forms::Screen<frmEmployersDE>();
        employers.Show();
        employers.txtQtr_Yr.SetText(period);
        auto& screen = forms::Screen<frmDet944Covid>();
        screen.Show();
        screen.mskQtr_yr.SetText(period);
        return screen;
    }

    // Clicks Print with these answers queued; the trace of the document it
    // closed (finished or not), empty when none was started.
    std::vector<std::string> Print944With(frmDet944Covid& screen, std::vector<int> answers)
    {
        for (int answer : answers) Dialogs().AnswerMsgBox(answer);
        const auto before = printing::PrintLog::Documents().size();
        forms::user::Click(screen.DMWin2);
        const auto documents = printing::PrintLog::Documents();
        if (documents.size() == before) return {};
        return documents.back().trace;
    }

    static std::vector<int> Page2Order944() { return Join({Range(40, 49), Range(91, 115)}); }
    static std::vector<int> Page3Order944()
    {
        return Join({Range(40, 41), Range(81, 90), Range(116, 120), Range(50, 70)});
    }

    // The items of the three pages of a return print, by FieldNo.
    std::vector<std::map<int, StoredItem>> ReturnItems(const std::vector<std::string>& trace)
    {
        const auto pages = PagesOf(trace);
        if (pages.size() != 3) {
            ADD_FAILURE() << "pages: " << pages.size();
            return {{}, {}, {}};
        }
        return {ByFieldNo(pages[0], Page1Order()), ByFieldNo(pages[1], Page2Order944()),
                ByFieldNo(pages[2], Page3Order944())};
    }
};
