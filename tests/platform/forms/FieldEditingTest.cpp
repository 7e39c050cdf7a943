#include "FormsTestSupport.h"

namespace {

class frmEdit : public forms::Form {
public:
    frmEdit() : Form("frmEdit") {
        txtName.SetTabIndex(0);
        mskTaxid.SetMask("##-#######");
        mskTaxid.SetTabIndex(1);
        mskPhone.SetMask("(###) ###-####");
        mskPhone.SetTabIndex(2);
        mskCity.SetMask(">CCCCCCCC");
        mskCity.SetTabIndex(3);
        fpLine2.SetTabIndex(4);
        fpLongInteger2.SetTabStop(false); // Tab rounds from fpLine2 to txtName
        txtName.KeyPress = [this](int& KeyAscii) { pressed.push_back(KeyAscii); };
        txtName.KeyDown = [this](int& KeyCode, int Shift) { downs.push_back(KeyCode * 10 + Shift); };
    }
    forms::TextBox txtName{*this, "txtName"};
    forms::MaskedField mskTaxid{*this, "mskTaxid"};
    forms::MaskedField mskPhone{*this, "mskPhone"};
    forms::MaskedField mskCity{*this, "mskCity"};
    forms::CurrencyField fpLine2{*this, "fpLine2"};
    forms::LongIntegerField fpLongInteger2{*this, "fpLongInteger2"};
    std::vector<int> pressed;
    std::vector<int> downs;
};

class FieldEditing : public FormsTest {
protected:
    frmEdit& form = forms::Screen<frmEdit>();
    void SetUp() override {
        FormsTest::SetUp();
        form.Show();
    }
    void Press(forms::Control& c, int keyCode, int shift = 0) { forms::user::PressKeyCode(c, keyCode, shift); }
    std::string Clipboard() { return forms::App().GetClipboard().GetText(); }
};

TEST_F(FieldEditing, ArrowsAndHomeMoveTheCaretAndKeysGoInWhereItStands) {
    forms::user::TypeText(form.txtName, "ABC");
    Press(form.txtName, forms::vbKeyLeft);
    Press(form.txtName, forms::vbKeyLeft);
    forms::user::TypeKeys(form.txtName, "X");
    Press(form.txtName, forms::vbKeyHome);
    forms::user::TypeKeys(form.txtName, "Z");
    EXPECT_EQ(form.txtName.Text(), "ZAXBC");
    EXPECT_EQ(form.txtName.SelStart(), 1);
    // Navigation keys reach KeyDown as key codes and never KeyPress.
    EXPECT_EQ(form.pressed, (std::vector<int>{'A', 'B', 'C', 'X', 'Z'}));
    EXPECT_EQ(form.downs[3], forms::vbKeyLeft * 10);
}

TEST_F(FieldEditing, ShiftExtendsTheSelectionAndTypingReplacesIt) {
    forms::user::TypeText(form.txtName, "Smith Co");
    Press(form.txtName, forms::vbKeyLeft, forms::vbShiftMask);
    Press(form.txtName, forms::vbKeyLeft, forms::vbShiftMask);
    EXPECT_EQ(form.txtName.SelText(), "Co");
    forms::user::TypeKeys(form.txtName, "Inc");
    EXPECT_EQ(form.txtName.Text(), "Smith Inc");
    Press(form.txtName, forms::vbKeyHome, forms::vbShiftMask);
    EXPECT_EQ(form.txtName.SelStart(), 0);
    EXPECT_EQ(form.txtName.SelLength(), 9);
}

TEST_F(FieldEditing, CtrlArrowsGoToWordStartsAndWithShiftSelectTheWordTypingReplaces) {
    forms::user::TypeText(form.txtName, "ACME TOOLS INC");
    Press(form.txtName, forms::vbKeyLeft, forms::vbCtrlMask | forms::vbShiftMask);
    forms::user::TypeKeys(form.txtName, "LLC");
    EXPECT_EQ(form.txtName.Text(), "ACME TOOLS LLC");
    // The caret goes on from where it stands, the selection's other end staying.
    Press(form.txtName, forms::vbKeyHome);
    Press(form.txtName, forms::vbKeyRight, forms::vbCtrlMask | forms::vbShiftMask);
    Press(form.txtName, forms::vbKeyRight, forms::vbCtrlMask | forms::vbShiftMask);
    EXPECT_EQ(form.txtName.SelText(), "ACME TOOLS ");
    // An amount is one word: the whole number.
    forms::user::TypeText(form.fpLine2, "12345.99");
    Press(form.fpLine2, forms::vbKeyLeft, forms::vbCtrlMask | forms::vbShiftMask);
    forms::user::TypeKeys(form.fpLine2, "15000");
    EXPECT_EQ(form.fpLine2.Text(), "15000");

    // The carets from the end; a word that starts on a mask's literal starts
    // at the place after it.
    forms::user::TypeText(form.mskPhone, "2125551234"); // "(212) 555-1234"
    const auto stops = [this](forms::TextField& field, std::initializer_list<int> keys) {
        std::vector<int> carets;
        Press(field, forms::vbKeyEnd);
        for (int key : keys) {
            Press(field, key, forms::vbCtrlMask);
            carets.push_back(field.SelLength() == 0 ? field.SelStart() : -1);
        }
        return carets;
    };
    const int left = forms::vbKeyLeft, right = forms::vbKeyRight;
    EXPECT_EQ(stops(form.txtName, {left, left, left, right, right, right}), (std::vector<int>{11, 5, 0, 5, 11, 14}));
    EXPECT_EQ(stops(form.mskPhone, {left, left, right}), (std::vector<int>{6, 1, 6}));
}

TEST_F(FieldEditing, DeleteTakesTheCharacterAfterTheCaretOrTheSelection) {
    forms::user::TypeText(form.txtName, "ABCD");
    form.txtName.SetSelStart(1);
    Press(form.txtName, forms::vbKeyDelete);
    EXPECT_EQ(form.txtName.Text(), "ACD");
    form.txtName.SetSelLength(2);
    forms::user::PressKey(form.txtName, forms::vbKeyBack);
    EXPECT_EQ(form.txtName.Text(), "A");
}

TEST_F(FieldEditing, CutCopyAndPasteGoThroughTheClipboard) {
    forms::user::TypeText(form.txtName, "Acme");
    Press(form.txtName, 'A', forms::vbCtrlMask);
    Press(form.txtName, 'C', forms::vbCtrlMask);
    EXPECT_EQ(Clipboard(), "Acme");
    Press(form.txtName, forms::vbKeyEnd);
    Press(form.txtName, forms::vbKeyInsert, forms::vbShiftMask);
    EXPECT_EQ(form.txtName.Text(), "AcmeAcme");
    Press(form.txtName, forms::vbKeyLeft, forms::vbShiftMask);
    Press(form.txtName, 'X', forms::vbCtrlMask);
    EXPECT_EQ(form.txtName.Text(), "AcmeAcm");
    EXPECT_EQ(Clipboard(), "e");
    Press(form.txtName, forms::vbKeyHome);
    Press(form.txtName, 'V', forms::vbCtrlMask);
    EXPECT_EQ(form.txtName.Text(), "eAcmeAcm");
    EXPECT_EQ(form.pressed.size(), 4U); // the chords typed nothing
}

TEST_F(FieldEditing, APasteFillsTheFieldAsCopiedOrIsRefusedWholeWhenItWouldLoseACharacter) {
    struct Row {
        forms::TextField* field;
        const char* mask; // of the masked field
        const char* held;
        int selStart, selLength;
        const char* pasted;
        const char* taken; // nullptr: refused
    };
    forms::TextField* const msk = &form.mskCity;
    forms::TextField* const amount = &form.fpLine2;
    forms::TextField* const count = &form.fpLongInteger2;
    const std::string name = ">" + std::string(14, 'C');
    // clang-format off
    const Row rows[] = {
        // field  mask             held          selection  pasted                    taken
        {msk,     "99999",          "",           0, 0,      "12.7",                   nullptr},
        {msk,     "99999",          "",           0, 0,      "12,345",                 nullptr},
        {msk,     "99999",          "9",          0, 1,      "123456789012",           nullptr},
        {msk,     "99999",          "9",          0, 1,      "  42\r\n",               "42"},
        {msk,     "99999",          "12",         2, 0,      "3456",                   nullptr},
        {msk,     "##-#######",     "",           0, 0,      "06-1234567",             "061234567"},
        {msk,     "(999)999-9999",  "",           0, 0,      "(212) 555-1234",         "2125551234"},
        {msk,     "(999)999-9999",  "",           0, 0,      "(212) 555-12x34",        nullptr},
        {msk,     "(999)999-9999",  "",           0, 0,      "(212)\r\n555-1234",      nullptr},
        {msk,     ">CCCC",          "",           0, 0,      "Acme.",                  nullptr},
        {msk,     ">CCCC",          "",           0, 0,      "Łódź",                   nullptr},
        {msk,     ">CCCCC",         "",           0, 0,      " 06510",                 "06510"},
        {msk,     ">CCCCC",         "",           0, 0,      "06510 \r\n",             "06510"},
        {msk,     ">CCCCC",         "",           0, 0,      "\t06510",                "06510"},
        {msk,     ">CCCCC",         "",           0, 0,      "06510\t",                "06510"},
        {msk,     ">CCCCCCCCCC",    "",           0, 0,      "BAKER\tBROS",            nullptr},
        {msk,     "(999)999-9999",  "",           0, 0,      "(212)\t555-1234",        "2125551234"},
        {msk,     name.c_str(),     "ACME TOOLS", 10, 0,     " INC",                   "ACME TOOLS INC"},
        {msk,     name.c_str(),     "TOOLS",      0, 0,      "ACME \t",                "ACME TOOLS"},
        {msk,     name.c_str(),     "ACME TOOLS", 0, 10,     " BETA\t",                "BETA"},
        {msk,     "99999",          "12",         2, 0,      " 345",                   "12345"},
        {msk,     name.c_str(),     "",           0, 0,      "ACME\u00A0TOOLS CO",     "ACME TOOLS CO"},
        {msk,     name.c_str(),     "",           0, 0,      "ACME\u202FTOOLS",        "ACME TOOLS"},
        {msk,     "##-#######",     "",           0, 0,      "12-3456789\u00A0",       "123456789"},
        {amount,  "",               "5",          0, 1,      "1,234.56\t",             "1234.56"},
        {count,   "",               "5",          0, 1,      "3\t",                    "3"},
        {amount,  "",               "5",          0, 1,      "\r\n300.00\r\n",          "300.00"},
        {amount,  "",               "5",          0, 1,      "100.00\t200.00",         nullptr},
        {amount,  "",               "5",          0, 1,      "24.91\r\n24.91\r\n24.92", nullptr},
        {amount,  "",               "5",          0, 1,      "1,50",                   nullptr},
        {amount,  "",               "5",          0, 1,      "12,5",                   nullptr},
        {amount,  "",               "5",          0, 1,      "1,2345",                 nullptr},
        {amount,  "",               "5",          0, 1,      "1 234,56",               nullptr},
        {amount,  "",               "5",          0, 1,      "1.234,56",               nullptr},
        {count,   "",               "5",          0, 1,      "1,234",                  "1234"},
        {amount,  "",               "5",          0, 1,      "$1,234.50",              "1234.50"},
        {amount,  "",               "5",          0, 1,      "$ 1,234.50",             "1234.50"},
        {amount,  "",               "5",          0, 1,      "12,345,678.90",          "12345678.90"},
    };
    // clang-format on
    int changes = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pasted);
        forms::user::FocusByMouse(*row.field);
        row.field->Change = [&] { ++changes; };
        if (row.field == msk) form.mskCity.SetMask(row.mask);
        row.field->SetText(row.held);
        row.field->SetSelStart(row.selStart);
        row.field->SetSelLength(row.selLength);
        changes = 0;
        forms::App().GetClipboard().SetText(row.pasted);
        Press(*row.field, 'V', forms::vbCtrlMask);
        if (row.taken != nullptr) {
            EXPECT_EQ(row.field->Text(), row.taken);
        } else {
            EXPECT_EQ(row.field->Text(), row.held);
            EXPECT_EQ(row.field->SelStart(), row.selStart);
            EXPECT_EQ(row.field->SelLength(), row.selLength);
            EXPECT_EQ(changes, 0);
        }
    }
}

