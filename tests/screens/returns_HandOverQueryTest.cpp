// The row query each period button gives the return screen's data control:
// the one DET941 row of the current employer and the button's period.
#include "returns_ScreenFolder.h"

namespace {

std::string RowQuery(const char* code) {
    return std::string("SELECT * FROM [DET941] WHERE [EmployerNo] = 17 AND [Qtr_Yr] = '") + code + "'";
}

class F941HandOverQuery : public Form941Folder {};

TEST_F(F941HandOverQuery, EachQuarterButtonAsksForItsEmployersRowOfItsPeriod) {
    struct Case {
        forms::CommandButton frmEmployersDE::*button;
        const char* code;
    };
    const Case cases[] = {
        {&frmEmployersDE::cmdQtr1, "122"}, {&frmEmployersDE::cmdQtr2, "222"}, {&frmEmployersDE::cmdQtr3, "322"},
        {&frmEmployersDE::cmdQtr4, "422"}, {&frmEmployersDE::cmdQtr5, "123"},
    };
    for (const Case& c : cases) {
        frmDet941Covid0621& form = OpenPeriod(c.button, true);
        EXPECT_EQ(form.datDollars.RecordSource(), RowQuery(c.code));
        forms::user::Click(form.cmdClose);
    }
}

class F944HandOverQuery : public Form944Folder {};

TEST_F(F944HandOverQuery, TheForm944ButtonAsksForTheYearsRowInTheSameTable) {
    frmDet944Covid& form = StartNewReturn();
    EXPECT_EQ(form.datDollars.RecordSource(), RowQuery("622"));
}

} // namespace
