// Lines 1 to 9 of the Form 944 screen where the scenarios leave off: line 1
// passed again unchanged, and a later change of line 1 reaching every total.
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

} // namespace
