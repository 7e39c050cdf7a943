#include <gtest/gtest.h>

#include "platform/basic/RuntimeError.h"

TEST(RuntimeError, RaiseCarriesNumberSourceAndTheStandardDescription) {
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
    EXPECT_EQ(basic::DescriptionOf(12345), "");
}
