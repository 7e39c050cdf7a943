// The Form 941 screen's line 2 passed again unchanged or changed, amounts
// emptied to count as zero, every tax of line 5 at its rate on the live and
// the 2020 screens, and a tax rounded to cents.
#include "returns_ScreenFolder.h"

#include "returns/f941_2020/frmDet941Covid.h"

namespace {

class F941Lines : public Form941Folder {
protected:
    // A return of the second quarter of 2021 on the 2020 screen, started with Add.
    frmDet941Covid& Add2020Return() {
        EmployerScreen().txtQtr_Yr.SetText("221");
        auto& form = forms::Screen<frmDet941Covid>();
        form.Show();
        forms::user::Click(form.cmdAddNew);
        return form;
    }

    static forms::CurrencyField& Amount(const forms::Form& form, const char* name) {
        return dynamic_cast<forms::CurrencyField&>(*form.ControlByName(name));
    }
};

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

// Each wage line given an amount: each tax at its own rate, and 5e their total.
TEST_F(F941Lines, EveryTaxOfLine5IsTakenAtItsRate) {
    const struct {
        const char *wages, *amount, *tax, *taxed;
    } lines[] = {
        {"fpLine6A", "1000", "fpLine6B", "124"},   // 5a, 12.4%
        {"fpL5a1c1", "500", "fpL5a1c2", "31"},     // 5a(i), 6.2%
        {"fpL5a2c1", "300", "fpL5a2c2", "18.6"},   // 5a(ii), 6.2%
        {"fpLine6c", "200", "fpLine6D", "24.8"},   // 5b, 12.4%
        {"fpLine7A", "1000", "fpLine7B", "29"},    // 5c, 2.9%
        {"fpLine5d1", "750", "fpLine5D2", "6.75"}, // 5d, 0.9%
    };
    for (forms::Form* form : std::initializer_list<forms::Form*>{&AddFirstQuarter(), &Add2020Return()}) {
        for (const auto& line : lines) Enter(Amount(*form, line.wages), line.amount);
        for (const auto& line : lines) EXPECT_EQ(Amount(*form, line.tax).Text(), line.taxed) << form->Name();
        EXPECT_EQ(Amount(*form, "fpLine8").Text(), "234.15") << form->Name();
    }
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
