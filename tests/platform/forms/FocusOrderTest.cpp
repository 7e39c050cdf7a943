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

TEST_F(FocusOrder, TheKeyReachesTheFieldAfterAHandlerThatMovesTheFocus) {
    auto& form = Shown();
    form.fpLine17A.KeyPress = [&](int&) { form.fpLine17B.SetFocus(); };
    forms::user::TypeText(form.fpLine17A, "5");
    EXPECT_EQ(form.fpLine17A.Text(), "5");
    EXPECT_EQ(form.ActiveControl(), &form.fpLine17B);
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

// Enter runs KeyPress, then the field's LostFocus, then the target's
// GotFocus; the message boxes between raise no focus events.
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

} // namespace
