// The preparer screen: its record count from a file of odd length, its tab
// order, and how it copes with a file it cannot use or a disk without room.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include "ScreenTestSupport.h"
#include "employers/frmPaidPreparer.h"
#include "support/FileContent.h"
#include "support/FileSizeLimit.h"
#include "support/PermissionBits.h"
#include "support/RefusedSystemCalls.h"
#include "support/WatchedSyncs.h"

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

    static void TypeFirm(frmPaidPreparer& screen, const std::string& name, const std::string& ein,
                         const std::string& address, const std::string& city) {
        TypeText(screen.txtFirmName, name);
        TypeText(screen.txtFirmEIN, ein);
        TypeText(screen.txtFirmAddress, address);
        TypeText(screen.txtFirmCity, city);
    }

    // The record's bytes as the screen stores these fields, the others empty.
    static std::string FirmRecord(const std::string& name, const std::string& ein, const std::string& address,
                                  const std::string& city) {
        PaidPreparerRecord record;
        record.FirmName = name;
        record.FirmEIN = ein;
        record.FirmAddress = address;
        record.FirmCity = city;
        return record.ToBytes();
    }

    std::string PreparerFileBytes() const { return FileContent(Folder() / "PdPreparer.DAT"); }

    // Save with room on the disk for only the first `bytes` bytes of the file.
    void SaveWithRoomFor(frmPaidPreparer& screen, rlim_t bytes) {
        Dialogs().AnswerMsgBox(forms::vbOK);
        FileSizeLimit nearlyFull(bytes);
        Click(screen.Command2);
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

TEST_F(PreparerScreen, ASaveThatDoesNotFitKeepsTheOldRecordWholeUntilTheRetryStoresTheNewOne) {
    TypeFirm(Opened(), "old firm", "111111111", "1 old road", "oldtown");
    Click(Screen().Command2);
    CloseWindow(Screen());
    auto& screen = Opened();
    TypeFirm(screen, "new firm", "222222222", "2 new road", "newtown");

    SaveWithRoomFor(screen, 70);
    EXPECT_EQ(PreparerFileBytes(), FirmRecord("OLD FIRM", "111111111", "1 OLD ROAD", "OLDTOWN"));
    EXPECT_EQ(Prompts(), "Can't save the Paid Preparer file PdPreparer.DAT. Error # 61 Disk full");
    EXPECT_EQ(screen.txtFirmCity.Text(), "NEWTOWN");

    Click(screen.Command2);
    EXPECT_EQ(PreparerFileBytes(), FirmRecord("NEW FIRM", "222222222", "2 NEW ROAD", "NEWTOWN"));
}

TEST_F(PreparerScreen, AFirstSaveThatDoesNotFitLeavesTheFileEmpty) {
    auto& screen = Opened();
    TypeFirm(screen, "new firm", "222222222", "2 new road", "newtown");

    SaveWithRoomFor(screen, 100);
    EXPECT_EQ(PreparerFileBytes(), "");
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

// A disk that fails as the file is made, or as it is read, is named as a
// device error.
TEST_F(PreparerScreen, AFailingDiskIsReportedAsADeviceError) {
    const struct {
        refusedcalls::Refused call;
        bool fileThere;
        const char* box;
    } failures[] = {
        {{SYS_openat, O_CREAT}, false, "Can't open the Paid Preparer file PdPreparer.DAT. Error # 57 Device I/O error"},
        {{SYS_pread64}, true, "Can't read the Paid Preparer file PdPreparer.DAT. Error # 57 Device I/O error"},
    };
    for (const auto& failure : failures) {
        if (failure.fileThere) WriteFile("PdPreparer.DAT", std::string(195, 'X'));
        const int result = refusedcalls::RunWhereCallsFail({failure.call}, EIO, [&] {
            AnswerUnscriptedBoxesWithTheirDefault();
            Opened();
            return Prompts() == failure.box ? 0 : 1;
        });
        if (result == refusedcalls::kCannotRefuseCalls) GTEST_SKIP() << "this system lets no call be refused here";
        EXPECT_EQ(result, 0) << failure.box;
    }
}

// However the system words a device that failed or is gone (a failing disk,
// a medium taken out, a lost network share), a Save it cuts short is named a
// device error.
TEST_F(PreparerScreen, ASaveOnADeviceThatFailedOrIsGoneIsReportedAsADeviceError) {
    auto& screen = Opened();
    TypeFirm(screen, "new firm", "222222222", "2 new road", "newtown");
    WatchedSyncs syncs;
    for (const int cause : {EIO, ENXIO, ENODEV, ENOMEDIUM, EREMOTEIO, ESTALE}) {
        Dialogs().Clear();
        Dialogs().AnswerMsgBox(forms::vbOK);
        syncs.FailNext(cause);
        Click(screen.Command2);
        EXPECT_EQ(Prompts(), "Can't save the Paid Preparer file PdPreparer.DAT. Error # 57 Device I/O error")
            << std::strerror(cause);
    }
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
