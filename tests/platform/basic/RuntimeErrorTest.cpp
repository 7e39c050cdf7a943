#include <gtest/gtest.h>

#include "platform/basic/RuntimeError.h"

TEST(RuntimeError, KnowsTheStandardTextsOfTheNumbersTheSystemHandles) {
    EXPECT_EQ(basic::DescriptionOf(9), "Subscript out of range");
    EXPECT_EQ(basic::DescriptionOf(13), "Type mismatch");
    EXPECT_EQ(basic::DescriptionOf(53), "File not found");
    EXPECT_EQ(basic::DescriptionOf(75), "Path/File access error");
    EXPECT_EQ(basic::DescriptionOf(76), "Path not found");
    EXPECT_EQ(basic::DescriptionOf(3021), "No current record.");
    EXPECT_NE(basic::DescriptionOf(3022).find("duplicate values"), std::string::npos);
    EXPECT_EQ(basic::DescriptionOf(3260).rfind("Couldn't update; currently locked", 0), 0u);
    for (int number : {3, 5, 6, 52, 94, 524, 3000, 3019, 3044, 3262, 3426}) {
        EXPECT_FALSE(basic::DescriptionOf(number).empty()) << number;
    }
    EXPECT_EQ(basic::DescriptionOf(12345), "");
}

TEST(RuntimeError, RaiseCarriesNumberSourceAndDescription) {
    try {
        basic::Raise(3021, "DAO.Recordset");
        FAIL() << "nothing thrown";
    } catch (const basic::RuntimeError& e) {
        EXPECT_EQ(e.Number(), 3021);
        EXPECT_EQ(e.Source(), "DAO.Recordset");
        EXPECT_EQ(e.Description(), "No current record.");
    }
    try {
        basic::Raise(524, "", "A record already exists");
    } catch (const basic::RuntimeError& e) {
        EXPECT_EQ(e.Source(), basic::kRuntimeSource);
        EXPECT_EQ(e.Description(), "A record already exists");
    }
}
