#pragma once
#include <filesystem>

namespace desktop {

// Makes `folder` the program's folder: the current folder is set there (bare
// file names resolve in it), and the screens' paths with drive letters go
// through the drive folders under it.
void UseProgramFolder(const std::filesystem::path& folder);

// The name Qt knows the program by: a valid file name part.
inline constexpr const char* kApplicationName = "Tavrilo941";

// Before the QApplication: when the session names no runtime folder
// (XDG_RUNTIME_DIR), the program makes its own private one and names it, so
// that Qt starts without a warning.
void ProvideRuntimeFolder();

// What the program sets on its QApplication before any window: its name,
// and that closing a window never ends it by itself; and that a write past
// the file-size limit fails as on a full disk instead of ending it.
void SetUpApplication();

// Makes every screen reachable by name and shows the start-up screen
// frmStartup. False when no screen stayed loaded (nothing to run).
bool StartProgram();

// The whole program: the program's folder is the executable's folder, the
// front end shows the screens, and the program runs until no screen is
// loaded any more.
int RunProgram(int argc, char* argv[]);

} // namespace desktop
