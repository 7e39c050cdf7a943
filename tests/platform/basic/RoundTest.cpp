#include <gtest/gtest.h>

#include "platform/basic/Round.h"
#include "ErrorNumberOf.h"
#include "platform/basic/WholeNumbers.h"

using basic::Round;

TEST(Round, TakesExactHalvesToTheEvenCent) {
    EXPECT_EQ(Round(0.125, 2), 0.12);
    EXPECT_EQ(Round(0.375, 2), 0.38);
    EXPECT_EQ(Round(-0.125, 2), -0.12);
    EXPECT_EQ(Round(2.5, 0), 2);
    EXPECT_EQ(Round(3.5, 0), 4);
    EXPECT_EQ(Round(-2.5), -2);
}

TEST(Round, DecidesOnTheExactBinaryValueOfTheProduct) {
    EXPECT_EQ(Round(200 * 0.009, 2), 1.8);
    EXPECT_EQ(Round(750 * 0.009, 2), 6.75);
    // 2.675 is stored just below the half, so it goes down.
    EXPECT_EQ(Round(2.675, 2), 2.67);
    // 1.005 likewise lies below 1.005 exactly.
    EXPECT_EQ(Round(1.005, 2), 1.0);
    // Scaling by 100 first would land on an exact half and go the wrong way.
    EXPECT_EQ(Round(0.005, 2), 0.01);
    EXPECT_EQ(Round(0.015, 2), 0.01);
    EXPECT_EQ(Round(0.025, 2), 0.03);
    EXPECT_EQ(Round(0.075, 2), 0.07);
    EXPECT_EQ(Round(1000 * 0.124, 2), 124);
    EXPECT_EQ(Round(1234.56 * 0.062, 2), 76.54);
}

TEST(Round, GivesTheDoubleNearestTheRoundedDecimal) {
    EXPECT_EQ(Round(7.970000000000001, 2), 7.97);
    EXPECT_EQ(Round(0.1 + 0.2, 2), 0.3);
    EXPECT_EQ(Round(123456789.994, 2), 123456789.99);
}

TEST(Round, RefusesImpossibleDigitCounts) { EXPECT_EQ(ErrorNumberOf([] { Round(1.5, -1); }), 5); }

TEST(WholeNumbers, RoundHalfToEvenAndOverflowOutsideTheirRange) {
    EXPECT_EQ(basic::CLng(2.5), 2);
    EXPECT_EQ(basic::CLng(2147483647.0), 2147483647);
    EXPECT_EQ(basic::Int(-2.5), -3);
    EXPECT_EQ(ErrorNumberOf([] { basic::CLng(2147483647.5); }), 6); // rounds to 2147483648
}
