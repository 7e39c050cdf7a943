#pragma once
#include "desktop/ControlView.h"

class QComboBox;
class QListWidget;

namespace forms {
class DriveList;
class FolderList;
} // namespace forms

namespace desktop {

// The drive list: the drives the program knows, the chosen one shown.
// Choosing another asks the model, which raises Change.
class DriveListView : public ControlView {
public:
    DriveListView(forms::DriveList& drives, FormWindow& window, QWidget* parent);
    void Refresh() override;
    bool TakesAllKeys() const override { return false; }
    Press OnPress() const override { return Press::FocusThenWidget; }

private:
    forms::DriveList& drives_;
    QComboBox* combo_;
};

// The folder list: the chosen folder's path from the drive's root down, then
// the folders inside it. A double click opens a folder (Path changes,
// Change is raised).
class FolderListView : public ControlView {
public:
    FolderListView(forms::FolderList& folders, FormWindow& window, QWidget* parent);
    void Refresh() override;
    bool TakesAllKeys() const override { return false; }
    Press OnPress() const override { return Press::FocusThenWidget; }
    std::vector<QWidget*> InputWidgets() const override;

protected:
    QPalette::ColorRole BackRole() const override { return QPalette::Base; }
    QPalette::ColorRole ForeRole() const override { return QPalette::Text; }

private:
    forms::FolderList& folders_;
    QListWidget* list_;
};

// The entries of a folder list for `path` ("c:\Program Files"): each folder
// from the root down to the path, then its subfolders, as (shown text, path
// that choosing it opens).
struct FolderEntry {
    std::string shown;
    std::string path;
    int depth = 0;
};
std::vector<FolderEntry> FolderEntries(const std::string& path, const std::vector<std::string>& subFolders);

} // namespace desktop
