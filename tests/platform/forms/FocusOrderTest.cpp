#include "FormsTestSupport.h"

namespace {

// A small line-entry screen: three month fields, a total, a check box and
// a Save button, with a tab control carrying the months on page 1.
class frmLines : public forms::Form {
public:
    frmLines() : Form("frmLines") {
        SSTab1.SetTabs(2);
        int tabIndex = 0;
        for (forms::Control* c : std::initializer_list<forms::Control*>{&SSTab1, &fpLine2, &fpLine17A, &fpLine17B,
                                                                        &fpLine17C, &Check6, &cmdSaveRecord}) {
            c->SetTabIndex(tabIndex++);
        }
        fpLine2.SetContainer(SSTab1, 0);
        for (forms::Control* c : std::initializer_list<forms::Control*>{&fpLine17A, &fpLine17B, &fpLine17C, &Check6}) {
            c->SetContainer(SSTab1, 1);
        }
        SSTab1.SetTabStop(false);
        for (forms::Control* c : Controls()) Watch(*c);
        fpLine17A.KeyPress = [this](int& KeyAscii) {
            Log("KeyPress fpLine17A");
            if (KeyAscii == 13) fpLine17B.SetFocus();
        };
        fpLine17B.KeyPress = [this](int& KeyAscii) {
            Log("KeyPress fpLine17B");
            if (KeyAscii == 13) fpLine17C.SetFocus();
        };
        fpLine17C.KeyPress = [this](int& KeyAscii) { fpLine17C_KeyPress(KeyAscii); };
        fpLine17C.LostFocus = [this] {
            Log("LostFocus fpLine17C");
            MonthCheck();
        };
    }

    forms::TabControl SSTab1{*this, "SSTab1"};
    forms::CurrencyField fpLine2{*this, "fpLine2"};
    forms::CurrencyField fpLine17A{*this, "fpLine17A"};
    forms::CurrencyField fpLine17B{*this, "fpLine17B"};
    forms::CurrencyField fpLine17C{*this, "fpLine17C"};
    forms::CheckBox Check6{*this, "Check6"};
    forms::CommandButton cmdSaveRecord{*this, "cmdSaveRecord"};

    EventLog log;
    double taxLine = 0;

