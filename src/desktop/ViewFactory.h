#pragma once
#include <memory>

class QWidget;

namespace forms {
class Control;
}

namespace desktop {

class ControlView;
class FormWindow;

// The view for a control, by its kind; menus are the menu bar's and get
// none (null). Kinds without a widget of their own get a generic panel.
std::unique_ptr<ControlView> MakeView(forms::Control& control, FormWindow& window, QWidget* parent);

} // namespace desktop
