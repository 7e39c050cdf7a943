// The Form 941 screen's part in the frame's record commands.

#include "returns/f941/frmDet941Covid0621.h"

void frmDet941Covid0621::AfterAddCopiedKey() { MaskEdBox2.SetText("0"); }

bool frmDet941Covid0621::SaveChecksPass() {
    months_.CheckAtSave();
    return true;
}
