#include <gtest/gtest.h>

#include "platform/basic/Clock.h"
#include "platform/basic/RuntimeError.h"

using basic::DateTime;

class ClockTest : public ::testing::Test {
protected:
    void TearDown() override { basic::UseSystemClock(); }
};

TEST_F(ClockTest, AFixedDayIsWhatTodayAndNowGive) {
    basic::SetToday(2023, 3, 7);
    EXPECT_EQ(basic::Today(), (DateTime{2023, 3, 7, 0, 0, 0}));
    EXPECT_EQ(basic::Now(), (DateTime{2023, 3, 7, 0, 0, 0}));
}

TEST_F(ClockTest, TheSystemClockComesBack) {
    basic::SetToday(1999, 1, 1);
    basic::UseSystemClock();
    EXPECT_GE(basic::Today().Year, 2024);
}

TEST_F(ClockTest, AnImpossibleDayIsRefused) {
    EXPECT_THROW(basic::SetToday(2023, 2, 29), basic::RuntimeError);
    EXPECT_NO_THROW(basic::SetToday(2024, 2, 29));
}

TEST(ParseDate, ReadsIsoDates) {
    EXPECT_EQ(basic::ParseDate("2023-03-07"), (DateTime{2023, 3, 7}));
    EXPECT_FALSE(basic::ParseDate("2023-02-30"));
    EXPECT_FALSE(basic::ParseDate("March 7"));
    EXPECT_FALSE(basic::ParseDate("3/7/23"));
}

TEST(DateText, WritesTheShortDate) { EXPECT_EQ(basic::DateText(DateTime{2023, 3, 7}), "3/7/2023"); }
