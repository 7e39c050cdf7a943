#include "common/ScreenPlacement.h"

#include "platform/basic/WholeNumbers.h"
#include "platform/forms/Forms.h"

#include <algorithm>

void PlaceOnScreen(forms::Form& form, double widthShare, double heightShare) {
    auto& app = forms::App();
    const long width = basic::CLng(app.ScreenWidth() * widthShare);
    const long height = basic::CLng(app.ScreenHeight() * heightShare);
    form.SetWidth(width);
    form.SetHeight(height);
    // A tenth in would leave the part beyond the screen's edge out of sight.
    const long tenthDown = basic::CLng(app.ScreenHeight() * 0.1);
    const long tenthAcross = basic::CLng(app.ScreenWidth() * 0.1);
    form.SetTop(std::max(0L, std::min(tenthDown, app.ScreenHeight() - height)));
    form.SetLeft(std::max(0L, std::min(tenthAcross, app.ScreenWidth() - width)));
}
