// Line 10, the balance of lines 11 and 12, the twelve months of line 13 left
// by the mouse, and the Enter chain through lines 15 to 26.
#include "returns_ScreenFolder.h"

namespace {

class F944Payments : public Form944Folder {
protected:
    // A new return whose line 9 shows `line9`, with the focus on 10j.
    frmDet944Covid& ReturnWithLine9(const std::string& line9) {
        frmDet944Covid& form = StartNewReturn();
        form.fpLine12.SetText(line9);
        forms::user::FocusByMouse(form.fpLine15);
        return form;
    }
};

TEST_F(F944Payments, BalanceRuleDecidesLinesElevenTwelveTheFlagAndTheFocus) {
    struct Case {
        const char* line9;
        const char* line10j;
        const char* balanceDue;
        const char* overpayment;
        const char* flag;
        const char* focus;
    };
    const Case cases[] = {
        {"900", "900", "0", "0", "N", "fpLine17A"},
        {"900", "600", "300", "0", "N", "fpLine17A"},
        {"600", "900", "0", "300", "Y", "Check3"},
    };
    for (const Case& c : cases) {
        frmDet944Covid& form = ReturnWithLine9(c.line9);
        Enter(form.fpLine15, c.line10j);
        EXPECT_EQ(form.fpLine10.Text(), c.balanceDue) << c.line9 << " " << c.line10j;
        EXPECT_EQ(form.fpLine16(1).Text(), c.overpayment) << c.line9 << " " << c.line10j;
        EXPECT_EQ(form.OverpaidFlag, c.flag);
        EXPECT_EQ(FocusName(form), c.focus);
        Dialogs().AnswerMsgBox(forms::vbNo); // drop the change
        forms::user::Click(form.cmdClose);
    }
}

TEST_F(F944Payments, LeavingTenJComputesNothing) {
    frmDet944Covid& form = ReturnWithLine9("900");
    TypeAndLeave(form.fpLine15, "600", form.fpLine14);
    EXPECT_EQ(form.fpLine10.Text(), "");
    EXPECT_EQ(form.OverpaidFlag, "");
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

TEST_F(F944Payments, ChangingTenAReachesTenJOnlyThroughTenI) {
    frmDet944Covid& form = StartNewReturn();
    Enter(form.fpLine13a, "100");
    Enter(form.fpLine13d, "0");
    Enter(form.fpLine13b, "0");
    Enter(form.fpLine13c, "0");
    Enter(form.fpLine14, "0");
    TypeAndLeave(form.fpLine13a, "300", form.fpLine12);
    EXPECT_EQ(form.fpLine13f.Text(), "300");
    EXPECT_EQ(form.fpLine15.Text(), "100");
    // Leaving 10a went on to 10d, and 10d to 10g lead on to 10i in turn.
    EXPECT_EQ(FocusName(form), "fpLine13d");
    for (const char* expected : {"fpLine13b", "fpLine13c", "fpLine14"}) {
        forms::user::FocusByMouse(form.fpLine12);
        EXPECT_EQ(FocusName(form), expected);
    }
    TypeAndLeave(form.fpLine14, "0", form.fpLine12);
    EXPECT_EQ(form.fpLine15.Text(), "300");
    EXPECT_EQ(FocusName(form), "fpLine12");
}

TEST_F(F944Payments, MonthsFromThreeOnCanOnlyBeLeftForward) {
    frmDet944Covid& form = StartNewReturn();
    TypeAndLeave(form.fpLine17B, "20", form.fpLine12);
    EXPECT_EQ(form.fpLine17D.Text(), "20");
    EXPECT_EQ(FocusName(form), "fpLine12");

    TypeAndLeave(form.fpLine17C, "30", form.fpLine12);
    EXPECT_EQ(FocusName(form), "fpCurrency2");
    forms::user::FocusByMouse(form.fpLine12);
    EXPECT_EQ(FocusName(form), "fpCurrency3");
    EXPECT_EQ(form.fpLine17D.Text(), "50");
}

TEST_F(F944Payments, PartThreeChainPassesTheReservedLines) {
    frmDet944Covid& form = StartNewReturn();
    struct Step {
        forms::Control* field;
        const char* next;
    };
    const Step steps[] = {
        {&form.fpLine19, "fpLine20"},         {&form.fpLine20, "fpLine23"},     {&form.fpLine21, "fpLine22"},
        {&form.fpLine22, "fpLine23"},         {&form.fpLine23, "fpCurrency11"}, {&form.fpCurrency11, "fpCurrency12"},
        {&form.fpCurrency14, "fpCurrency15"}, {&form.fpCurrency15, "Command6"}, {&form.fpCurrency16, "fpCurrency17"},
        {&form.fpCurrency17, "Command6"},
    };
    for (const Step& step : steps) {
        forms::user::PressKey(*step.field, forms::vbKeyReturn);
        EXPECT_EQ(FocusName(form), step.next) << step.field->Name();
    }
    forms::user::FocusByMouse(form.fpCurrency15);
    forms::user::FocusByMouse(form.fpLine19);
    EXPECT_EQ(FocusName(form), "Command6");
}

} // namespace
