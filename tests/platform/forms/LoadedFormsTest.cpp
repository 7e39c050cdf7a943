#include "FormsTestSupport.h"

#include "platform/basic/ErrorNumberOf.h"

namespace {

EventLog gLog;

// A screen that reports its load, unload and end to the log.
class frmLogged : public forms::Form {
public:
    explicit frmLogged(const std::string& name) : Form(name) {}
    forms::TextBox Text1{*this, "Text1"};
    std::string loadError; // raised by Form_Load when not empty
    void Form_Load() override {
        gLog("load " + Name());
        if (!loadError.empty()) basic::Raise(3044, Name(), loadError);
    }
    void Form_Unload(int&) override { gLog("unload " + Name()); }
    void Form_Terminate() override { gLog("terminate " + Name()); }
};

class frmA : public frmLogged {
public:
    frmA() : frmLogged("frmA") {}
};
class frmB : public frmLogged {
public:
    frmB() : frmLogged("frmB") {}
};
class frmC : public frmLogged {
public:
    frmC() : frmLogged("frmC") {}
};

class LoadedForms : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        gLog.Clear();
    }
};

TEST_F(LoadedForms, CollectionKeepsLoadOrderAndClosesUpOnUnload) {
    forms::Screen<frmB>().Load();
    forms::Screen<frmA>().Show();
    forms::Screen<frmC>().Load();
    forms::Screen<frmA>().Unload();

    ASSERT_EQ(forms::App().Count(), 2);
    EXPECT_EQ(forms::App().Item(0).Name(), "frmB");
    EXPECT_EQ(forms::App().Item(1).Name(), "frmC");
    try {
        forms::App().Item(2);
        FAIL() << "no error past the end";
    } catch (const basic::RuntimeError& e) {
        EXPECT_EQ(e.Number(), 9);
    }
}

TEST_F(LoadedForms, ShowLoadsFirstAndTheLoadRunsInsideShow) {
    auto& a = forms::Screen<frmA>();
    EXPECT_FALSE(a.IsLoaded());
    a.Show();
    EXPECT_EQ(gLog.lines, (std::vector<std::string>{"load frmA"}));
    EXPECT_TRUE(a.IsLoaded());
    EXPECT_TRUE(a.Visible());

    a.Hide();
    a.Show(); // hiding keeps it loaded: no second load
    EXPECT_EQ(gLog.lines.size(), 1u);
}

TEST_F(LoadedForms, UnloadingAFormThatIsNotLoadedDoesNothing) {
    auto& a = forms::Screen<frmA>();
    a.Unload();
    EXPECT_TRUE(gLog.lines.empty());
    EXPECT_EQ(forms::App().Count(), 0);
}

TEST_F(LoadedForms, AnErrorInFormLoadReachesTheCallerOfShowAndLeavesTheFormLoadedHidden) {
    auto& a = forms::Screen<frmA>();
    a.loadError = "Invalid path";
    EXPECT_EQ(ErrorNumberOf([&] { a.Show(); }), 3044);
    EXPECT_TRUE(a.IsLoaded());
    EXPECT_FALSE(a.Visible());
    a.Unload(); // the caller's recovery
    EXPECT_EQ(forms::App().Count(), 0);
}

// A screen whose button unloads it and then keeps working, as Close does.
class frmCloser : public forms::Form {
public:
    frmCloser() : Form("frmCloser") {
        cmdClose.Click = [this] { cmdClose_Click(); };
    }
    forms::CommandButton cmdClose{*this, "cmdClose"};
    int opened = 0;
    void Form_Load() override { opened = 1; }
    void Form_Terminate() override { gLog("terminate frmCloser"); }
    void cmdClose_Click() {
        Unload();
        // Code after Unload still runs on this object.
        gLog("after unload, loaded=" + std::to_string(IsLoaded()) + " opened=" + std::to_string(opened));
        forms::Screen<frmA>().Show();
    }
};

TEST_F(LoadedForms, UnloadInAHandlerLetsTheHandlerFinishAndTheNextAccessIsFresh) {
    auto* first = &forms::Screen<frmCloser>();
    first->Show();
    first->opened = 42;

    forms::user::Click(first->cmdClose);

    EXPECT_EQ(gLog.lines,
              (std::vector<std::string>{"after unload, loaded=0 opened=42", "load frmA", "terminate frmCloser"}));
    auto& again = forms::Screen<frmCloser>();
    EXPECT_FALSE(again.IsLoaded());
    again.Show();
    EXPECT_EQ(again.opened, 1);
}

TEST_F(LoadedForms, ScreensAreReachedByTheirNameWithoutRegardToCase) {
    forms::RegisterScreen<frmB>("frmB");
    forms::Screen("FRMB").Show();
    EXPECT_TRUE(forms::Screen<frmB>().Visible());
    EXPECT_EQ(&forms::Screen("frmB"), &forms::Screen<frmB>());
    try {
        forms::Screen("frmNobody");
        FAIL() << "an unknown screen name was accepted";
    } catch (const basic::RuntimeError& e) {
        EXPECT_EQ(e.Number(), 424);
    }
}

TEST_F(LoadedForms, ControlsAreFoundByNameAndIndex) {
    struct frmArrays : forms::Form {
        frmArrays() : Form("frmArrays") {}
        forms::TextBox txtName{*this, "txtName"};
        forms::ControlArray<forms::Label> Label5{*this, "Label5", {0, 1}};
    } form;
    EXPECT_EQ(form.ControlByName("TXTNAME"), &form.txtName);
    EXPECT_EQ(form.ControlByName("Label5", 1), &form.Label5(1));
    EXPECT_EQ(form.ControlByName("Label5"), nullptr);
    EXPECT_EQ(form.Label5(0).Index(), 0);
    EXPECT_THROW(form.Label5(7), basic::RuntimeError);
}

} // namespace
