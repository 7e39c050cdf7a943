#include "desktop/Program.h"

#include "desktop/DesktopFrontEnd.h"
#include "desktop/UserActions.h"
#include "platform/files/Drives.h"
#include "platform/files/Paths.h"
#include "platform/files/ProgramFolder.h"
#include "platform/printing/PrintLog.h"
#include "platform/forms/Application.h"
#include "platform/forms/Form.h"
#include "platform/forms/Screens.h"
#include "shell/RegisterScreens.h"

#include <QApplication>

namespace desktop {

void UseProgramFolder(const std::filesystem::path& folder) {
    files::SetProgramFolder(folder);
    files::ChDir(folder.string());
    auto& app = forms::App();
    app.SetPathResolver([](const std::string& path) { return files::Resolve(path); });
    app.SetDriveLetters([] { return files::DriveLetters(); });
}

bool StartProgram() {
    RegisterScreens();
    RunUserAction([] { forms::Screen("frmStartup").Show(); });
    return forms::App().Count() > 0;
}

void SetUpApplication() {
    // Windows are hidden and shown as the screens say; the program ends
    // when no screen is loaded, not when no window is open.
    QApplication::setQuitOnLastWindowClosed(false);
    // Qt builds folder and file names from the application name (temporary
    // folders, settings), so it must be a valid file name part; the windows
    // carry the screens' own captions.
    QApplication::setApplicationName(QString::fromLatin1(kApplicationName));
}

int RunProgram(int argc, char* argv[]) {
    QApplication application(argc, argv);
    SetUpApplication();
    DesktopFrontEnd frontEnd;
    // Each finished printout is rendered and offered, then let go: nothing
    // reads it back here.
    printing::PrintLog::SetKeepingDocuments(false);
    UseProgramFolder(files::ProgramFolder());
    if (!StartProgram()) return 0;
    return QApplication::exec();
}

} // namespace desktop
