#include <gtest/gtest.h>

#include "platform/basic/Rnd.h"

TEST(Rnd, DrawsTheClassicUnseededSequence) {
    basic::RestartRnd();
    EXPECT_NEAR(basic::Rnd(), 0.7055475, 5e-8);
    EXPECT_NEAR(basic::Rnd(), 0.5334240, 5e-8);
    EXPECT_NEAR(basic::Rnd(), 0.5795186, 5e-8);
}

TEST(Rnd, StaysInsideZeroToOneAndRepeatsAfterARestart) {
    basic::RestartRnd();
    double first[50];
    for (double& value : first) {
        value = basic::Rnd();
        EXPECT_GE(value, 0.0);
        EXPECT_LT(value, 1.0);
    }
    basic::RestartRnd();
    for (double value : first) EXPECT_EQ(basic::Rnd(), value);
}

TEST(Rnd, GivesTheCounterWaitsAWholeNumberFromFiveTo24) {
    basic::RestartRnd();
    for (int i = 0; i < 200; ++i) {
        int wait = static_cast<int>(basic::Rnd() * 20 + 5);
        EXPECT_GE(wait, 5);
        EXPECT_LE(wait, 24);
    }
}
