#include "FormsTestSupport.h"

namespace {

class frmFields : public forms::Form {
public:
    frmFields() : Form("frmFields") {
        mskPyr_Taxid.SetMask("##-#######");
        mskContactPhone.SetMask("(###) ###-####");
        fpLine9C.SetAllowNegative(true);
    }
    forms::MaskedField mskPyr_Taxid{*this, "mskPyr_Taxid"};
    forms::MaskedField mskContactPhone{*this, "mskContactPhone"};
    forms::CurrencyField fpLine2{*this, "fpLine2"};
    forms::CurrencyField fpLine9C{*this, "fpLine9C"};
    forms::CheckBox Check1{*this, "Check1"};
};

class InputControls : public FormsTest {
protected:
    frmFields& form = forms::Screen<frmFields>();
    void SetUp() override {
        FormsTest::SetUp();
        form.Show();
    }
};

TEST_F(InputControls, APasteLeavesOutWhatFitsNoPlaceAndADeleteClosesUpThePlacesAfterIt) {
    forms::user::FocusByMouse(form.mskContactPhone);
    forms::App().GetClipboard().SetText("(212) 555-12x34");
    forms::user::PressKeyCode(form.mskContactPhone, forms::vbKeyV, forms::vbCtrlMask);
    EXPECT_EQ(form.mskContactPhone.DisplayText(), "(212) 555-1234");
    forms::user::PressKeyCode(form.mskContactPhone, forms::vbKeyHome, 0);
    for (int i = 0; i < 3; ++i) forms::user::PressKeyCode(form.mskContactPhone, forms::vbKeyRight, 0);
    forms::user::PressKeyCode(form.mskContactPhone, forms::vbKeyDelete, 0);
    EXPECT_EQ(form.mskContactPhone.DisplayText(), "(212) 551-234_");
}

TEST_F(InputControls, ACurrencyFieldTakesDigitsOnePointAndALeadingMinusWhereAllowed) {
    forms::user::TypeText(form.fpLine9C, "-0.03");
    EXPECT_EQ(form.fpLine9C.Text(), "-0.03");
    EXPECT_DOUBLE_EQ(form.fpLine9C.Value(), -0.03);

    forms::user::TypeText(form.fpLine9C, "1a2");
    EXPECT_EQ(form.fpLine9C.Text(), "12");

    forms::user::TypeText(form.fpLine2, "-5.1.23");
    EXPECT_EQ(form.fpLine2.Text(), "5.12"); // no minus here, one point, two decimals
}

TEST_F(InputControls, ACurrencyFieldRefusesKeysThatLeaveItsRange) {
    form.fpLine2.SetRange(0, 1000);
    forms::user::TypeText(form.fpLine2, "10005");
    EXPECT_EQ(form.fpLine2.Text(), "1000");
}

TEST_F(InputControls, CodeWritesACurrencyFieldFreelyAndAnEmptyAmountReadsAsZero) {
    form.fpLine2.SetText("62.5");
    EXPECT_EQ(form.fpLine2.Text(), "62.5");
    EXPECT_EQ(form.fpLine2.DisplayText(), "$62.50");
    form.fpLine2.SetValue(1234567.5);
    EXPECT_EQ(form.fpLine2.Text(), "1234567.5");
    EXPECT_EQ(form.fpLine2.DisplayText(), "$1,234,567.50");
    form.fpLine9C.SetText("-0.03");
    EXPECT_EQ(form.fpLine9C.DisplayText(), "-$0.03");
    form.fpLine2.SetText("");
    EXPECT_EQ(form.fpLine2.Value(), 0);
    EXPECT_EQ(form.fpLine2.DisplayText(), "");
}

TEST_F(InputControls, BoundFieldsShowStoredValuesAndGiveBackNullForEmpty) {
    form.fpLine2.ShowBoundValue(24.8);
    EXPECT_EQ(form.fpLine2.Text(), "24.8");
    form.fpLine2.ShowBoundValue(std::int64_t{500});
    EXPECT_EQ(form.fpLine2.Text(), "500");
    EXPECT_EQ(std::get<double>(form.fpLine2.BoundValue()), 500.0);
    form.fpLine2.ShowBoundValue(data::Null{});
    EXPECT_EQ(form.fpLine2.Text(), "");
    EXPECT_TRUE(data::IsNull(form.fpLine2.BoundValue()));

    form.mskPyr_Taxid.ShowBoundValue(std::string("123456789"));
    EXPECT_EQ(std::get<std::string>(form.mskPyr_Taxid.BoundValue()), "123456789");
    form.Check1.ShowBoundValue(std::int64_t{-1});
    EXPECT_EQ(form.Check1.Value(), 1);
}

} // namespace
