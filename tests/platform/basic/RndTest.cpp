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

