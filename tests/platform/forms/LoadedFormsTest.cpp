#include "FormsTestSupport.h"

#include "platform/basic/ErrorNumberOf.h"

namespace {

EventLog gLog;

// A screen that reports its load, unload and end to the log.
class frmA : public forms::Form {
public:
    frmA() : Form("frmA") {}
    std::string loadError; // raised by Form_Load when not empty
    void Form_Load() override {
        gLog("load frmA");
        if (!loadError.empty()) basic::Raise(3044, Name(), loadError);
    }
    void Form_Unload(int&) override { gLog("unload frmA"); }
    void Form_Terminate() override { gLog("terminate frmA"); }
};

class LoadedForms : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        gLog.Clear();
    }
};

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

} // namespace
