#include "desktop/DriveFolderViews.h"

#include "desktop/FormWindow.h"
#include "platform/forms/DriveFolderLists.h"
#include "platform/forms/UserInput.h"

#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>

namespace desktop {
namespace {

constexpr int kPathRole = Qt::UserRole + 1;

std::string WithoutTrailingSeparator(std::string path) {
    while (path.size() > 3 && (path.back() == '\\' || path.back() == '/')) path.pop_back();
    return path;
}

} // namespace

std::vector<FolderEntry> FolderEntries(const std::string& path, const std::vector<std::string>& subFolders) {
    std::vector<FolderEntry> entries;
    const std::string full = WithoutTrailingSeparator(path);
    std::size_t start = 0;
    std::string sofar;
    int depth = 0;
    while (start <= full.size()) {
        std::size_t end = full.find_first_of("\\/", start);
        if (end == std::string::npos) end = full.size();
        const std::string part = full.substr(start, end - start);
        if (!part.empty()) {
            if (depth == 0) {
                sofar = part + "\\"; // "c:\"
                entries.push_back({sofar, sofar, depth});
            } else {
                sofar += (sofar.back() == '\\' ? "" : "\\") + part;
                entries.push_back({part, sofar, depth});
            }
            ++depth;
        }
        start = end + 1;
    }
    const std::string base = entries.empty() ? full : entries.back().path;
    for (const auto& name : subFolders) {
        entries.push_back({name, base + (base.empty() || base.back() == '\\' ? "" : "\\") + name, depth});
    }
    return entries;
}

DriveListView::DriveListView(forms::DriveList& drives, FormWindow& window, QWidget* parent)
    : ControlView(drives, window), drives_(drives), combo_(new QComboBox(parent)) {
    SetWidget(combo_);
    QObject::connect(combo_, &QComboBox::activated, combo_, [this](int index) {
        const std::string drive = combo_->itemText(index).toStdString();
        Window().Act([this, drive] { forms::user::ChooseDrive(drives_, drive); });
        Window().RefreshControl(drives_);
    });
}

void DriveListView::Refresh() {
    ControlView::Refresh();
    const QSignalBlocker quiet(combo_);
    combo_->clear();
    for (const auto& drive : drives_.Drives()) combo_->addItem(ToQt(drive));
    combo_->setCurrentIndex(combo_->findText(ToQt(drives_.Drive()), Qt::MatchFixedString));
}

FolderListView::FolderListView(forms::FolderList& folders, FormWindow& window, QWidget* parent)
    : ControlView(folders, window), folders_(folders), list_(new QListWidget(parent)) {
    SetWidget(list_);
    QObject::connect(list_, &QListWidget::itemActivated, list_, [this](QListWidgetItem* item) {
        const std::string path = item->data(kPathRole).toString().toStdString();
        Window().Act([this, path] { forms::user::ChooseFolder(folders_, path); });
        Window().RefreshControl(folders_);
    });
}

std::vector<QWidget*> FolderListView::InputWidgets() const { return {list_, list_->viewport()}; }

void FolderListView::Refresh() {
    ControlView::Refresh();
    const QSignalBlocker quiet(list_);
    list_->clear();
    for (const auto& entry : FolderEntries(folders_.Path(), folders_.SubFolders())) {
        auto* item = new QListWidgetItem(QString(entry.depth * 2, QChar(' ')) + ToQt(entry.shown), list_);
        item->setData(kPathRole, ToQt(entry.path));
    }
}

} // namespace desktop
