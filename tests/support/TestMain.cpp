// The test programs' main: every run in a temporary folder of its own that
// its tests must leave as they found it.
#include <gtest/gtest.h>

#include "support/LeavesNothingBehind.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    return RunLeavingNothingBehind([] { return RUN_ALL_TESTS(); });
}
