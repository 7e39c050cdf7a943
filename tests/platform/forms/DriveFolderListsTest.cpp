#include "FormsTestSupport.h"

#include "platform/basic/ErrorNumberOf.h"
#include "support/RunFolder.h"

#include <filesystem>
#include <memory>

namespace {

class frmImport : public forms::Form {
public:
    frmImport() : Form("frmImport") {
        drvDrive.Change = [this] { dirDirectory.SetPath(drvDrive.Drive()); };
        dirDirectory.Change = [this] { lblDirName.SetCaption(dirDirectory.Path()); };
    }
    forms::DriveList drvDrive{*this, "drvDrive"};
    forms::FolderList dirDirectory{*this, "dirDirectory"};
    forms::Label lblDirName{*this, "lblDirName"};
};

class DriveFolderLists : public FormsTest {
protected:
    std::unique_ptr<RunFolder> run;
    std::filesystem::path root;
    void SetUp() override {
        FormsTest::SetUp();
        run = std::make_unique<RunFolder>("forms-drive-test");
        root = run->Path();
        std::filesystem::create_directories(root / "c" / "Program Files" / "Old");
        std::filesystem::create_directories(root / "a");
        // Drive x: maps to root/x (absent), others to their folders.
        forms::App().SetPathResolver([this](const std::string& path) {
            std::string p = path;
            for (char& c : p) c = c == '\\' ? '/' : c;
            return root / std::string(1, static_cast<char>(std::tolower(p[0]))) / p.substr(3 <= p.size() ? 3 : 2);
        });
    }
    void TearDown() override {
        forms::App().SetPathResolver(nullptr);
        run.reset();
        FormsTest::TearDown();
    }
};

TEST_F(DriveFolderLists, CodeAndTheUserBothRaiseChange) {
    frmImport form;
    form.Show();
    form.drvDrive.SetDrive("c:");
    EXPECT_EQ(form.lblDirName.Caption(), "c:\\");

    form.dirDirectory.SetPath("c:\\Program Files\\");
    EXPECT_EQ(form.lblDirName.Caption(), "c:\\Program Files");

    forms::user::ChooseFolder(form.dirDirectory, "Old");
    EXPECT_EQ(form.lblDirName.Caption(), "c:\\Program Files\\Old");
    EXPECT_EQ(form.dirDirectory.SubFolders(), std::vector<std::string>{});

    forms::user::ChooseDrive(form.drvDrive, "A:");
    EXPECT_EQ(form.drvDrive.Drive(), "a:");
    EXPECT_EQ(form.lblDirName.Caption(), "a:\\");
}

TEST_F(DriveFolderLists, AMissingFolderRaisesError76AndKeepsThePath) {
    frmImport form;
    form.dirDirectory.SetPath("c:\\Program Files");
    EXPECT_EQ(ErrorNumberOf([&] { form.dirDirectory.SetPath("c:\\Program Files (x86)\\Marbeck\\TV944-20-R02"); }), 76);
    EXPECT_EQ(form.dirDirectory.Path(), "c:\\Program Files");
}

TEST_F(DriveFolderLists, ADriveWithoutAFolderIsRefused) {
    frmImport form;
    EXPECT_THROW(form.drvDrive.SetDrive("x:"), basic::RuntimeError);
    EXPECT_EQ(form.drvDrive.Drive(), "c:");
}

TEST_F(DriveFolderLists, AMissingFolderOrADriveWithoutAFolderIsRefusedAndTheListsStayPut) {
    frmImport form;
    form.dirDirectory.SetPath("c:\\Program Files");
    EXPECT_EQ(ErrorNumberOf([&] { form.dirDirectory.SetPath("c:\\Program Files\\Missing"); }), 76);
    EXPECT_EQ(form.dirDirectory.Path(), "c:\\Program Files");
    EXPECT_THROW(form.drvDrive.SetDrive("x:"), basic::RuntimeError);
    EXPECT_EQ(form.drvDrive.Drive(), "c:");
}

} // namespace
