// What the scenarios leave out of lines 10 to 13 of the Form 944: 10j and
// the months left by the mouse, 10e outside the chain, a changed 10a reaching
// 10j and the balance, and the Enter chain through lines 15 to 26.
#include "returns_ScreenFolder.h"

namespace {

class F944Payments : public Form944Folder {};

TEST_F(F944Payments, TenJTypedOverAndLeftByAClickGivesTheBalance) {
    frmDet944Covid& form = StartNewReturn();
    form.fpLine12.SetText("900");
    TypeAndLeave(form.fpLine15, "600", form.fpLine14);
    EXPECT_EQ(form.fpLine10.Text(), "300");
    EXPECT_EQ(FocusName(form), "fpLine14");
}

TEST_F(F944Payments, TenEOutsideTheChainStillCountsInTenHAndTenJ) {
    frmDet944Covid& form = StartNewReturn();
    forms::user::ChooseTab(form.SSTab1, 1);
    Enter(form.fpLine13a, "100");
    EXPECT_EQ(form.fpLine13f.Text(), "100");
    Enter(form.fpLine13d, "50");
    Enter(form.fpLine13b, "60");
    Enter(form.fpLine13c, "40");
    EXPECT_EQ(form.fpLine13f.Text(), "250");
    Enter(form.fpLine14, "0");
    EXPECT_EQ(form.fpLine15.Text(), "250");

    Enter(form.fpLine13e, "1");
    EXPECT_EQ(FocusName(form), "fpLine13b");
    EXPECT_EQ(form.fpLine13f.Text(), "251");
    forms::user::PressKey(form.fpLine13b, forms::vbKeyReturn);
    forms::user::PressKey(form.fpLine13c, forms::vbKeyReturn);
    Enter(form.fpLine14, "40");
    EXPECT_EQ(form.fpLine15.Text(), "211");
}

TEST_F(F944Payments, EnterInAnUnchangedTenJGoesOnByTheStoredBalance) {
    AddAnnualRow("Line12 = 900, L13a = 600, L13f = 600, L_15 = 600, L_10 = 300");
    frmDet944Covid& form = Open944();
    forms::user::Click(form.cmdEditRecord);
    forms::user::FocusByMouse(form.fpLine15);
    forms::user::PressKey(form.fpLine15, forms::vbKeyReturn);
    EXPECT_EQ(FocusName(form), "fpLine17A");
}

TEST_F(F944Payments, ChangingTenAReachesTenJAndTheOverpaymentAtOnce) {
    frmDet944Covid& form = StartNewReturn();
    Enter(form.fpLine13a, "100");
    Enter(form.fpLine14, "40");
    TypeAndLeave(form.fpLine13a, "300", form.fpLine12);
    EXPECT_EQ(form.fpLine15.Text(), "260");
    EXPECT_EQ(form.fpLine16(1).Text(), "260");
    EXPECT_EQ(FocusName(form), "fpLine12");
}

TEST_F(F944Payments, MonthsLeftByClicksCountAndLeaveTheFocusWhereClicked) {
    frmDet944Covid& form = StartNewReturn();
    TypeAndLeave(form.fpLine17B, "20", form.fpCurrency7);
    TypeAndLeave(form.fpCurrency7, "30", form.fpLine17A);
    EXPECT_EQ(FocusName(form), "fpLine17A");
    EXPECT_EQ(form.fpLine17D.Text(), "50");
}

TEST_F(F944Payments, PartThreeChainPassesTheReservedLines) {
    frmDet944Covid& form = StartNewReturn();
    // Enter passes over the reserved lines 21, 22, 16 and 17.
    forms::user::PressKey(form.fpLine20, forms::vbKeyReturn);
    EXPECT_EQ(FocusName(form), "fpLine23");
    forms::user::PressKey(form.fpCurrency15, forms::vbKeyReturn);
    EXPECT_EQ(FocusName(form), "Command6");
    forms::user::FocusByMouse(form.fpCurrency15);
    forms::user::FocusByMouse(form.fpLine19);
    EXPECT_EQ(FocusName(form), "fpLine19");
}

} // namespace
