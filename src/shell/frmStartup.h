#pragma once
#include "platform/forms/Forms.h"

// The title screen the program starts with. Its File menu opens the main
// menu, and its Exit ends the program by unloading every loaded screen.
class frmStartup : public forms::Form {
public:
    frmStartup();

    forms::TextBox Text1{*this, "Text1"};
    forms::TextBox Text3{*this, "Text3"};
    forms::TextBox Text4{*this, "Text4"};
    forms::Label Label1{*this, "Label1"};
    forms::Menu mnuFile{*this, "mnuFile"};
    forms::Menu mnuForm941{*this, "mnuForm941"};
    forms::Menu mnuExit{*this, "mnuExit"};
    forms::ResizeControl ReSize1{*this, "ReSize1"};

    void Form_Load() override;
    void Form_Terminate() override;

    // Unloads every loaded screen, this one included. Screens are unloaded by
    // position in a list that closes up behind each unload, so a pass skips
    // every other screen; the pass that runs past the end starts over.
    static void UnloadAllScreens();

private:
    void mnuForm941_Click();
    void mnuExit_Click();
};
