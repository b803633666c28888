// Start and stop of the client library in one process: nothing is sent before the
// start, a second start opens no second connection, and the stop ends the drive-signal
// thread and the library's traffic.
#include <gtest/gtest.h>

#include "corvclient/btsdk.h"
#include "harness.h"
#include "sdk_test_util.h"

using corvtest::StandInService;

namespace {

// A call of every kind that reaches the service, with the presets it must return when
// the library is not started.
void expectPresets() {
    BTUINT32 cls = 0xDEADBEEF;
    EXPECT_EQ(Btsdk_GetLocalDeviceClass(&cls), BTSDK_ER_FAIL);
    EXPECT_EQ(cls, 0xDEADBEEFu);
    BTUINT8 name[BTSDK_LOCAL_NAME_BUF] = {'x'};
    EXPECT_EQ(Btsdk_GetLocalName(name, nullptr), BTSDK_ER_FAIL);
    EXPECT_EQ(name[0], 'x');
    EXPECT_EQ(Btsdk_SetLocalName(reinterpret_cast<const BTUINT8*>("pc"), 2), BTSDK_ER_FAIL);
    EXPECT_EQ(Btsdk_IsBluetoothReady(), 0);
    EXPECT_EQ(Btsdk_IsSDKInitialized(), 0);
    EXPECT_EQ(Btsdk_StartBluetooth(), BTSDK_ER_FAIL);
    EXPECT_EQ(Btsdk_BTDeviceUnplug(), BTSDK_ER_FAIL);
    EXPECT_EQ(Btsdk_WritePrivateProfileInt("S", "k", 1, "/tmp/none.ini"), BTSDK_ER_FAIL);
    EXPECT_EQ(Btsdk_RegisterTraceCallback(nullptr), BTSDK_ER_FAIL);
}

TEST(ClientLifecycle, StartStopAndStartAgain) {
    StandInService& service = StandInService::instance();
    int before = corvtest::busConnectionsOfThisProcess();

    // Not started: presets, and the service records no call.
    service.clearCalls();
    expectPresets();
    EXPECT_TRUE(service.calls().empty());
    EXPECT_EQ(corvtest::busConnectionsOfThisProcess(), before);

    // Started twice: both succeed, one connection, one drive-signal thread.
    EXPECT_EQ(Btsdk_ClientInit(), BTSDK_OK);
    EXPECT_EQ(Btsdk_ClientInit(), BTSDK_OK);
    EXPECT_EQ(corvtest::busConnectionsOfThisProcess(), before + 1);
    EXPECT_EQ(corvtest::threadsNamed("corv-drive"), 1);
    BTUINT32 cls = 0;
    EXPECT_EQ(Btsdk_GetLocalDeviceClass(&cls), BTSDK_OK);
    EXPECT_NE(cls, 0u);

    // Stopped: the drive-signal thread leaves after its current iteration, and every
    // operation returns its preset again without sending anything.
    EXPECT_EQ(Btsdk_ClientUninit(), BTSDK_OK);
    EXPECT_TRUE(corvtest::waitFor([] { return corvtest::threadsNamed("corv-drive") == 0; }, 1000));
    service.clearCalls();
    expectPresets();
    EXPECT_TRUE(service.calls().empty());

    // Started again: proxies made before the stop serve again.
    EXPECT_EQ(Btsdk_ClientInit(), BTSDK_OK);
    EXPECT_EQ(corvtest::threadsNamed("corv-drive"), 1);
    cls = 0;
    EXPECT_EQ(Btsdk_GetLocalDeviceClass(&cls), BTSDK_OK);
    EXPECT_NE(cls, 0u);
    EXPECT_EQ(Btsdk_StartBluetooth(), BTSDK_OK);
    EXPECT_EQ(Btsdk_ClientUninit(), BTSDK_OK);
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new corvtest::ServiceEnvironment);
    return RUN_ALL_TESTS();
}
