// The main of the client library's tests: the private bus and the stand-in service,
// then the library started once for the process.
#include <gtest/gtest.h>

#include "harness.h"
#include "sdk_test_util.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new corvtest::ServiceEnvironment);
    testing::AddGlobalTestEnvironment(new corvtest::ClientEnvironment);
    return RUN_ALL_TESTS();
}
