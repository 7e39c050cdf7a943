#pragma once
// The preparer record the tests write and print, and the check of its 195
// bytes as the preparer screen and the record itself must lay them out.
#include <gtest/gtest.h>

#include <string>

#include "common/PaidPreparerRecord.h"

inline PaidPreparerRecord ExamplePreparer()
{
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
inline std::string Padded(std::string text, std::size_t width)
{
    text.resize(width, ' ');
    return text;
}

// Each field of ExamplePreparer() at its offset, filled up with blanks.
inline void ExpectExamplePreparerBytes(const std::string& bytes)
{
    ASSERT_EQ(bytes.size(), 195u);
    EXPECT_EQ(bytes.substr(0, 50), Padded("ACME TAX SERVICE", 50));
    EXPECT_EQ(bytes.substr(50, 9), "123456789");
    EXPECT_EQ(bytes.substr(59, 30), Padded("12 MAIN ST", 30));
    EXPECT_EQ(bytes.substr(89, 30), Padded("SPRINGFIELD", 30));
    EXPECT_EQ(bytes.substr(119, 2), "IL");
    EXPECT_EQ(bytes.substr(121, 10), "627011234 ");
    EXPECT_EQ(bytes.substr(131, 13), Padded("2175551234", 13));
    EXPECT_EQ(bytes.substr(144, 15), Padded("P01234567", 15));
    EXPECT_EQ(bytes.substr(159, 1), "Y");
    EXPECT_EQ(bytes.substr(160, 35), Padded("JANE Q PREPARER", 35));
}
