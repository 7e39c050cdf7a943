#include "desktop/Program.h"

#include "desktop/DesktopFrontEnd.h"
#include "desktop/UserActions.h"
#include "platform/files/Drives.h"
#include "platform/files/FileSizeSignal.h"
#include "platform/files/Paths.h"
#include "platform/files/ProgramFolder.h"
#include "platform/forms/Application.h"
#include "platform/forms/Form.h"
#include "platform/forms/Screens.h"
#include "platform/printing/PrintLog.h"
#include "shell/RegisterScreens.h"

#include <QApplication>

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

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

void ProvideRuntimeFolder() {
    const char* given = std::getenv("XDG_RUNTIME_DIR");
    if (given != nullptr && *given != '\0') return;
    // Qt wants a private folder for its runtime files and complains at every
    // start when the session named none (as under xvfb-run or su): the
    // program makes its own, as Qt would, and names it.
    std::error_code error;
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path(error) / ("runtime-" + std::to_string(::getuid()));
    std::filesystem::create_directories(folder, error);
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all, std::filesystem::perm_options::replace,
                                 error);
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0 || info.st_uid != ::getuid()) return;
    ::setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
}

void SetUpApplication() {
    // Windows are hidden and shown as the screens say; the program ends
    // when no screen is loaded, not when no window is open.
    QApplication::setQuitOnLastWindowClosed(false);
    // Qt builds folder and file names from the application name (temporary
    // folders, settings), so it must be a valid file name part; the windows
    // carry the screens' own captions.
    QApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    files::FailWritesPastTheFileSizeLimit();
}

int RunProgram(int argc, char* argv[]) {
    ProvideRuntimeFolder();
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