TEST_F(FieldEditing, TheCaretOfAMaskStepsOverLiteralsAndThePlacesAfterItCloseUpOrMoveOn) {
    forms::user::TypeText(form.mskPhone, "2125551234");
    Press(form.mskPhone, forms::vbKeyHome);
    for (int i = 0; i < 3; ++i) Press(form.mskPhone, forms::vbKeyRight);
    EXPECT_EQ(form.mskPhone.SelStart(), 6); // past ") "
    Press(form.mskPhone, forms::vbKeyDelete);
    EXPECT_EQ(form.mskPhone.DisplayText(), "(212) 551-234_");
    forms::user::PressKey(form.mskPhone, forms::vbKeyBack);
    EXPECT_EQ(form.mskPhone.DisplayText(), "(215) 512-34__");
    forms::user::TypeKeys(form.mskPhone, "9");
    EXPECT_EQ(form.mskPhone.DisplayText(), "(219) 551-234_");
    EXPECT_EQ(form.mskPhone.Text(), "219551234");
    EXPECT_EQ(form.mskPhone.SelStart(), 6);
    forms::user::TypeKeys(form.mskPhone, "87"); // the last place is taken: 7 is refused
    EXPECT_EQ(form.mskPhone.Text(), "2198551234");
}

TEST_F(FieldEditing, AccentedLettersOfTheCodePageAreTypedAndUpperCasedNoBreakBlanksAsBlanksOthersRefused) {
    forms::user::TypeText(form.mskCity, "Bogotá");
    EXPECT_EQ(form.mskCity.Text(), "BOGOTÁ");
    forms::user::TypeText(form.txtName, "Łódź Müller");
    EXPECT_EQ(form.txtName.Text(), "ód Müller");
    EXPECT_EQ(form.pressed.front(), 0xF3); // ó as its code page 1252 code
    forms::user::TypeText(form.mskCity, "A\u00A0B\u2007C\u202FD");
    EXPECT_EQ(form.mskCity.Text(), "A B C D");
}

TEST_F(FieldEditing, AGotFocusHandlerStillSeesTheFieldAndItsSelectionStands) {
    form.txtName.SetText("Acme");
    form.txtName.GotFocus = [this] { form.txtName.SetSelStart(0); };
    form.mskCity.SetFocus();
    forms::user::PressKey(form.mskCity, forms::vbKeyTab); // round to txtName
    forms::user::PressKey(form.fpLine2, forms::vbKeyTab);
    ASSERT_TRUE(form.txtName.HasFocus());
    forms::user::TypeKeys(form.txtName, "The ");
    EXPECT_EQ(form.txtName.Text(), "The Acme");
}

} // namespace
