// The preparer screen: its record count from a file of odd length, its tab
// order, and how it copes with a file it cannot use.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "ScreenTestSupport.h"
#include "employers/frmPaidPreparer.h"
#include "support/PermissionBits.h"

namespace {

using forms::user::Click;
using forms::user::CloseWindow;
using forms::user::TypeText;

class PreparerScreen : public ScreenFolderTest {
protected:
    static bool PreparerScreenLoaded() { return FormLoaded("frmPaidPreparer"); }
    frmPaidPreparer& Screen() { return forms::Screen<frmPaidPreparer>(); }
    frmPaidPreparer& Opened() {
        Screen().Show();
        return Screen();
    }
};

TEST_F(PreparerScreen, TheRecordCountIsRoundedToTheNearestWholeRecord) {
    WriteFile("PdPreparer.DAT", std::string(195 + 98, ' '));
    EXPECT_EQ(Opened().Caption(), "Paid Preparer Setup Information Record 1 / 2");
    CloseWindow(Screen());

    WriteFile("PdPreparer.DAT", std::string(97, ' '));
    EXPECT_EQ(Opened().Caption(), "Paid Preparer Setup Information Record 1 / 1");
}

TEST_F(PreparerScreen, AFileTooBigToCountIsReportedAsUnusable) {
    WriteFile("PdPreparer.DAT", "");
    std::filesystem::resize_file(Folder() / "PdPreparer.DAT", std::uintmax_t{500} << 30); // sparse
    Dialogs().AnswerMsgBox(forms::vbOK);
    EXPECT_EQ(Opened().Caption(), "Paid Preparer Setup Information Record 1 / 1");
    ASSERT_EQ(Dialogs().Boxes().size(), 1u);
    EXPECT_EQ(Dialogs().Boxes()[0].prompt, "Can't open the Paid Preparer file PdPreparer.DAT. Error # 6 Overflow");
}

TEST_F(PreparerScreen, TheFieldsFollowTheirRowsInTabOrderWithSaveAndCloseLast) {
    auto& screen = Opened();
    std::vector<std::string> order;
    for (auto* control : screen.TabOrder())
        if (control->Focusable()) order.push_back(control->Name());

    EXPECT_EQ(order, (std::vector<std::string>{"txtFirmName", "txtFirmAddress", "txtFirmEIN", "txtFirmCity",
                                               "txtFirmState", "txtFirmZip", "txtFirmPhone", "txtFirmPTIN",
                                               "txtFirmSelfEmployed", "txtFirmPreparerName", "Command2", "Command3"}));
}

TEST_F(PreparerScreen, AFileThisUserMayNotReadIsReportedOnceAsTheLoadCannotOpenIt) {
    WriteFile("PdPreparer.DAT", std::string(195, 'X'));
    std::filesystem::permissions(Folder() / "PdPreparer.DAT", std::filesystem::perms::none);
    const int boxes = permissionbits::RunBoundByPermissions([this] {
        AnswerUnscriptedBoxesWithTheirDefault();
        Opened();
        if (Dialogs().Boxes().empty() || Dialogs().Boxes()[0].prompt.rfind("Can't open the Paid Preparer", 0) != 0)
            return 100;
        return static_cast<int>(Dialogs().Boxes().size());
    });
    EXPECT_EQ(boxes, 1);
}

// A folder of that name stands where the file should be: it cannot be
// opened, whoever runs the tests.
class UnusablePreparerFile : public PreparerScreen {
protected:
    void SetUp() override {
        PreparerScreen::SetUp();
        std::filesystem::create_directory(Folder() / "PdPreparer.DAT");
    }
};

TEST_F(UnusablePreparerFile, TheLoadReportsItAndShowsEmptyFields) {
    Dialogs().AnswerMsgBox(forms::vbOK);
    auto& screen = Opened();

    ASSERT_EQ(Dialogs().Boxes().size(), 1u);
    EXPECT_EQ(Dialogs().Boxes()[0].prompt,
              "Can't open the Paid Preparer file PdPreparer.DAT. Error # 75 Path/File access error");
    EXPECT_EQ(Dialogs().Boxes()[0].style, forms::vbExclamation);
    EXPECT_EQ(Dialogs().Boxes()[0].title, "Paid Preparer Setup Information");
    EXPECT_TRUE(screen.Visible());
    EXPECT_EQ(screen.Caption(), "Paid Preparer Setup Information Record 1 / 1");
}

TEST_F(UnusablePreparerFile, CloseReportsTheFailedSaveAndKeepsWhatWasTyped) {
    Dialogs().AnswerMsgBox(forms::vbOK);
    auto& screen = Opened();
    TypeText(screen.txtFirmName, "acme");

    Dialogs().AnswerMsgBox(forms::vbOK);
    Click(screen.Command3);

    ASSERT_EQ(Dialogs().Boxes().size(), 2u);
    EXPECT_EQ(Dialogs().Boxes()[1].prompt.rfind("Can't open the Paid Preparer file PdPreparer.DAT.", 0), 0u);
    EXPECT_TRUE(PreparerScreenLoaded());
    EXPECT_EQ(screen.txtFirmName.Text(), "ACME");

    CloseWindow(screen);
    EXPECT_FALSE(PreparerScreenLoaded());
}

} // namespace
