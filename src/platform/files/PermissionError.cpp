#include "platform/files/PermissionError.h"

#include "platform/basic/RuntimeError.h"

#include <string>

namespace files {

bool PermissionDenied(const std::error_code& error) {
    return error == std::errc::permission_denied || error == std::errc::operation_not_permitted ||
           error == std::errc::read_only_file_system;
}

void RaiseFileError(const std::error_code& error, int otherwise, std::string_view path) {
    if (!PermissionDenied(error)) basic::Raise(otherwise);
    basic::Raise(basic::errNoPermission, "",
                 basic::DescriptionOf(basic::errNoPermission) + " (" + std::string(path) + ")");
}

} // namespace files
