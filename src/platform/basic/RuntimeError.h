#pragma once
#include <stdexcept>
#include <string>

namespace basic {

// The run time's own error numbers, as the code raises and tests them (the
// database engine's are data::ErrorNumber).
enum ErrorNumber : int {
    errInvalidProcedureCall = 5,
    errOverflow = 6,
    errSubscriptOutOfRange = 9,
    errTypeMismatch = 13,
    errBadFileName = 52,
    errFileNotFound = 53,
    errDeviceIO = 57,
    errBadRecordLength = 59,
    errDiskFull = 61,
    errBadRecordNumber = 63,
    errDeviceUnavailable = 68,
    errPathFileAccess = 75,
    errPathNotFound = 76,
    errObjectNotSet = 91,
    errInvalidUseOfNull = 94,
    errControlArrayElementMissing = 340,
    errInvalidPropertyValue = 380,
    errObjectRequired = 424,
    // The engine's number for a file or folder this user has no permission
    // to create, read or change; the file functions raise it as well.
    errNoPermission = 3051,
};

// A run-time error as the screens see it: a number, the source that raised it
// and a description. Every layer raises these; the screens' handlers dispatch
// on Number().
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, std::string source, std::string description);

    int Number() const { return number_; }
    const std::string& Source() const { return source_; }
    const std::string& Description() const { return description_; }

private:
    int number_;
    std::string source_;
    std::string description_;
};

// The standard description of an error number ("" when it has none).
std::string DescriptionOf(int number);

// Throws RuntimeError; an empty description takes DescriptionOf(number).
[[noreturn]] void Raise(int number, const std::string& source = "", const std::string& description = "");

} // namespace basic

namespace basic {

// The source that the run time's own errors carry (the program's project name);
// Raise gives it to an error raised without a source.
inline constexpr const char* kRuntimeSource = "Tavrilo941";

} // namespace basic