    void Log(const std::string& line) { log(line); }

private:
    // Logs the focus events of every control that has no handler of its own.
    void Watch(forms::Control& c) {
        c.GotFocus = [this, &c] { Log("GotFocus " + c.Name()); };
        c.LostFocus = [this, &c] { Log("LostFocus " + c.Name()); };
    }
    void fpLine17C_KeyPress(int& KeyAscii) {
        Log("KeyPress fpLine17C");
        if (KeyAscii != 13) return;
        if (MonthCheck()) Check6.SetFocus();
    }
    // The month-3 check: a wrong total sends the focus back to month 1.
    bool MonthCheck() {
        double total = fpLine17A.Value() + fpLine17B.Value() + fpLine17C.Value();
        if (std::abs(total - taxLine) <= 0.009) return true;
        forms::MsgBox("Oops.", forms::vbInformation, "Data entry error");
        fpLine17A.SetFocus();
        return false;
    }
};

class FocusOrder : public FormsTest {
protected:
    frmLines& Shown() {
        auto& form = forms::Screen<frmLines>();
        form.Show();
        form.log.Clear();
        return form;
    }
};

TEST_F(FocusOrder, EnterRunsKeyPressThenLostFocusOfTheFieldThenGotFocusOfTheTarget) {
    auto& form = Shown();
    form.fpLine17A.SetFocus();
    form.log.Clear();

    forms::user::PressKey(form.fpLine17A, forms::vbKeyReturn);

    EXPECT_EQ(form.log.lines,
              (std::vector<std::string>{"KeyPress fpLine17A", "LostFocus fpLine17A", "GotFocus fpLine17B"}));
    EXPECT_EQ(form.ActiveControl(), &form.fpLine17B);
}

TEST_F(FocusOrder, TheKeyReachesTheFieldAfterAHandlerThatMovesTheFocus) {
    auto& form = Shown();
    form.fpLine17A.KeyPress = [&](int&) { form.fpLine17B.SetFocus(); };
    forms::user::TypeText(form.fpLine17A, "5");
    EXPECT_EQ(form.fpLine17A.Text(), "5");
    EXPECT_EQ(form.ActiveControl(), &form.fpLine17B);
}

TEST_F(FocusOrder, AHandlerThatZeroesTheKeyKeepsItFromTheField) {
    auto& form = Shown();
    form.fpLine2.KeyPress = [](int& KeyAscii) {
        if (KeyAscii == '7') KeyAscii = 0;
    };
    forms::user::TypeText(form.fpLine2, "171");
    EXPECT_EQ(form.fpLine2.Text(), "11");
}

TEST_F(FocusOrder, AMoveToADisabledControlLandsOnTheNextEnabledOneOfTheChain) {
    auto& form = Shown();
    form.fpLine17A.SetFocus();
    form.fpLine17B.SetEnabled(false);
    form.log.Clear();

    forms::user::PressKey(form.fpLine17A, forms::vbKeyReturn);

    EXPECT_EQ(form.ActiveControl(), &form.fpLine17C);
    EXPECT_EQ(form.log.lines.back(), "GotFocus fpLine17C");
}

TEST_F(FocusOrder, AMoveToAHiddenControlOrOneWithNowhereToGoNeverFails) {
    auto& form = Shown();
    form.fpLine17A.SetFocus();
    form.Check6.SetVisible(false);
    form.cmdSaveRecord.SetVisible(false);
    form.Check6.SetFocus(); // wraps round the chain to the first that can
    EXPECT_EQ(form.ActiveControl(), &form.fpLine2);

    for (forms::Control* c : form.Controls()) c->SetEnabled(false);
    form.fpLine17B.SetFocus();
    EXPECT_EQ(form.ActiveControl(), &form.fpLine2); // nowhere to go: stays
}

TEST_F(FocusOrder, TheUsersClickStandsAgainstALostFocusHandlersMove) {
    auto& form = Shown();
    form.taxLine = 100;
    forms::user::TypeText(form.fpLine17C, "40");
    form.log.Clear();
    dialogs->AnswerMsgBox(forms::vbOK);

    forms::user::FocusByMouse(form.cmdSaveRecord); // leaving month 3 with a wrong total

    EXPECT_EQ(form.log.lines, (std::vector<std::string>{"LostFocus fpLine17C", "GotFocus cmdSaveRecord"}));
    EXPECT_EQ(form.ActiveControl(), &form.cmdSaveRecord);
    EXPECT_EQ(dialogs->Boxes().size(), 1u);
}

TEST_F(FocusOrder, AFailingCheckOnEnterShowsItsMessageAgainAsTheFocusLeaves) {
    auto& form = Shown();
    form.taxLine = 100;
    forms::user::TypeText(form.fpLine17C, "40");
    form.log.Clear();
    dialogs->AnswerMsgBox(forms::vbOK);
    dialogs->AnswerMsgBox(forms::vbOK);

    forms::user::PressKey(form.fpLine17C, forms::vbKeyReturn);

    EXPECT_EQ(form.log.lines,
              (std::vector<std::string>{"KeyPress fpLine17C", "LostFocus fpLine17C", "GotFocus fpLine17A"}));
    EXPECT_EQ(dialogs->Boxes().size(), 2u);
}

TEST_F(FocusOrder, ValidateRunsFirstAndMayKeepTheFocus) {
    auto& form = Shown();
    form.fpLine2.SetFocus();
    form.log.Clear();
    bool keep = true;
    form.fpLine2.Validate = [&](bool& Cancel) {
        form.Log("Validate fpLine2");
        Cancel = keep;
    };

    EXPECT_FALSE(forms::user::Click(form.cmdSaveRecord));
    EXPECT_EQ(form.log.lines, (std::vector<std::string>{"Validate fpLine2"}));
    EXPECT_EQ(form.ActiveControl(), &form.fpLine2);

    keep = false;
    form.log.Clear();
    form.cmdSaveRecord.Click = [&] { form.Log("Click cmdSaveRecord"); };
    EXPECT_TRUE(forms::user::Click(form.cmdSaveRecord));
    EXPECT_EQ(form.log.lines, (std::vector<std::string>{"Validate fpLine2", "LostFocus fpLine2",
                                                        "GotFocus cmdSaveRecord", "Click cmdSaveRecord"}));
}

TEST_F(FocusOrder, AMoveAskedForInValidateReplacesWhereCodeWentButNotWhereTheUserWent) {
    auto& form = Shown();
    form.fpLine2.SetFocus();
    form.fpLine2.Validate = [&](bool&) { form.fpLine17A.SetFocus(); };
    forms::user::FocusByMouse(form.cmdSaveRecord);
    EXPECT_EQ(form.ActiveControl(), &form.cmdSaveRecord);

    form.fpLine2.SetFocus();
    form.cmdSaveRecord.SetFocus();
    EXPECT_EQ(form.ActiveControl(), &form.fpLine17A);
    EXPECT_EQ(form.SSTab1.Tab(), 1);
}

TEST_F(FocusOrder, AMoveOntoAPageBehindBringsThatPageToTheFront) {
    auto& form = Shown();
    int previous = -1;
    form.SSTab1.TabClick = [&](int PreviousTab) { previous = PreviousTab; };
    ASSERT_EQ(form.SSTab1.Tab(), 0);
    form.fpLine17B.SetFocus();
    EXPECT_EQ(form.SSTab1.Tab(), 1);
    EXPECT_EQ(previous, 0);
    EXPECT_TRUE(form.fpLine17B.IsShowing());
    EXPECT_FALSE(form.fpLine2.IsShowing());
}

TEST_F(FocusOrder, TabWalksEnabledVisibleTabStopsOfTheShownPage) {
    auto& form = Shown();
    form.SSTab1.SetTab(1);
    form.fpLine17A.SetFocus();
    form.fpLine17B.SetTabStop(false);
    form.fpLine17C.SetEnabled(false);

    forms::user::PressKey(form.fpLine17A, forms::vbKeyTab);
    EXPECT_EQ(form.ActiveControl(), &form.Check6);
    forms::user::PressKey(form.Check6, forms::vbKeyTab);
    EXPECT_EQ(form.ActiveControl(), &form.cmdSaveRecord);
    forms::user::PressKey(form.cmdSaveRecord, forms::vbKeyTab); // fpLine2 is on the page behind
    EXPECT_EQ(form.ActiveControl(), &form.fpLine17A);
}

TEST_F(FocusOrder, ShiftTabWalksTheSameTabStopsBackwards) {
    auto& form = Shown();
    form.SSTab1.SetTab(1);
    form.fpLine17A.SetFocus();
    form.fpLine17B.SetTabStop(false);
    form.fpLine17C.SetEnabled(false);
    form.log.Clear();

    forms::user::PressShiftTab(form.fpLine17A); // fpLine2 is on the page behind
    EXPECT_EQ(form.ActiveControl(), &form.cmdSaveRecord);
    forms::user::PressShiftTab(form.cmdSaveRecord);
    EXPECT_EQ(form.ActiveControl(), &form.Check6);
    forms::user::PressShiftTab(form.Check6);
    EXPECT_EQ(form.ActiveControl(), &form.fpLine17A);
    EXPECT_EQ(form.log.lines,
              (std::vector<std::string>{"LostFocus fpLine17A", "GotFocus cmdSaveRecord", "LostFocus cmdSaveRecord",
                                        "GotFocus Check6", "LostFocus Check6", "GotFocus fpLine17A"}))
        << "no key handler sees Shift+Tab";
}

TEST_F(FocusOrder, ShowingAFormFocusesItsFirstTabStopUnlessAHandlerChoseAnother) {
    auto& form = forms::Screen<frmLines>();
    form.Show();
    EXPECT_EQ(form.ActiveControl(), &form.fpLine2);
    EXPECT_EQ(form.log.lines.back(), "GotFocus fpLine2");

    forms::App().Reset();
    forms::App().UseScriptedDialogs();
    auto& fresh = forms::Screen<frmLines>();
    struct frmOpener : forms::Form {
        frmOpener() : Form("frmOpener") {
            cmdOpen.Click = [] {
                auto& lines = forms::Screen<frmLines>();
                lines.Show();
                lines.cmdSaveRecord.SetFocus();
            };
        }
        forms::CommandButton cmdOpen{*this, "cmdOpen"};
    } opener;
    opener.Show();
    forms::user::Click(opener.cmdOpen);
    EXPECT_EQ(fresh.ActiveControl(), &fresh.cmdSaveRecord);
    EXPECT_EQ(std::count(fresh.log.lines.begin(), fresh.log.lines.end(), "GotFocus fpLine2"), 0);
}

// A screen whose load sends the focus past its first field, as a screen
// over an empty table sends it to Add.
class frmLoadFocus : public forms::Form {
public:
    frmLoadFocus() : Form("frmLoadFocus") {
        txtFirst.SetTabIndex(0);
        cmdAdd.SetTabIndex(1);
    }
    forms::TextBox txtFirst{*this, "txtFirst"};
    forms::CommandButton cmdAdd{*this, "cmdAdd"};

protected:
    void Form_Load() override { cmdAdd.SetFocus(); }
};

TEST_F(FocusOrder, AMoveAskedForByTheLoadOutlivesTheShowThatRanIt) {
    struct frmOpener : forms::Form {
        frmOpener() : Form("frmOpener") {
            cmdOpen.Click = [] { forms::Screen<frmLoadFocus>().Show(); };
        }
        forms::CommandButton cmdOpen{*this, "cmdOpen"};
    } opener;
    opener.Show();
    forms::user::Click(opener.cmdOpen);
    EXPECT_EQ(forms::Screen<frmLoadFocus>().ActiveControl(), &forms::Screen<frmLoadFocus>().cmdAdd);
}

TEST_F(FocusOrder, MessageBoxesRaiseNoFocusEvents) {
    auto& form = Shown();
    form.fpLine2.SetFocus();
    form.log.Clear();
    dialogs->AnswerMsgBox(forms::vbYes);
    form.fpLine2.KeyPress = [](int&) { forms::MsgBox("Sure?", forms::vbYesNo, "Question"); };
    forms::user::PressKey(form.fpLine2, 'x');
    EXPECT_TRUE(form.log.lines.empty());
    EXPECT_EQ(form.ActiveControl(), &form.fpLine2);
}

TEST_F(FocusOrder, ClicksOnDisabledControlsDoNothing) {
    auto& form = Shown();
    int clicks = 0;
    form.cmdSaveRecord.Click = [&] { ++clicks; };
    form.cmdSaveRecord.SetEnabled(false);
    EXPECT_FALSE(forms::user::Click(form.cmdSaveRecord));
    EXPECT_FALSE(forms::user::TypeText(form.cmdSaveRecord, "x"));
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(form.ActiveControl(), &form.fpLine2);
}

} // namespace
