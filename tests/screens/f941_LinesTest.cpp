// The Form 941 screen's line 2 passed again unchanged or changed, amounts
// emptied to count as zero, and a tax rounded to cents.
#include "returns_ScreenFolder.h"

namespace {

class F941Lines : public Form941Folder {};

TEST_F(F941Lines, PassingLine2UnchangedKeepsTaxableWagesSetApart) {
    frmDet941Covid0621& form = AddFirstQuarter();
    Enter(form.fpLine2, "1000");
    Enter(form.fpLine3, "150");
    Enter(form.fpLine6A, "800");
    EXPECT_EQ(form.fpLine6B.Text(), "99.2");

    forms::user::FocusByMouse(form.fpLine2);
    forms::user::PressKey(form.fpLine2, forms::vbKeyReturn);
    EXPECT_EQ(form.fpLine6A.Text(), "800");
    EXPECT_EQ(form.fpLine6B.Text(), "99.2");
}

// A changed line 2 fills 5c, which held what line 2 held, but not 5a.
TEST_F(F941Lines, AChangedLine2FillsOnlyTheWagesThatHeldWhatItHeld) {
    frmDet941Covid0621& form = AddFirstQuarter();
    Enter(form.fpLine2, "1000");
    Enter(form.fpLine6A, "800");
    Enter(form.fpLine2, "1200");
    EXPECT_EQ(form.fpLine6A.Text(), "800");
    EXPECT_EQ(form.fpLine7A.Text(), "1200");
}

TEST_F(F941Lines, EmptiedAmountCountsAsZero) {
    frmDet941Covid0621& form = AddFirstQuarter();
    Enter(form.fpLine2, "1000");
    Enter(form.fpLine3, "50");
    EXPECT_EQ(form.fpLine5.Text(), "203"); // 50 + the 124 and 29 of 5a and 5c
    forms::user::TypeText(form.fpLine3, "");
    forms::user::PressKey(form.fpLine3, forms::vbKeyBack);
    forms::user::PressKey(form.fpLine3, forms::vbKeyReturn);
    EXPECT_EQ(form.fpLine3.Text(), "");
    EXPECT_EQ(form.fpLine5.Text(), "153");
    forms::user::TypeText(form.fpLine2, "");
    forms::user::PressKey(form.fpLine2, forms::vbKeyBack);
    forms::user::PressKey(form.fpLine2, forms::vbKeyReturn);
    EXPECT_EQ(form.fpLine6A.Text(), "0");
    EXPECT_EQ(form.fpLine6B.Text(), "0");
}

// A stored line 3 that is no number counts as 0 however it is spelled.
TEST_F(F941Lines, AStoredLine3ThatIsNoNumberCountsAsZero) {
    AddReturnRow("122", "L_3 = 'NaN'");
    frmDet941Covid0621& form = OpenPeriod(&frmEmployersDE::cmdQtr1);
    forms::user::Click(form.cmdEditRecord);
    Enter(form.fpLine2, "1000");
    EXPECT_EQ(form.fpLine3.Text(), "NaN");
    EXPECT_EQ(form.fpLine5.Text(), "153");
}

// A row from outside holds a count wider than its field, an amount as text
// with its comma and a box ticked as -1. An Edit of line 3 alone writes line 3
// and what the screen changed with it (the totals, the box Save unticks for
// want of an overpayment), and leaves the rest as stored.
TEST_F(F941Lines, AnEditOfLine3WritesOnlyTheLinesThatChanged) {
    AddReturnRow("122", "No_Employee = 123456, L11a = '1,234.50', OutOfBusiness = -1, Apply_Nxt = -1, L_3 = 100, "
                        "L_5 = 100, L_11 = 100, Line12 = 100, L_15 = 100");
    frmDet941Covid0621& form = OpenPeriod(&frmEmployersDE::cmdQtr1);
    forms::user::Click(form.cmdEditRecord);
    Enter(form.fpLine3, "150");
    Dialogs().AnswerMsgBox(forms::vbOK);
    forms::user::Click(form.cmdSaveRecord);

    EXPECT_EQ(StoredRows("No_Employee, L11a, OutOfBusiness, Apply_Nxt, L_3, L_5, L_11, Line12, L_15"),
              "123456|1,234.50|-1|0|150.0|150.0|150.0|150.0|150.0");
}

// The tax is rounded on the product as stored: 1.25 x 12.4% lies just below
// 0.155, so it is 0.15, where a rounding of the decimal half away from zero
// would make it 0.16.
TEST_F(F941Lines, ATaxIsRoundedToCentsOnTheProductAsStored) {
    frmDet941Covid0621& form = AddFirstQuarter();
    Enter(form.fpLine6A, "1.25");
    EXPECT_EQ(form.fpLine6B.Text(), "0.15");
}

} // namespace
