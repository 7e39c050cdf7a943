#pragma once
#include "platform/forms/Form.h"

// For a screen's Form_QueryUnload: the window's close box leaves the screen
// the way its own way out (Exit, Close) does. A screen that shows the one it
// came from on its way out would otherwise, closed by its box, leave no
// window to go on from, and the program would end.
template <class WayOut>
void CloseBoxActsAs(int& Cancel, int UnloadMode, WayOut wayOut) {
    if (UnloadMode != forms::vbFormControlMenu) return;
    Cancel = 1;
    wayOut();
}
