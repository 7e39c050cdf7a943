#include "shell/frmStartup.h"

#include "common/ScreenPlacement.h"
#include "platform/basic/RuntimeError.h"
#include "shell/frm941MainScreen.h"

#include <cstdint>
#include <string>

namespace {

const std::string kCaption =
    "Tavrilo 941 / 944" + std::string(43, ' ') + "Tax Year 2022" + std::string(43, ' ') + "Rel. 22.04";

constexpr int errSubscriptOutOfRange = 9;

} // namespace

frmStartup::frmStartup() : Form("frmStartup") {
    SetCaption(kCaption);
    Text1.SetText(" Tavrilo 941 / 944");
    Text3.SetText("Release 22.04 for the 2022 tax year");
    Text4.SetText("Forms 941 for 2022 and the first quarter of 2023; Form 944 for 2022");
    Label1.SetCaption("Click on File. Select an application, or Exit.");

    mnuFile.SetCaption("File");
    mnuForm941.SetCaption("Work with Forms 941 / 944");
    mnuExit.SetCaption("Exit");
    mnuFile.Add(mnuForm941);
    mnuFile.Add(mnuExit);

    // Positions in twips, within the part of the window that every display shows.
    Text1.Move(1440, 720, 6000, 495);
    Text3.Move(1440, 1455, 6000, 375);
    Text4.Move(1440, 1950, 6000, 375);
    Label1.Move(1440, 2805, 6000, 375);

    mnuForm941.Click = [this] { mnuForm941_Click(); };
    mnuExit.Click = [this] { mnuExit_Click(); };
}

void frmStartup::Form_Load() {
    // As large as the display, a tenth of it in from the top and left; the
    // front end keeps the window on the display.
    PlaceOnScreen(*this, 1, 1);
}

void frmStartup::Form_Terminate() { UnloadAllScreens(); }

void frmStartup::mnuForm941_Click() {
    forms::Screen<frm941MainScreen>().Show();
    Hide();
}

void frmStartup::mnuExit_Click() { UnloadAllScreens(); }

void frmStartup::UnloadAllScreens() {
    auto& app = forms::App();
    for (;;) {
        const std::int16_t last = static_cast<std::int16_t>(app.Count() - 1);
        bool startOver = false;
        for (int i = 0; i <= last; ++i) {
            try {
                app.Item(i).Unload();
            } catch (const basic::RuntimeError& e) {
                if (e.Number() == errSubscriptOutOfRange) {
                    startOver = true;
                    break;
                }
                // Any other failure of one screen: go on with the next.
            }
        }
        if (!startOver) return;
    }
}
