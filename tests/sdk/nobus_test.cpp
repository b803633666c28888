// The library started where no system bus answers.
#include <gtest/gtest.h>

#include <cstdlib>

#include "corvclient/btsdk.h"
#include "harness.h"
#include "sdk_test_util.h"

namespace {

TEST(NoBus, StartFailsWith771AndOperationsReturnPresets) {
    std::string errors = corvtest::stderrOf([] { EXPECT_EQ(Btsdk_ClientInit(), BTSDK_ER_CLIENT_INIT); });
    EXPECT_EQ(errors.rfind("Failed to open connection to bus: ", 0), 0u) << errors;
    EXPECT_NE(errors.find("\nInitDbusConnection failed.\n"), std::string::npos) << errors;
    EXPECT_TRUE(corvtest::waitFor([] { return corvtest::threadsNamed("corv-drive") == 0; }, 1000));

    errors = corvtest::stderrOf([] {
        BTUINT32 cls = 7;
        EXPECT_EQ(Btsdk_GetLocalDeviceClass(&cls), BTSDK_ER_FAIL);
        EXPECT_EQ(cls, 7u);
        EXPECT_EQ(Btsdk_SetLocalDeviceClass(0x20C), BTSDK_ER_FAIL);
        EXPECT_EQ(Btsdk_IsBluetoothReady(), 0);
        EXPECT_EQ(Btsdk_StartBluetooth(), BTSDK_ER_FAIL);
        EXPECT_EQ(Btsdk_StopBluetooth(), BTSDK_ER_FAIL);
        BTUINT16 mode = 9;
        EXPECT_EQ(Btsdk_GetDiscoveryMode(&mode), BTSDK_ER_FAIL);
        EXPECT_EQ(mode, 9);
        EXPECT_EQ(Btsdk_RegisterTraceCallback(nullptr), BTSDK_ER_FAIL);
    });
    // No proxy can be made on a null connection, so nothing reaches the bus to fail.
    EXPECT_EQ(errors, "");
    EXPECT_EQ(Btsdk_ClientUninit(), BTSDK_OK);
}

}  // namespace

int main(int argc, char** argv) {
    setenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/corvane-test-bus", 1);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
