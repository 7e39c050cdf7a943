#include "platform/forms/DriveFolderLists.h"

#include "platform/basic/RuntimeError.h"
#include "platform/forms/Application.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace forms {
namespace {

bool IsFolder(const std::string& systemPath) {
    std::error_code error;
    return std::filesystem::is_directory(App().NativePath(systemPath), error);
}

// "c:\Program Files\" -> "c:\Program Files", "c:" -> "c:\", "/" kept.
std::string Tidy(const std::string& path) {
    std::string p = path;
    std::replace(p.begin(), p.end(), '/', '\\');
    bool hasDrive = p.size() >= 2 && p[1] == ':' && std::isalpha(static_cast<unsigned char>(p[0]));
    if (hasDrive && p.size() == 2) return p + "\\";
    std::size_t root = hasDrive ? 3 : 1;
    while (p.size() > root && p.back() == '\\') p.pop_back();
    if (!hasDrive) std::replace(p.begin(), p.end(), '\\', '/');
    return p;
}

} // namespace

DriveList::DriveList(Form& owner, std::string name, int index) : Control(owner, std::move(name), index) {}

void DriveList::SetDrive(const std::string& drive) {
    std::string letter;
    if (!drive.empty() && std::isalpha(static_cast<unsigned char>(drive[0]))) {
        letter = std::string(1, static_cast<char>(std::tolower(static_cast<unsigned char>(drive[0])))) + ":";
    }
    if (letter.empty() || !IsFolder(letter + "\\")) basic::Raise(basic::errDeviceUnavailable, Name(), "Device unavailable");
    drive_ = letter;
    Changed("Drive");
    RaiseChange();
}

std::vector<std::string> DriveList::Drives() const {
    std::vector<std::string> drives;
    for (char letter : App().DriveLetters()) drives.push_back(std::string(1, letter) + ":");
    return drives;
}

FolderList::FolderList(Form& owner, std::string name, int index) : Control(owner, std::move(name), index) {}

void FolderList::SetPath(const std::string& path) {
    std::string tidy = Tidy(path);
    if (tidy.empty() || !IsFolder(tidy)) basic::Raise(basic::errPathNotFound, Name(), "Path not found");
    path_ = tidy;
    Changed("Path");
    RaiseChange();
}

std::vector<std::string> FolderList::SubFolders() const {
    std::vector<std::string> names;
    if (path_.empty()) return names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(App().NativePath(path_), error)) {
        std::error_code ignored;
        if (entry.is_directory(ignored)) names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace forms
