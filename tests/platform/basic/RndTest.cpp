#include <gtest/gtest.h>

#include "platform/basic/Rnd.h"

TEST(Rnd, DrawsTheClassicUnseededSequence) {
    basic::RestartRnd();
    EXPECT_NEAR(basic::Rnd(), 0.7055475, 5e-8);
    EXPECT_NEAR(basic::Rnd(), 0.5334240, 5e-8);
    EXPECT_NEAR(basic::Rnd(), 0.5795186, 5e-8);
}
