#pragma once
#include <string>

namespace printing {

// A store made to fail, so tests can drive a print handler's error exit.
// The occurrence-th store of `property` (counted from when the fault is set;
// any property when `property` is empty) is refused with the run-time error
// errorNumber; the store is not recorded and changes nothing.
struct StoreFault {
    std::string property;
    int occurrence = 1;
    int errorNumber = 5;
    std::string description; // "" = the error number's standard text
};

} // namespace printing
