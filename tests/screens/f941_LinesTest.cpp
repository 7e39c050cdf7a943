// The Form 941 screen's lines 1 to 10: taxes at their rates, line 5e, line 6,
// the adjustments and line 10, as the user walks the fields with Enter.
#include "returns_ScreenFolder.h"

namespace {

class F941Lines : public Form941Folder {};

TEST_F(F941Lines, Line2FillsTheWagesOf5aAnd5cAndTheirTaxes) {
    frmDet941Covid0621& form = AddFirstQuarter();
    Enter(form.fpLine2, "1000");

    EXPECT_EQ(form.fpLine6A.Text(), "1000");
    EXPECT_EQ(form.fpLine7A.Text(), "1000");
    EXPECT_EQ(form.fpLine6B.Text(), "124");
    EXPECT_EQ(form.fpLine7B.Text(), "29");
    EXPECT_EQ(form.fpLine8.Text(), "");
    EXPECT_EQ(form.fpLine5.Text(), "");
    EXPECT_EQ(form.fpLine11.Text(), "");
    EXPECT_EQ(FocusName(form), "fpLine3");
}

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

    Enter(form.fpLine2, "1200");
    EXPECT_EQ(form.fpLine6A.Text(), "1200");
    EXPECT_EQ(form.fpLine6B.Text(), "148.8");
}

TEST_F(F941Lines, AdjustmentsGiveLine10AndCountEachLineOnce) {
    frmDet941Covid0621& form = AddFirstQuarter();
    Enter(form.fpLine2, "1000");
    Enter(form.fpLine3, "150");
    forms::user::PressKey(form.fpLine6A, forms::vbKeyReturn);
    Enter(form.fpL5a1c1, "500");
    forms::user::PressKey(form.fpL5a2c1, forms::vbKeyReturn);
    forms::user::PressKey(form.fpLine6c, forms::vbKeyReturn);
    forms::user::PressKey(form.fpLine7A, forms::vbKeyReturn);
    Enter(form.fpLine5d1, "200");
    forms::user::PressKey(form.fpLine5f, forms::vbKeyReturn);
    EXPECT_EQ(form.fpLine5.Text(), "335.8");

    Enter(form.fpLine9B, "-0.03");
    EXPECT_EQ(form.fpLine10.Text(), "-0.03");
    EXPECT_EQ(form.fpLine11.Text(), "");
    Enter(form.fpLine9A, "10");
    EXPECT_EQ(FocusName(form), "fpLine9C");
    Enter(form.fpLine9C, "-2");
    EXPECT_EQ(FocusName(form), "fpLine11a");
    EXPECT_EQ(form.fpLine10.Text(), "7.97");
    EXPECT_EQ(form.fpLine11.Text(), "343.77");

    // Leaving line 8 again, or line 7 after 8 and 9, counts each line once.
    forms::user::FocusByMouse(form.fpLine9A);
    forms::user::FocusByMouse(form.fpLine9B);
    forms::user::FocusByMouse(form.fpLine3);
    EXPECT_EQ(form.fpLine10.Text(), "7.97");
    EXPECT_EQ(form.fpLine11.Text(), "343.77");
}

TEST_F(F941Lines, EnterMovesOfTheMaskedFields) {
    frmDet941Covid0621& form = AddFirstQuarter();
    Enter(form.mskNo_Employee, "12");
    EXPECT_EQ(FocusName(form), "Check2");
    Enter(form.MaskEdBox2, "3");
    EXPECT_EQ(FocusName(form), "Command2");
    EXPECT_EQ(form.MaskEdBox2.Text(), "3");
}

TEST_F(F941Lines, EmptiedAmountCountsAsZero) {
    frmDet941Covid0621& form = AddFirstQuarter();
    Enter(form.fpLine2, "1000");
    forms::user::TypeText(form.fpLine3, "");
    forms::user::PressKey(form.fpLine3, forms::vbKeyBack);
    forms::user::PressKey(form.fpLine3, forms::vbKeyReturn);
    EXPECT_EQ(form.fpLine3.Text(), "");
    EXPECT_EQ(form.fpLine5.Text(), "0");
    forms::user::TypeText(form.fpLine2, "");
    forms::user::PressKey(form.fpLine2, forms::vbKeyBack);
    forms::user::PressKey(form.fpLine2, forms::vbKeyReturn);
    EXPECT_EQ(form.fpLine6A.Text(), "0");
    EXPECT_EQ(form.fpLine6B.Text(), "0");
}

} // namespace
