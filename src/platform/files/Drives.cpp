#include "platform/files/Drives.h"

#include <cctype>
#include <system_error>

#include "platform/files/CaseBlindNames.h"
#include "platform/files/ProgramFolder.h"

namespace files {

namespace {

char LowerLetter(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

} // namespace

std::filesystem::path DrivesFolder() {
    return EntryNamed(ProgramFolder(), "drives").value_or(ProgramFolder() / "drives");
}

std::optional<std::filesystem::path> DriveFolder(char letter) {
    letter = LowerLetter(letter);
    if (letter < 'a' || letter > 'z') return std::nullopt;
    auto folder = EntryNamed(DrivesFolder(), std::string(1, letter));
    std::error_code error;
    if (folder && std::filesystem::is_directory(*folder, error)) return folder;
    if (letter == 'c') return std::filesystem::path("/");
    return std::nullopt;
}

std::vector<char> DriveLetters() {
    std::vector<char> letters;
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        if (DriveFolder(letter)) letters.push_back(letter);
    }
    return letters;
}

} // namespace files
