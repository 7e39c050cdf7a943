#include "common/EmployerNumberSql.h"

#include <gtest/gtest.h>

#include <cstdint>

TEST(EmployerNumberSql, ANumberIsWrittenOutAnewAndAnythingElseIsNone) {
    using data::Value;
    EXPECT_EQ(EmployerNumberSql(Value{std::int64_t{17}}), "17");
    EXPECT_EQ(EmployerNumberSql(Value{8.5}), "8.5");
    EXPECT_EQ(EmployerNumberSql(Value{1e20}), "100000000000000000000");
    EXPECT_EQ(ShownEmployerNumberSql("17"), "17");
    EXPECT_EQ(ShownEmployerNumberSql("8.5"), "8.5");
    for (const Value& none : {Value{}, Value{std::string("17")}, Value{1.0 / 0.0}})
        EXPECT_EQ(EmployerNumberSql(none), std::nullopt) << data::ToText(none);
    for (const char* none : {"", "8 OR 1=1", "17 ", "inf", "8.5)"})
        EXPECT_EQ(ShownEmployerNumberSql(none), std::nullopt) << none;
}
