#pragma once
// The preparer record the tests write and print.
#include <string>

#include "common/PaidPreparerRecord.h"

inline PaidPreparerRecord ExamplePreparer() {
    PaidPreparerRecord r;
    r.FirmName = "ACME TAX SERVICE";
    r.FirmEIN = "123456789";
    r.FirmAddress = "12 MAIN ST";
    r.FirmCity = "SPRINGFIELD";
    r.FirmState = "IL";
    r.FirmZip = "627011234";
    r.FirmPhone = "2175551234";
    r.FirmPTIN = "P01234567";
    r.FirmSelfEmployed = "Y";
    r.FirmPreparerName = "JANE Q PREPARER";
    return r;
}

// The text filled up with blanks to the width.
inline std::string Padded(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}
