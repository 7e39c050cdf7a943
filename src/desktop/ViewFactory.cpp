#include "desktop/ViewFactory.h"

#include "desktop/ButtonViews.h"
#include "desktop/CaptionViews.h"
#include "desktop/DataControlView.h"
#include "desktop/DriveFolderViews.h"
#include "desktop/FieldView.h"
#include "desktop/TabControlView.h"
#include "platform/data/DataControl.h"
#include "platform/forms/DriveFolderLists.h"
#include "platform/forms/SimpleControls.h"
#include "platform/forms/TabControl.h"
#include "platform/forms/TextField.h"

#include <string>

namespace desktop {

std::unique_ptr<ControlView> MakeView(forms::Control& control, FormWindow& window, QWidget* parent) {
    const std::string kind = control.Kind();
    if (kind == "Menu") return nullptr;
    if (kind == "ResizeControl" || kind == "CommonDialog") return std::make_unique<HiddenView>(control, window);
    if (auto* field = dynamic_cast<forms::TextField*>(&control)) {
        return std::make_unique<FieldView>(*field, window, parent);
    }
    if (auto* button = dynamic_cast<forms::CommandButton*>(&control)) {
        return std::make_unique<ButtonView>(*button, window, parent);
    }
    if (auto* box = dynamic_cast<forms::CheckBox*>(&control)) {
        return std::make_unique<CheckBoxView>(*box, window, parent);
    }
    if (auto* label = dynamic_cast<forms::Label*>(&control)) {
        return std::make_unique<LabelView>(*label, window, parent);
    }
    if (auto* frame = dynamic_cast<forms::Frame*>(&control)) {
        return std::make_unique<FrameView>(*frame, window, parent);
    }
    if (auto* tabs = dynamic_cast<forms::TabControl*>(&control)) {
        return std::make_unique<TabControlView>(*tabs, window, parent);
    }
    if (auto* dataControl = dynamic_cast<data::DataControl*>(&control)) {
        return std::make_unique<DataControlView>(*dataControl, window, parent);
    }
    if (auto* drives = dynamic_cast<forms::DriveList*>(&control)) {
        return std::make_unique<DriveListView>(*drives, window, parent);
    }
    if (auto* folders = dynamic_cast<forms::FolderList*>(&control)) {
        return std::make_unique<FolderListView>(*folders, window, parent);
    }
    return std::make_unique<GenericView>(control, window, parent);
}

} // namespace desktop
