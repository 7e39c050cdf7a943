// Lines 1 to 9 of the Form 944 screen where the scenarios leave off: the
// totals of lines 4e, 5, 7, 8g and 9 and the Enter chain through page 0.
// The taxes at their rates, rounded to cents, are the shared taxed lines'
// (f944_lines, f941_early_lines).
#include "returns_ScreenFolder.h"

namespace {

class F944Lines : public Form944Folder {
protected:
    // Enters line 2 and the wages of line 4 as a user walks the chain.
    void EnterTaxes(frmDet944Covid& form) {
        Enter(form.fpLine3, "500");
        Enter(form.fpLine6A, "500");
        Enter(form.fpL5a1c1, "250");
        Enter(form.fpL5a2c1, "300");
        Enter(form.fpLine6c, "200");
        Enter(form.fpLine7A, "500");
        Enter(form.fpLine5d1, "750");
    }
};

TEST_F(F944Lines, CreditsAboveLineSevenGiveANegativeLineNine) {
    frmDet944Covid& form = StartNewReturn();
    Enter(form.fpLine3, "100");
    Enter(form.fpLine9A, "0");
    Enter(form.fpLine11a, "150");
    EXPECT_EQ(form.fpLine11.Text(), "100");
    EXPECT_EQ(form.fpLine12.Text(), "-50");
}

TEST_F(F944Lines, LineTwoGivesLineFiveWithTheFourEShown) {
    AddAnnualRow("L_3 = 500, L_8 = 142.15, L_5 = 642.15");
    frmDet944Covid& form = Open944();
    forms::user::Click(form.cmdEditRecord);
    Enter(form.fpLine3, "600");
    EXPECT_EQ(form.fpLine5.Text(), "742.15");
}

TEST_F(F944Lines, PassingLineOneKeepsWagesSetApartFromIt) {
    frmDet944Covid& form = StartNewReturn();
    Enter(form.fpLine2, "1000");
    Enter(form.fpLine3, "0");
    Enter(form.fpLine6A, "800");
    // Back to line 1 and on again without changing it.
    forms::user::FocusByMouse(form.fpLine2);
    forms::user::PressKey(form.fpLine2, forms::vbKeyReturn);
    EXPECT_EQ(form.fpLine6A.Text(), "800");
    EXPECT_EQ(form.fpLine6B.Text(), "99.2");
}

// A changed line 1 fills 4c, which held what line 1 held, but not 4a.
TEST_F(F944Lines, AChangedLineOneFillsOnlyTheWagesThatHeldWhatItHeld) {
    frmDet944Covid& form = StartNewReturn();
    Enter(form.fpLine2, "1000");
    Enter(form.fpLine6A, "800");
    Enter(form.fpLine2, "1200");
    EXPECT_EQ(form.fpLine6A.Text(), "800");
    EXPECT_EQ(form.fpLine7A.Text(), "1200");
}

TEST_F(F944Lines, ACreditLeftByAClickCountsAndTheFocusStaysWhereClicked) {
    frmDet944Covid& form = StartNewReturn();
    TypeAndLeave(form.fpCurrency18, "30", form.fpLine2);
    EXPECT_EQ(FocusName(form), "fpLine2");
    EXPECT_EQ(form.fpLine12.Text(), "-30");
}

TEST_F(F944Lines, ALaterChangeOfLineOneReachesEveryTotalAtOnce) {
    frmDet944Covid& form = StartNewReturn();
    Enter(form.fpLine2, "500"); // 4a and 4c follow line 1
    EnterTaxes(form);
    Enter(form.fpLine11a, "100");
    // 4a and 4c taxes become 124 and 29: 4e = 142.15 + 62 + 14.5.
    TypeAndLeave(form.fpLine2, "1000", form.fpLine11b);
    EXPECT_EQ(form.fpLine8.Text(), "218.65");
    EXPECT_EQ(form.fpLine5.Text(), "718.65");
    EXPECT_EQ(form.fpLine12.Text(), "618.65");
}

TEST_F(F944Lines, AnEmptiedAmountCountsAsZero) {
    frmDet944Covid& form = StartNewReturn();
    Enter(form.fpLine2, "500");
    form.fpLine6A.SetText("");
    forms::user::PressKey(form.fpLine6A, forms::vbKeyReturn);
    EXPECT_EQ(form.fpLine6B.Text(), "0");
}

} // namespace
