#include "FormsTestSupport.h"
#include "platform/basic/ErrorNumberOf.h"

namespace {

class frmFields : public forms::Form {
public:
    frmFields() : Form("frmFields") {
        mskQtr_yr.SetMask("9/99");
        mskPyr_Taxid.SetMask("##-#######");
        mskTypePayer.SetMask(">C");
        mskEmployerName1.SetMask(">" + std::string(30, 'C'));
        mskContactPhone.SetMask("(###) ###-####");
        fpLine9C.SetAllowNegative(true);
        fpLongInt1.SetTabIndex(9);
    }
    forms::MaskedField mskQtr_yr{*this, "mskQtr_yr"};
    forms::MaskedField mskPyr_Taxid{*this, "mskPyr_Taxid"};
    forms::MaskedField mskTypePayer{*this, "mskTypePayer"};
    forms::MaskedField mskEmployerName1{*this, "mskEmployerName1"};
    forms::MaskedField mskContactPhone{*this, "mskContactPhone"};
    forms::CurrencyField fpLine2{*this, "fpLine2"};
    forms::CurrencyField fpLine9C{*this, "fpLine9C"};
    forms::LongIntegerField fpLongInt1{*this, "fpLongInt1"};
    forms::CheckBox Check1{*this, "Check1"};
    forms::Label lblDirName{*this, "lblDirName"};
    forms::TextBox txtEmployerNo{*this, "txtEmployerNo"};
};

class InputControls : public FormsTest {
protected:
    frmFields& form = forms::Screen<frmFields>();
    void SetUp() override {
        FormsTest::SetUp();
        form.Show();
    }
};

TEST_F(InputControls, APasteThatWouldLoseACharacterIsRefusedAndADeleteClosesUpThePlacesAfterIt) {
    forms::user::FocusByMouse(form.mskContactPhone);
    forms::App().GetClipboard().SetText("(212) 555-12x34");
    forms::user::PressKeyCode(form.mskContactPhone, forms::vbKeyV, forms::vbCtrlMask);
    EXPECT_EQ(form.mskContactPhone.DisplayText(), "(___) ___-____");
    forms::App().GetClipboard().SetText("(212) 555-1234");
    forms::user::PressKeyCode(form.mskContactPhone, forms::vbKeyInsert, forms::vbShiftMask);
    EXPECT_EQ(form.mskContactPhone.DisplayText(), "(212) 555-1234");
    forms::user::PressKeyCode(form.mskContactPhone, forms::vbKeyHome, 0);
    for (int i = 0; i < 3; ++i) forms::user::PressKeyCode(form.mskContactPhone, forms::vbKeyRight, 0);
    forms::user::PressKeyCode(form.mskContactPhone, forms::vbKeyDelete, 0);
    EXPECT_EQ(form.mskContactPhone.DisplayText(), "(212) 551-234_");
}

TEST_F(InputControls, AMaskedFieldsTextIsTheCharactersTypedIntoItsPlaces) {
    EXPECT_EQ(form.mskQtr_yr.Text(), "");
    EXPECT_EQ(form.mskQtr_yr.DisplayText(), "_/__");

    forms::user::TypeText(form.mskQtr_yr, "122");
    EXPECT_EQ(form.mskQtr_yr.Text(), "122");
    EXPECT_EQ(form.mskQtr_yr.DisplayText(), "1/22");

    forms::user::TypeText(form.mskPyr_Taxid, "123456789");
    EXPECT_EQ(form.mskPyr_Taxid.Text(), "123456789");
    EXPECT_EQ(form.mskPyr_Taxid.DisplayText(), "12-3456789");
}

TEST_F(InputControls, AMaskRefusesWhatDoesNotFitAndStepsOverItsOwnLiterals) {
    forms::user::TypeText(form.mskPyr_Taxid, "1x2-34567890123");
    EXPECT_EQ(form.mskPyr_Taxid.Text(), "123456789"); // x refused, "-" stepped over, the rest past the end
    forms::user::TypeText(form.mskContactPhone, "(555) 123-4567");
    EXPECT_EQ(form.mskContactPhone.Text(), "5551234567");
    EXPECT_EQ(form.mskContactPhone.DisplayText(), "(555) 123-4567");
}

TEST_F(InputControls, GreaterThanUpperCasesWhatIsTypedAndWhatCodeWrites) {
    forms::user::TypeText(form.mskTypePayer, "r");
    EXPECT_EQ(form.mskTypePayer.Text(), "R");
    forms::user::TypeText(form.mskEmployerName1, "acme co.");
    EXPECT_EQ(form.mskEmployerName1.Text(), "ACME CO.");
    form.mskEmployerName1.SetText("smith");
    EXPECT_EQ(form.mskEmployerName1.Text(), "SMITH");
}

TEST_F(InputControls, TypingReplacesTheWholeTextAndBackspaceTakesBackOneCharacter) {
    form.mskPyr_Taxid.SetText("987654321");
    forms::user::TypeText(form.mskPyr_Taxid, "12");
    EXPECT_EQ(form.mskPyr_Taxid.Text(), "12");
    forms::user::PressKey(form.mskPyr_Taxid, forms::vbKeyBack);
    EXPECT_EQ(form.mskPyr_Taxid.Text(), "1");
}

TEST_F(InputControls, CodeMayWriteAMaskedFieldWithOrWithoutItsLiterals) {
    form.mskPyr_Taxid.SetText("12-3456789");
    EXPECT_EQ(form.mskPyr_Taxid.Text(), "123456789");
    form.mskContactPhone.SetText("(555) ___-____");
    EXPECT_EQ(form.mskContactPhone.Text(), "555");
    form.mskQtr_yr.SetText("122");
    EXPECT_EQ(form.mskQtr_yr.Text(), "122");
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
    form.txtEmployerNo.ShowBoundValue(std::int64_t{17});
    EXPECT_EQ(form.txtEmployerNo.Text(), "17");
    form.Check1.ShowBoundValue(std::int64_t{-1});
    EXPECT_EQ(form.Check1.Value(), 1);
    form.lblDirName.ShowBoundValue(data::Null{});
    EXPECT_TRUE(data::IsNull(form.lblDirName.BoundValue()));
}

TEST_F(InputControls, ALockedFieldTakesNoTypingButCodeStillWritesIt) {
    form.txtEmployerNo.SetLocked(true);
    forms::user::TypeText(form.txtEmployerNo, "9");
    EXPECT_EQ(form.txtEmployerNo.Text(), "");
    form.txtEmployerNo.SetText("9");
    EXPECT_EQ(form.txtEmployerNo.Text(), "9");
}

TEST_F(InputControls, ReadOnlyBoundControlsTakeTheFocusAndCopyButNoKeyPasteOrTickChangesThem) {
    for (forms::Control* control :
         std::initializer_list<forms::Control*>{&form.mskQtr_yr, &form.fpLine2, &form.Check1}) {
        dynamic_cast<forms::Bound&>(*control).SetDataSource("datDollars");
        dynamic_cast<forms::Bound&>(*control).SetDataField("Column");
    }
    form.mskQtr_yr.SetText("122");
    form.fpLine2.SetText("62.5");
    forms::SetBoundControlsReadOnly(form, "DATDOLLARS", true);
    EXPECT_FALSE(form.mskPyr_Taxid.ReadOnly()) << "a field bound to nothing stays as it was";

    forms::App().GetClipboard().SetText("9");
    for (forms::TextField* field : std::initializer_list<forms::TextField*>{&form.mskQtr_yr, &form.fpLine2}) {
        const std::string before = field->Text();
        forms::user::TypeText(*field, "3");
        forms::user::PressKey(*field, forms::vbKeyBack);
        forms::user::PressKeyCode(*field, forms::vbKeyHome, 0);
        forms::user::PressKeyCode(*field, forms::vbKeyDelete, 0);
        forms::user::PressKeyCode(*field, forms::vbKeyV, forms::vbCtrlMask);
        forms::user::PressKeyCode(*field, forms::vbKeyEnd, forms::vbShiftMask);
        forms::user::PressKeyCode(*field, forms::vbKeyX, forms::vbCtrlMask);
        forms::user::PressKeyCode(*field, forms::vbKeyC, forms::vbCtrlMask);
        EXPECT_EQ(field->Text(), before) << field->Name();
        EXPECT_TRUE(field->HasFocus());
        EXPECT_EQ(field->SelLength(), static_cast<int>(field->EditText().size())) << "Shift+End still selects";
        EXPECT_EQ(forms::App().GetClipboard().GetText(), field->EditText()) << "copied";
    }
    forms::user::Click(form.Check1);
    EXPECT_EQ(form.Check1.Value(), forms::vbUnchecked);
    form.fpLine2.SetText("70");
    EXPECT_EQ(form.fpLine2.Text(), "70") << "code still writes a read-only field";

    forms::SetBoundControlsReadOnly(form, "datDollars", false);
    forms::user::TypeText(form.fpLine2, "5");
    forms::user::Click(form.Check1);
    EXPECT_EQ(form.fpLine2.Text(), "5");
    EXPECT_EQ(form.Check1.Value(), forms::vbChecked);
}

TEST_F(InputControls, ALongIntegerFieldTakesDigitsOnly) {
    forms::user::TypeText(form.fpLongInt1, "1a-2.5");
    EXPECT_EQ(form.fpLongInt1.Text(), "125");
    EXPECT_EQ(form.fpLongInt1.Value(), 125);
    form.fpLongInt1.SetText("");
    EXPECT_EQ(form.fpLongInt1.Value(), 0);
}

// A stored number past a long long's range is shown as stored; saving it
// raises 6 "Overflow" (Save reports it) instead of storing 0 or another number.
TEST_F(InputControls, ALongIntegerFieldNeverSavesANumberPastALongLongAsAnother) {
    for (const data::Value& stored : {data::Value(std::string(400, '9')), data::Value(1e20)}) {
        form.fpLongInt1.ShowBoundValue(stored);
        EXPECT_EQ(form.fpLongInt1.Text(), forms::BoundValueText(stored));
        EXPECT_EQ(ErrorNumberOf([&] { form.fpLongInt1.BoundValue(); }), 6) << form.fpLongInt1.Text();
    }
}

TEST_F(InputControls, ACheckBoxShowsAStoredNumberPastADoublesRangeTicked) {
    form.Check1.ShowBoundValue(std::string("1e999"));
    EXPECT_EQ(form.Check1.Value(), forms::vbChecked);
}

TEST_F(InputControls, MenuEntriesRaiseClickWithoutMovingTheFocus) {
    struct frmMenus : forms::Form {
        frmMenus() : Form("frmMenus") { mnuFile.Add(mnuExit); }
        forms::TextBox Text1{*this, "Text1"};
        forms::Menu mnuFile{*this, "mnuFile"};
        forms::Menu mnuExit{*this, "mnuExit"};
    } menus;
    menus.Show();
    int chosen = 0;
    menus.mnuExit.Click = [&] { ++chosen; };
    EXPECT_TRUE(forms::user::Click(menus.mnuExit));
    EXPECT_EQ(chosen, 1);
    EXPECT_EQ(menus.ActiveControl(), &menus.Text1);
    EXPECT_EQ(menus.mnuExit.Parent(), &menus.mnuFile);
}

} // namespace
