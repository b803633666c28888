// The daemon's threads run in the test process against the stand-in service on the
// private test bus.
#include <gtest/gtest.h>

#include "harness.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new corvtest::ServiceEnvironment);
    return RUN_ALL_TESTS();
}
