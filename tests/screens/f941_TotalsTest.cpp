// The Form 941 screen's credits and line 12, the payments and the balance:
// what the scenarios leave out. The monthly liability's two checks are
// shared with the 2020 screen and checked in its scenario.
#include "returns_ScreenFolder.h"

namespace {

class F941Totals : public Form941Folder {
protected:
    // A stored return of the period opened and put into Edit.
    frmDet941Covid0621& EditStored(const std::string& code, forms::CommandButton frmEmployersDE::*button,
                                   const std::string& assignments) {
        AddReturnRow(code, assignments);
        frmDet941Covid0621& form = OpenPeriod(button);
        forms::user::Click(form.cmdEditRecord);
        return form;
    }
};

TEST_F(F941Totals, CreditsCountEveryLineOnceWhicheverFieldIsLeft) {
    // 11c is closed on this screen but a stored amount still counts in 11g.
    frmDet941Covid0621& form = EditStored("222", &frmEmployersDE::cmdQtr2, "L_11 = 1000, L11c = 50");
    Enter(form.fpLine11a, "0.1");
    Enter(form.fpLine11b, "0.2");
    EXPECT_EQ(form.fpLine11g.Text(), "50.3");
    EXPECT_EQ(form.fpLine12.Text(), "949.7");
    Enter(form.fpLine11d, "0");
    EXPECT_EQ(FocusName(form), "fpLine11g");
    forms::user::PressKey(form.fpLine11g, 'q');
    EXPECT_EQ(FocusName(form), "Command2");
}

TEST_F(F941Totals, CreditsAboveLine10GiveANegativeLine12) {
    frmDet941Covid0621& form = EditStored("222", &frmEmployersDE::cmdQtr2, "L_11 = 100");
    Enter(form.fpLine11a, "150");
    EXPECT_EQ(form.fpLine12.Text(), "-50");
}

TEST_F(F941Totals, Line13dCountsAlsoWhen13cIsLeft) {
    frmDet941Covid0621& form = EditStored("222", &frmEmployersDE::cmdQtr2, "L13a = 100, L13d = 50");
    forms::user::Click(form.Command2);
    Enter(form.fpLine13c, "10");
    EXPECT_EQ(form.fpLine13g.Text(), "160");
    EXPECT_EQ(FocusName(form), "fpLine13e");
    forms::user::PressKey(form.fpLine13e, forms::vbKeyReturn);
    EXPECT_EQ(FocusName(form), "fpLine13g"); // quarters 2 to 4 skip 13f
}

TEST_F(F941Totals, Line13hLeftByTheMouseRecomputes13iAndTheFocusStaysWhereClicked) {
    frmDet941Covid0621& form = EditStored("322", &frmEmployersDE::cmdQtr3, "L13a = 300, L13g = 300, L_14 = 300");
    forms::user::TypeText(form.fpLine13h, "50");
    forms::user::FocusByMouse(form.fpLine17B);
    EXPECT_EQ(FocusName(form), "fpLine17B");
    EXPECT_EQ(form.fpLine14.Text(), "250");
}

TEST_F(F941Totals, ATypedOverTotalStandsUntilOneOfItsInputsChanges) {
    frmDet941Covid0621& form = EditStored("222", &frmEmployersDE::cmdQtr2, "Line12 = 500, L13a = 300, L13g = 300");
    forms::user::Click(form.Command2);
    Enter(form.fpLine13g, "350");
    EXPECT_EQ(form.fpLine14.Text(), "350");
    Enter(form.fpLine13h, "0"); // passing with the same amount is no change
    Enter(form.fpLine13h, "50");
    EXPECT_EQ(form.fpLine13g.Text(), "350");
    EXPECT_EQ(form.fpLine14.Text(), "300");
    Enter(form.fpLine13a, "400");
    EXPECT_EQ(form.fpLine13g.Text(), "400");
    EXPECT_EQ(form.fpLine14.Text(), "350");
    EXPECT_EQ(form.fpLine15.Text(), "150"); // 500 - 350
}

TEST_F(F941Totals, ClosingWithYesStoresTheLinesOfTheFieldStillBeingTyped) {
    frmDet941Covid0621& form = EditStored("222", &frmEmployersDE::cmdQtr2, "Line12 = 500, L13a = 300, L13g = 300");
    forms::user::Click(form.Command2);
    forms::user::TypeText(form.fpLine13a, "450");
    Dialogs().AnswerMsgBox(forms::vbYes);
    forms::user::CloseWindow(form);
    EXPECT_EQ(Query(MainPath(), "SELECT L13g, L_14, L_15, L_16 FROM DET941"), "450.0|450.0|50.0|0.0");
}

TEST_F(F941Totals, FirstQuarter2023Passes13fAnd11eOnToTheNextOpenField) {
    frmDet941Covid0621& form = EditStored("123", &frmEmployersDE::cmdQtr5, "");
    forms::user::FocusByMouse(form.fpLine11d);
    forms::user::PressKey(form.fpLine11d, forms::vbKeyReturn);
    EXPECT_EQ(FocusName(form), "Command2");
    forms::user::Click(form.Command2);
    forms::user::FocusByMouse(form.fpLine13e);
    forms::user::PressKey(form.fpLine13e, forms::vbKeyReturn);
    EXPECT_EQ(FocusName(form), "fpLine13h");
}

// Due and overpaid balances are checked in the scenarios; this is the case
// they leave out: amounts equal once rounded to cents.
TEST_F(F941Totals, BalanceRuleComparesTheAmountsRoundedToCents) {
    frmDet941Covid0621& form = AddFirstQuarter();
    form.fpLine12.SetText("100.004");
    forms::user::Click(form.Command2);
    form.fpLine14.SetText("99.996");
    forms::user::FocusByMouse(form.fpLine14);
    forms::user::PressKey(form.fpLine14, forms::vbKeyReturn);
    EXPECT_EQ(form.fpLine15.Text(), "0");
    EXPECT_EQ(form.fpLine16(1).Text(), "0");
    EXPECT_EQ(FocusName(form), "fpLine17A");
}

} // namespace
