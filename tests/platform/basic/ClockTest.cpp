#include <gtest/gtest.h>

#include "platform/basic/Clock.h"

using basic::DateTime;

TEST(Dates, AreReadFromIsoTextAndWrittenAsTheShortDate) {
    EXPECT_EQ(basic::ParseDate("2023-03-07"), (DateTime{2023, 3, 7}));
    EXPECT_FALSE(basic::ParseDate("2023-02-30"));
    EXPECT_FALSE(basic::ParseDate("3/7/23"));
    EXPECT_EQ(basic::DateText(DateTime{2023, 3, 7}), "3/7/2023");
}
