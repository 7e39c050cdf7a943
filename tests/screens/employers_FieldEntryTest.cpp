// The employer screen's field entry: the Enter chain, the focus colours and
// the checks of the tax id type and the kind of employer.
#include "employers_ScreenFolder.h"

#include "employers/EmployerFieldTable.h"

namespace {

using forms::user::PressKey;
using forms::user::TypeText;

constexpr long kFocusColour = 0x80FFFF;
constexpr long kWindowColour = 0x80000005;

const char* const kTaxIdTypeMessage = "Employer's Tax Id Type must be 1 = EIN or 2 = SSN";
const char* const kKindMessage =
    "Valid codes are R = 941/941E,  M = Military,  A = Agricultural,  X = CT-1,  H = 942, or  Q = Medicare "
    "Gov`t Emp. Please re-enter.";

class EmployerFieldEntry : public EmployerScreenFolder {
protected:
    // The screen on one employer, adding a new one.
    frmEmployersDE& AddingScreen()
    {
        AddEmployer(7, "ACME TOOLS");
        auto& screen = OpenScreen();
        forms::user::Click(screen.cmdAddRecord);
        return screen;
    }
};

TEST_F(EmployerFieldEntry, EnterWalksAllTwentyTwoFieldsToSave)
{
    auto& screen = AddingScreen();
    ASSERT_TRUE(screen.mskEmployerName1.HasFocus());
    std::vector<std::string> visited{screen.ActiveControl()->Name()};
    for (int step = 0; step < 22; ++step) {
        forms::Control* active = screen.ActiveControl();
        ASSERT_NE(active, nullptr);
        // The two checked fields need a valid code before Enter moves on.
        if (active == &screen.mskIdType) TypeText(*active, "1");
        if (active == &screen.mskTypePayer) TypeText(*active, "r");
        PressKey(*active, forms::vbKeyReturn);
        visited.push_back(screen.ActiveControl()->Name());
    }
    std::vector<std::string> expected;
    for (const auto& row : EmployerFieldTable()) expected.push_back(row.control);
    expected.push_back("cmdSaveRecord");
    EXPECT_EQ(visited, expected);
    EXPECT_TRUE(Dialogs().Boxes().empty());
}

TEST_F(EmployerFieldEntry, FocusedFieldIsYellowAndTheOneLeftGoesBack)
{
    auto& screen = AddingScreen();
    EXPECT_EQ(screen.mskEmployerName1.BackColor(), kFocusColour);

    PressKey(screen.mskEmployerName1, forms::vbKeyReturn); // by Enter
    EXPECT_EQ(screen.mskEmployerName1.BackColor(), kWindowColour);
    EXPECT_EQ(screen.mskEmployerName2.BackColor(), kFocusColour);

    forms::user::FocusByMouse(screen.mskCity); // by mouse
    EXPECT_EQ(screen.mskEmployerName2.BackColor(), kWindowColour);
    EXPECT_EQ(screen.mskCity.BackColor(), kFocusColour);

    PressKey(screen.mskCity, forms::vbKeyTab); // by Tab
    EXPECT_EQ(screen.mskCity.BackColor(), kWindowColour);
    EXPECT_EQ(screen.mskState.BackColor(), kFocusColour);

    int yellow = 0;
    for (auto* field : screen.EntryFields()) yellow += field->BackColor() == kFocusColour;
    EXPECT_EQ(yellow, 1);
}

TEST_F(EmployerFieldEntry, EnterInSignersPhoneGoesToSaveOnlyWhileEntering)
{
    AddEmployer(7, "ACME TOOLS");
    auto& screen = OpenScreen();
    PressKey(screen.mskSignersPhone, forms::vbKeyReturn);
    EXPECT_TRUE(screen.mskSignersPhone.HasFocus()); // browsing: Save is disabled

    forms::user::Click(screen.cmdEditRecord);
    PressKey(screen.mskSignersPhone, forms::vbKeyReturn);
    EXPECT_TRUE(screen.cmdSaveRecord.HasFocus());
}

TEST_F(EmployerFieldEntry, TaxIdTypeRefusesOtherKeysWithoutTypingThem)
{
    auto& screen = AddingScreen();
    Dialogs().AnswerMsgBox(forms::vbOK);
    TypeText(screen.mskIdType, "3");

    ASSERT_EQ(Dialogs().Boxes().size(), 1u);
    EXPECT_EQ(Dialogs().LastBox().prompt, kTaxIdTypeMessage);
    EXPECT_EQ(Dialogs().LastBox().style, 48);
    EXPECT_EQ(Dialogs().LastBox().title, "TaxId Type Error");
    EXPECT_EQ(screen.mskIdType.Text(), ""); // the refused key does not land
    EXPECT_TRUE(screen.mskIdType.HasFocus());

    // Editing keys pass without a message.
    TypeText(screen.mskIdType, "2");
    PressKey(screen.mskIdType, forms::vbKeyBack);
    EXPECT_EQ(screen.mskIdType.Text(), "");
    EXPECT_EQ(Dialogs().Boxes().size(), 1u);
}

TEST_F(EmployerFieldEntry, TaxIdTypeEnterMovesOnlyOnAValidType)
{
    auto& screen = AddingScreen();
    Dialogs().AnswerMsgBox(forms::vbOK);
    PressKey(screen.mskIdType, forms::vbKeyReturn); // empty
    EXPECT_EQ(Dialogs().Boxes().size(), 1u);
    EXPECT_TRUE(screen.mskIdType.HasFocus());

    TypeText(screen.mskIdType, "1");
    PressKey(screen.mskIdType, forms::vbKeyReturn);
    EXPECT_TRUE(screen.mskPyr_Taxid.HasFocus());
    EXPECT_EQ(Dialogs().Boxes().size(), 1u);
}

TEST_F(EmployerFieldEntry, LeavingTaxIdTypeChecksItToo)
{
    auto& screen = AddingScreen();
    // A valid type sends the focus to the tax id wherever the user clicked.
    TypeText(screen.mskIdType, "2");
    forms::user::FocusByMouse(screen.mskCity);
    EXPECT_TRUE(screen.mskPyr_Taxid.HasFocus());

    // An empty one is refused and keeps the focus.
    forms::user::FocusByMouse(screen.mskIdType);
    PressKey(screen.mskIdType, forms::vbKeyBack);
    Dialogs().AnswerMsgBox(forms::vbOK);
    forms::user::FocusByMouse(screen.mskCity);
    ASSERT_EQ(Dialogs().Boxes().size(), 1u);
    EXPECT_EQ(Dialogs().LastBox().prompt, kTaxIdTypeMessage);
    EXPECT_TRUE(screen.mskIdType.HasFocus());
    EXPECT_EQ(screen.mskIdType.BackColor(), kFocusColour);
}

TEST_F(EmployerFieldEntry, KindOfEmployerIsCheckedOnEnterAndOnLeaving)
{
    auto& screen = AddingScreen();
    Dialogs().AnswerMsgBox(forms::vbOK);
    TypeText(screen.mskTypePayer, "Z");
    PressKey(screen.mskTypePayer, forms::vbKeyReturn);
    ASSERT_EQ(Dialogs().Boxes().size(), 1u);
    EXPECT_EQ(Dialogs().LastBox().prompt, kKindMessage);
    EXPECT_EQ(Dialogs().LastBox().style, 48);
    EXPECT_EQ(Dialogs().LastBox().title, "Kind of Employer Error");
    EXPECT_EQ(screen.mskTypePayer.Text(), "");
    EXPECT_TRUE(screen.mskTypePayer.HasFocus());

    TypeText(screen.mskTypePayer, "q");
    EXPECT_EQ(screen.mskTypePayer.Text(), "Q");
    PressKey(screen.mskTypePayer, forms::vbKeyReturn);
    EXPECT_TRUE(screen.mskCountry.HasFocus());

    // Leaving with a wrong kind: the message, emptied, and the focus goes on.
    TypeText(screen.mskTypePayer, "B");
    Dialogs().AnswerMsgBox(forms::vbOK);
    forms::user::FocusByMouse(screen.mskCity);
    EXPECT_EQ(Dialogs().Boxes().size(), 2u);
    EXPECT_EQ(screen.mskTypePayer.Text(), "");
    EXPECT_TRUE(screen.mskCity.HasFocus());
}

TEST_F(EmployerFieldEntry, EnterInAnEmptyFieldStillMovesOneStep)
{
    auto& screen = AddingScreen();
    forms::user::FocusByMouse(screen.mskStateId);
    PressKey(screen.mskStateId, forms::vbKeyReturn);
    EXPECT_TRUE(screen.mskEstabNo.HasFocus());
    forms::user::FocusByMouse(screen.mskAddressLine);
    PressKey(screen.mskAddressLine, forms::vbKeyReturn);
    EXPECT_TRUE(screen.mskAddress.HasFocus()); // suite line before street line
}

} // namespace
