#pragma once
// A small screen of the tests' own, laid out in twips, with one control of
// each kind the desktop shows and handlers that record what they saw.

#include "platform/forms/Forms.h"
#include "platform/printing/DMWin.h"

#include <string>
#include <vector>

class frmDesktopTest : public forms::Form {
public:
    frmDesktopTest();

    forms::Label lblIdType{*this, "lblIdType"};
    forms::MaskedField mskIdType{*this, "mskIdType"};
    forms::MaskedField mskPhone{*this, "mskPhone"};
    forms::CurrencyField fpLine2{*this, "fpLine2"};
    forms::TextBox txtName{*this, "txtName"};
    forms::CheckBox Check1{*this, "Check1"};
    forms::CommandButton cmdSave{*this, "cmdSave"};
    forms::Frame Frame1{*this, "Frame1"};
    forms::TextBox txtInFrame{*this, "txtInFrame"};
    forms::TabControl SSTab1{*this, "SSTab1"};
    forms::TextBox txtPage0{*this, "txtPage0"};
    forms::TextBox txtPage1{*this, "txtPage1"};
    forms::Menu mnuFile{*this, "mnuFile"};
    forms::Menu mnuHello{*this, "mnuHello"};
    printing::DMWin DMWin2{*this, "DMWin2"};

    // What the handlers saw.
    std::vector<std::string> events;
    int saveClicks = 0;
    bool refuseUnload = false;

private:
    void mskIdType_KeyPress(int& KeyAscii);
    void DMWin2_PrintRequest();
    void Form_Unload(int& Cancel) override;
};

// The same screen carrying the screen-resizing placeholder.
class frmDesktopResizable : public frmDesktopTest {
public:
    forms::ResizeControl ReSize1{*this, "ReSize1"};
};
