#include "DesktopTestForm.h"

#include "platform/printing/PrintProperty.h"

frmDesktopTest::frmDesktopTest() : Form("frmDesktopTest") {
    SetCaption("Desktop Test");
    Move(600, 600, 7860, 6000);

    lblIdType.SetCaption("Tax Id &Type:");
    lblIdType.Move(240, 120, 1000, 300);
    mskIdType.SetMask("#");
    mskIdType.Move(1320, 120, 375, 300);
    mskIdType.SetTabIndex(0);
    mskPhone.SetMask("(###) ###-####");
    mskPhone.Move(1320, 480, 1695, 300);
    mskPhone.SetTabIndex(1);
    fpLine2.Move(1320, 840, 1695, 300);
    fpLine2.SetTabIndex(2);
    txtName.Move(3600, 120, 2400, 300);
    txtName.SetTabIndex(3);
    Check1.SetCaption("Seasonal");
    Check1.Move(3600, 480, 1500, 300);
    Check1.SetTabIndex(4);
    cmdSave.SetCaption("&Save");
    cmdSave.Move(3600, 840, 1215, 495);
    cmdSave.SetTabIndex(5);

    Frame1.SetCaption("Frame");
    Frame1.Move(240, 1500, 3000, 1200);
    txtInFrame.SetContainer(Frame1);
    txtInFrame.Move(240, 360, 1500, 300);
    txtInFrame.SetTabIndex(6);

    SSTab1.SetTabs(2);
    SSTab1.SetTabCaption(0, "Page 1");
    SSTab1.SetTabCaption(1, "Page 2");
    SSTab1.Move(3600, 1500, 3600, 2400);
    SSTab1.SetTabIndex(10);
    Frame1.SetTabIndex(11);
    txtPage0.SetContainer(SSTab1, 0);
    txtPage0.Move(240, 600, 1500, 300);
    txtPage0.SetTabIndex(7);
    txtPage1.SetContainer(SSTab1, 1);
    txtPage1.Move(240, 600, 1500, 300);
    txtPage1.SetTabIndex(8);

    mnuFile.SetCaption("&File");
    mnuHello.SetCaption("&Hello");
    mnuFile.Add(mnuHello);

    DMWin2.SetCaption("Print");
    DMWin2.Move(240, 4200, 1215, 495);
    DMWin2.SetTabIndex(9);

    mskIdType.KeyPress = [this](int& KeyAscii) { mskIdType_KeyPress(KeyAscii); };
    cmdSave.Click = [this] {
        ++saveClicks;
        events.push_back("cmdSave_Click");
    };
    Check1.Click = [this] { events.push_back("Check1_Click"); };
    lblIdType.Click = [this] { events.push_back("lblIdType_Click"); };
    mnuHello.Click = [this] { events.push_back("mnuHello_Click"); };
    DMWin2.PrintRequest = [this] { DMWin2_PrintRequest(); };
}

void frmDesktopTest::mskIdType_KeyPress(int& KeyAscii) {
    events.push_back("mskIdType_KeyPress " + std::to_string(KeyAscii));
}

void frmDesktopTest::DMWin2_PrintRequest() {
    using printing::Property;
    DMWin2.Store(Property::DocumentTitle, "Desktop Test");
    DMWin2.Store(Property::StartDoc, true);
    DMWin2.Store(Property::PageWidth, 8.5);
    DMWin2.Store(Property::PageHeight, 11.0);
    DMWin2.Store(Property::NewPage, true);
    DMWin2.Store(Property::TextWidth, 2.0);
    DMWin2.Store(Property::TextHeight, 0);
    DMWin2.Store(Property::TextLeft, 1.0);
    DMWin2.Store(Property::TextTop, 1.0);
    DMWin2.Store(Property::ItemText, "HELLO");
    DMWin2.Store(Property::PrintText, true);
    DMWin2.Store(Property::EndDoc, true);
}

void frmDesktopTest::Form_Unload(int& Cancel) {
    events.push_back("Form_Unload");
    if (refuseUnload) Cancel = 1;
}
