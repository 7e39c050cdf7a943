// The program's folder is one this user may not write: the employers can be
// looked at and found, and every change says the data is read-only.
#include "employers_ScreenFolder.h"

#include "support/PermissionBits.h"

#include <sys/stat.h>

namespace {

class EmployerReadOnlyFolder : public EmployerScreenFolder {};

bool SaidReadOnly(const forms::ScriptedDialogs& dialogs) {
    return !dialogs.Boxes().empty() &&
           dialogs.LastBox().prompt.find("Database or object is read-only") != std::string::npos;
}

TEST_F(EmployerReadOnlyFolder, EmployersAreShownAndFoundAndChangesSayTheDataIsReadOnly) {
    AddEmployer(1, "ACME TOOLS");
    AddEmployer(2, "BAKER BROS");
    ASSERT_EQ(0, ::chmod(Folder().c_str(), 0555));
    const int result = permissionbits::RunBoundByPermissions([this] {
        AnswerUnscriptedBoxesWithTheirDefault();
        auto& screen = OpenScreen();
        if (screen.txtEmployerNo.Text() != "1") return 1;
        Dialogs().AnswerInputBox("BAKER");
        forms::user::Click(screen.cmdFind);
        if (screen.txtEmployerNo.Text() != "2") return 2;
        forms::user::Click(screen.cmdAddRecord);
        if (!SaidReadOnly(Dialogs()) || screen.cmdSaveRecord.Enabled()) return 3;
        forms::user::Click(screen.cmdEditRecord);
        if (!SaidReadOnly(Dialogs()) || screen.cmdSaveRecord.Enabled()) return 4;
        Dialogs().AnswerMsgBox(forms::vbYes);
        Dialogs().AnswerMsgBox(forms::vbYes);
        forms::user::Click(screen.cmdDeleteRecord);
        if (!SaidReadOnly(Dialogs())) return 5;
        return 0;
    });
    ::chmod(Folder().c_str(), 0755);
    EXPECT_EQ(0, result);
    EXPECT_EQ("2", Query(MainPath(), "SELECT COUNT(*) FROM Employers"));
}

} // namespace
