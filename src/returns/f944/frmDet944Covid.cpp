// The Form 944 screen's part in the frame: its lines and what its load adapts
// (nothing for "622").

#include "returns/f944/frmDet944Covid.h"

frmDet944Covid::frmDet944Covid() : ReturnScreen("frmDet944Covid") {
    SetCaption("Form 944 - Data Entry");
    LayOutLines();
    UseLines(Form944Lines());
    UseOverpaymentBoxes(fpLine16(1), Check3, Check4);
    WirePrint([this] { DMWin2_PrintRequest(); });
}

// The annual return's period selects no caption and retires no line; the
// lines the form reserves say so in their captions from the start.
void frmDet944Covid::AdaptToPeriod(const std::string& /*code*/) {}
