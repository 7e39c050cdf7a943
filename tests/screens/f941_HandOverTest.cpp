// The employer screen's period buttons opening the Form 941 screen.
#include "returns_ScreenFolder.h"

namespace {

constexpr const char* kNoRowTail =
    " quarter. Click on Add to start the data entry process. Press the Return/Enter key to move from field to "
    "field. Remember to Save your record. Click on Close to exit from this screen.";

class F941HandOver : public Form941Folder {};

TEST_F(F941HandOver, FirstQuarterWithoutRowAsksForAddWithOnlyAddAndCloseOpen) {
    frmDet941Covid0621& form = OpenPeriod(&frmEmployersDE::cmdQtr1, true);

    EXPECT_EQ(form.datDollars.RecordSource(),
              "SELECT * FROM [DET941] WHERE [EmployerNo] = 17 AND [Qtr_Yr] = '122'");
    ASSERT_EQ(Dialogs().Boxes().size(), 1u);
    EXPECT_EQ(Dialogs().LastBox().prompt, std::string("ACME TOOLS has no 941 dollars yet for the 1st") + kNoRowTail);
    EXPECT_EQ(Dialogs().LastBox().style, 0);
    EXPECT_EQ(Dialogs().LastBox().title, "Form 941 Data Entry");

    EXPECT_EQ(forms::Screen<frmEmployersDE>().txtQtr_Yr.Text(), "122");
    EXPECT_FALSE(forms::Screen<frmEmployersDE>().Visible());
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(RecordButtons(form), "100010");
    EXPECT_EQ(FocusName(form), "cmdAddNew");
    for (forms::Control* field : form.FieldsClosedWithoutRow()) EXPECT_FALSE(field->Enabled()) << field->Name();
    // The depositor and overpayment boxes keep the load's state.
    EXPECT_EQ(Enabled({&form.Check3, &form.Check10, &form.Check5, &form.Check6}), "1111");
}

TEST_F(F941HandOver, EachQuarterButtonNamesItsPeriodAndQuarter) {
    struct Case {
        forms::CommandButton frmEmployersDE::*button;
        const char* code;
        const char* word;
    };
    const Case cases[] = {
        {&frmEmployersDE::cmdQtr2, "222", "2nd"},
        {&frmEmployersDE::cmdQtr3, "322", "3rd"},
        {&frmEmployersDE::cmdQtr4, "422", "4th"},
        {&frmEmployersDE::cmdQtr5, "123", "1st"},
    };
    for (const Case& c : cases) {
        frmDet941Covid0621& form = OpenPeriod(c.button, true);
        EXPECT_EQ(form.datDollars.RecordSource(),
                  std::string("SELECT * FROM [DET941] WHERE [EmployerNo] = 17 AND [Qtr_Yr] = '") + c.code + "'");
        EXPECT_EQ(Dialogs().LastBox().prompt,
                  std::string("ACME TOOLS has no 941 dollars yet for the ") + c.word + kNoRowTail);
        forms::user::Click(form.cmdClose);
        EXPECT_TRUE(forms::Screen<frmEmployersDE>().Visible());
    }
}

TEST_F(F941HandOver, StoredRowOpensForBrowsingWithoutMessage) {
    AddReturnRow("322", "L_2 = 1000, L_3 = 150, Line12 = 600");
    frmDet941Covid0621& form = OpenPeriod(&frmEmployersDE::cmdQtr3);

    EXPECT_TRUE(Dialogs().Boxes().empty());
    EXPECT_EQ(RecordButtons(form), "010111");
    EXPECT_EQ(form.fpLine2.Text(), "1000");
    EXPECT_EQ(form.mskQtr_yr.Text(), "322");
    EXPECT_EQ(form.SSTab1.Tab(), 0);
    // The line slots start from the stored lines.
    EXPECT_EQ(form.LineAmt[2], 1000);
    EXPECT_EQ(form.LineAmt[3], 150);
    EXPECT_EQ(form.LineAmt[35], 600);
}

TEST_F(F941HandOver, HeaderShowsNameAndTaxIdShapedByItsType) {
    frmDet941Covid0621& form = OpenPeriod(&frmEmployersDE::cmdQtr1, true);
    EXPECT_EQ(form.txtEmployerName.Text(), "ACME TOOLS");
    EXPECT_EQ(form.txtEmployerTaxId.Text(), "06-1234567");
    EXPECT_EQ(form.Caption(), "Form 941- Data Entry");
    forms::user::Click(form.cmdClose);

    Sql(MainPath(), "UPDATE Employers SET IdType = '2', Pyr_Taxid = '123456789'");
    forms::user::Click(forms::Screen<frmEmployersDE>().cmdClose);
    frmDet941Covid0621& again = OpenPeriod(&frmEmployersDE::cmdQtr1, true);
    EXPECT_EQ(again.txtEmployerTaxId.Text(), "123-45-6789");
}

TEST_F(F941HandOver, NoStoredEmployerIsRefusedWithoutOpeningTheScreen) {
    Sql(MainPath(), "DELETE FROM Employers");
    Dialogs().AnswerMsgBox(forms::vbOK); // the employer screen's empty-table message
    frmEmployersDE& employers = OpenScreen();
    Dialogs().AnswerMsgBox(forms::vbOK);
    forms::user::Click(employers.cmdQtr1);

    EXPECT_EQ(Dialogs().LastBox().title, "Form 941 Data Entry");
    EXPECT_NE(Dialogs().LastBox().prompt.find("no saved employer"), std::string::npos);
    EXPECT_FALSE(forms::Screen<frmDet941Covid0621>().IsLoaded());
    EXPECT_TRUE(employers.Visible());
    EXPECT_EQ(employers.txtQtr_Yr.Text(), "000");
}

TEST_F(F941HandOver, NewEmployerNotYetSavedIsRefused) {
    frmEmployersDE& employers = OpenScreen();
    forms::user::Click(employers.cmdAddRecord);
    Dialogs().AnswerMsgBox(forms::vbOK);
    forms::user::Click(employers.cmdQtr2);

    EXPECT_NE(Dialogs().LastBox().prompt.find("no saved employer"), std::string::npos);
    EXPECT_FALSE(forms::Screen<frmDet941Covid0621>().IsLoaded());
}

} // namespace
