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
