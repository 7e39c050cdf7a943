#pragma once
#include <stdexcept>
#include <string>

namespace basic {

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
