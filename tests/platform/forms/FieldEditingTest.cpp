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
        txtName.KeyPress = [this](int& KeyAscii) { pressed.push_back(KeyAscii); };
        txtName.KeyDown = [this](int& KeyCode, int Shift) { downs.push_back(KeyCode * 10 + Shift); };
    }
    forms::TextBox txtName{*this, "txtName"};
    forms::MaskedField mskTaxid{*this, "mskTaxid"};
    forms::MaskedField mskPhone{*this, "mskPhone"};
    forms::MaskedField mskCity{*this, "mskCity"};
    forms::CurrencyField fpLine2{*this, "fpLine2"};
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

TEST_F(FieldEditing, APasteIntoAMaskFillsItsPlacesOrIsRefusedWholeWhenItWouldLoseACharacter) {
    struct Row {
        const char* mask;
        const char* held;
        int selStart, selLength;
        const char* pasted;
        const char* taken; // nullptr: refused
    };
    // clang-format off
    const Row rows[] = {
        // mask            held     selection  pasted               taken
        {"99999",          "",      0, 0,      "12.7",              nullptr},
        {"99999",          "",      0, 0,      "12,345",            nullptr},
        {"99999",          "9",     0, 1,      "123456789012",      nullptr},
        {"99999",          "9",     0, 1,      "  42\r\n",          "42"},
        {"99999",          "12",    2, 0,      "3456",              nullptr},
        {"##-#######",     "",      0, 0,      "06-1234567",        "061234567"},
        {"(999)999-9999",  "",      0, 0,      "(212) 555-1234",    "2125551234"},
        {"(999)999-9999",  "",      0, 0,      "(212) 555-12x34",   nullptr},
        {"(999)999-9999",  "",      0, 0,      "(212)\r\n555-1234", nullptr},
        {">CCCC",          "",      0, 0,      "Acme.",             nullptr},
        {">CCCC",          "",      0, 0,      "Łódź",              nullptr},
        {">CCCCC",         "",      0, 0,      " 06510",            "06510"},
        {">CCCCC",         "",      0, 0,      "06510 \r\n",        "06510"},
        {">CCCCCCCCCC",    "",      0, 0,      "BAKER\tBROS",       nullptr},
        {"(999)999-9999",  "",      0, 0,      "(212)\t555-1234",   "2125551234"},
    };
    // clang-format on
    forms::user::FocusByMouse(form.mskCity);
    int changes = 0;
    form.mskCity.Change = [&] { ++changes; };
    for (const Row& row : rows) {
        form.mskCity.SetMask(row.mask);
        form.mskCity.SetText(row.held);
        form.mskCity.SetSelStart(row.selStart);
        form.mskCity.SetSelLength(row.selLength);
        changes = 0;
        forms::App().GetClipboard().SetText(row.pasted);
        Press(form.mskCity, 'V', forms::vbCtrlMask);
        if (row.taken != nullptr) {
            EXPECT_EQ(form.mskCity.Text(), row.taken) << row.pasted;
        } else {
            EXPECT_EQ(form.mskCity.Text(), row.held) << row.pasted;
            EXPECT_EQ(form.mskCity.SelStart(), row.selStart) << row.pasted;
            EXPECT_EQ(form.mskCity.SelLength(), row.selLength) << row.pasted;
            EXPECT_EQ(changes, 0) << row.pasted;
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

TEST_F(FieldEditing, AccentedLettersOfTheCodePageAreTypedAndUpperCasedOthersRefused) {
    forms::user::TypeText(form.mskCity, "Bogotá");
    EXPECT_EQ(form.mskCity.Text(), "BOGOTÁ");
    forms::user::TypeText(form.txtName, "Łódź Müller");
    EXPECT_EQ(form.txtName.Text(), "ód Müller");
    EXPECT_EQ(form.pressed.front(), 0xF3); // ó as its code page 1252 code
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
