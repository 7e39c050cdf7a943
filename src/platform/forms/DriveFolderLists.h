#pragma once
#include "platform/forms/Control.h"

#include <string>
#include <vector>

namespace forms {

// A drive list: Drive is the chosen drive as "c:". Setting it, by code or by
// the user, raises Change.
class DriveList : public Control {
public:
    DriveList(Form& owner, std::string name, int index = -1);
    std::string Kind() const override { return "DriveList"; }
    const std::string& Drive() const { return drive_; }
    // Takes "c", "c:", "C:\..." alike; raises error 68 when no folder
    // stands for that drive.
    void SetDrive(const std::string& drive);
    // The drives offered ("a:", "c:", ...).
    std::vector<std::string> Drives() const;
    bool Focusable() const override { return true; }

private:
    std::string drive_ = "c:";
};

// A folder list: Path is the chosen folder as the system writes paths
// ("c:\Program Files"). Setting it, by code or by the user, raises Change;
// a folder that does not exist raises error 76 and keeps the old path.
class FolderList : public Control {
public:
    FolderList(Form& owner, std::string name, int index = -1);
    std::string Kind() const override { return "FolderList"; }
    const std::string& Path() const { return path_; }
    void SetPath(const std::string& path);
    // The folders inside Path, by name, for a window to offer.
    std::vector<std::string> SubFolders() const;
    bool Focusable() const override { return true; }

private:
    std::string path_;
};

} // namespace forms
