#include "common/ScreenPlacement.h"

#include "platform/basic/WholeNumbers.h"
#include "platform/forms/Forms.h"

void PlaceOnScreen(forms::Form& form, double widthShare, double heightShare) {
    auto& app = forms::App();
    form.SetWidth(basic::CLng(app.ScreenWidth() * widthShare));
    form.SetHeight(basic::CLng(app.ScreenHeight() * heightShare));
    form.SetTop(basic::CLng(app.ScreenHeight() * 0.1));
    form.SetLeft(basic::CLng(app.ScreenWidth() * 0.1));
}
