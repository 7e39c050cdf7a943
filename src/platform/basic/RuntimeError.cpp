#include "platform/basic/RuntimeError.h"

#include <array>
#include <string_view>

namespace basic {

namespace {

struct ErrorText {
    int number;
    std::string_view text;
};

// The run time's and the database engine's standard English texts for the
// numbers the system raises or handles.
// clang-format off
constexpr std::array kErrorTexts{
    //         number  text
    ErrorText{     3, "Return without GoSub"},
    ErrorText{     5, "Invalid procedure call or argument"},
    ErrorText{     6, "Overflow"},
    ErrorText{     9, "Subscript out of range"},
    ErrorText{    11, "Division by zero"},
    ErrorText{    13, "Type mismatch"},
    ErrorText{    52, "Bad file name or number"},
    ErrorText{    53, "File not found"},
    ErrorText{    57, "Device I/O error"},
    ErrorText{    59, "Bad record length"},
    ErrorText{    61, "Disk full"},
    ErrorText{    63, "Bad record number"},
    ErrorText{    75, "Path/File access error"},
    ErrorText{    76, "Path not found"},
    ErrorText{    94, "Invalid use of Null"},
    ErrorText{   524, "Application-defined or object-defined error"},
    ErrorText{  3000, "Reserved error; there is no message for this error."},
    ErrorText{  3019, "Operation invalid without a current index."},
    ErrorText{  3021, "No current record."},
    ErrorText{  3022, "The changes you requested to the table were not successful because they "
                      "would create duplicate values in the index, primary key, or relationship. "
                      "Change the data in the field or fields that contain duplicate data, remove "
                      "the index, or redefine the index to permit duplicate entries and try again."},
    ErrorText{  3044, "Not a valid path. Make sure that the path name is spelled correctly and "
                      "that you are connected to the server on which the file resides."},
    ErrorText{  3051, "You have no permission to create, read or change this file or folder."},
    ErrorText{  3260, "Couldn't update; currently locked by another user."},
    ErrorText{  3262, "Couldn't lock table; currently in use by another user."},
    ErrorText{  3426, "This action was cancelled by an associated object."},
};
// clang-format on

std::string WhatText(int number, const std::string& description) {
    return "Error " + std::to_string(number) + ": " + description;
}

} // namespace

RuntimeError::RuntimeError(int number, std::string source, std::string description)
    : std::runtime_error(WhatText(number, description)), number_(number), source_(std::move(source)),
      description_(std::move(description)) {}

std::string DescriptionOf(int number) {
    for (const auto& entry : kErrorTexts) {
        if (entry.number == number) return std::string(entry.text);
    }
    return "";
}

void Raise(int number, const std::string& source, const std::string& description) {
    throw RuntimeError(number, source.empty() ? kRuntimeSource : source,
                       description.empty() ? DescriptionOf(number) : description);
}

} // namespace basic
