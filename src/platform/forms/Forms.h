#pragma once
// The forms runtime: screens, their controls, focus and keys, message and
// input boxes. No toolkit inside; the desktop front end renders it.
//
// A screen:
//
//   class frmEmployersDE : public forms::Form {
//   public:
//       frmEmployersDE() : Form("frmEmployersDE") {
//           cmdSaveRecord.SetCaption("&Save");
//           cmdSaveRecord.SetTabIndex(23);
//           mskIdType.SetMask("#");
//           mskIdType.SetContainer(Frame1);            // or (SSTab1, page)
//           cmdSaveRecord.Click = [this] { cmdSaveRecord_Click(); };
//           mskIdType.KeyPress = [this](int& KeyAscii) { mskIdType_KeyPress(KeyAscii); };
//           mskIdType.Validate = [this](bool& Cancel) { mskIdType_Validate(Cancel); };
//       }
//       forms::Frame Frame1{*this, "Frame1"};
//       forms::MaskedField mskIdType{*this, "mskIdType"};
//       forms::CommandButton cmdSaveRecord{*this, "cmdSaveRecord"};
//       forms::ControlArray<forms::Label> Label5{*this, "Label5", {0, 1}};  // Label5(0)
//   private:
//       void Form_Load() override;
//       void cmdSaveRecord_Click();
//       ...
//   };
//
// Reaching a screen by its name, as the system does:
//   forms::Screen<frmDet941Covid0621>().Show();     // loads it first (Form_Load runs here)
//   forms::Screen<frmEmployersDE>().txtQtr_Yr.Text();
//   Unload();  (inside the screen)                  // the rest of the handler still runs;
//                                                   // the next Screen<T>() is a fresh instance
// Register each screen's name once for the scenario runner:
//   forms::RegisterScreen<frmEmployersDE>("frmEmployersDE");   then forms::Screen("frmEmployersDE")
//
// Message boxes: forms::MsgBox("Save this Record?", forms::vbOKCancel, "Save Record") == forms::vbOK.
//
// Tests drive screens as a user would:
//   auto& dialogs = forms::App().UseScriptedDialogs();   // every box must be answered
//   dialogs.AnswerMsgBox(forms::vbOK);
//   forms::user::TypeText(screen.mskIdType, "1");
//   forms::user::PressKey(screen.mskIdType, forms::vbKeyReturn);
//   forms::user::Click(screen.cmdSaveRecord);
//   dialogs.Boxes()[0].title ...
//   forms::App().Reset();                                 // between tests
//
// The order of focus events is written down in FocusMoves.cpp.

#include "platform/forms/Application.h"
#include "platform/forms/Control.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/CurrencyField.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/DriveFolderLists.h"
#include "platform/forms/Form.h"
#include "platform/forms/Keys.h"
#include "platform/forms/MaskedField.h"
#include "platform/forms/Menu.h"
#include "platform/forms/Observer.h"
#include "platform/forms/Screens.h"
#include "platform/forms/ScriptedDialogs.h"
#include "platform/forms/SimpleControls.h"
#include "platform/forms/TabControl.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/UserInput.h"
