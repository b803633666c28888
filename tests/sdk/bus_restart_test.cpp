// The system bus goes away and comes back: calls fail quietly with the preset meanwhile,
// and after a stop and a new start of the library everything works again, the callbacks
// registered before included.
#include <gtest/gtest.h>

#include <atomic>

#include "corvclient/btsdk.h"
#include "harness.h"
#include "sdk_test_util.h"

namespace {

std::atomic<BTUINT32> s_lastDevice{0};
void onInquiryResult(BTUINT32 device) { s_lastDevice = device; }

bool inquiryResultArrives(BTUINT32 device) {
    corvtest::StandInService::instance().emitSignal("btsdkcbk", "inquiry_result_ind",
                                                    "(uint32 " + std::to_string(device) + ",)");
    return corvtest::waitFor([device] { return s_lastDevice.load() == device; });
}

TEST(BusRestart, TheLibraryComesBackWithANewStart) {
    corvtest::StandInService& service = corvtest::StandInService::instance();
    ASSERT_EQ(Btsdk_ClientInit(), BTSDK_OK);
    BtsdkCallbackRecord record{BTSDK_INQUIRY_RESULT_IND, reinterpret_cast<BtsdkEventCallback>(onInquiryResult)};
    ASSERT_EQ(Btsdk_RegisterCallback(&record), BTSDK_OK);
    BTUINT32 cls = 0;
    ASSERT_EQ(Btsdk_GetLocalDeviceClass(&cls), BTSDK_OK);
    ASSERT_TRUE(inquiryResultArrives(11));
    int connections = corvtest::busConnectionsOfThisProcess();  // the library's and the harness's

    service.kill();
    corvtest::TestBus::instance().stop();
    // Calls fail with their preset, and dbus-glib is never handed a proxy it destroyed.
    std::string errors = corvtest::stderrOf([&] {
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(Btsdk_GetLocalDeviceClass(&cls), BTSDK_ER_FAIL);
            EXPECT_EQ(Btsdk_IsBluetoothReady(), 0);
        }
    });
    EXPECT_EQ(errors.find("CRITICAL"), std::string::npos) << errors;

    ASSERT_TRUE(corvtest::TestBus::instance().restart());
    service.start();
    EXPECT_EQ(Btsdk_ClientUninit(), BTSDK_OK);
    ASSERT_EQ(Btsdk_ClientInit(), BTSDK_OK);  // a new connection, not the dead one
    EXPECT_EQ(Btsdk_GetLocalDeviceClass(&cls), BTSDK_OK);
    EXPECT_EQ(corvtest::busConnectionsOfThisProcess(), connections);
    EXPECT_TRUE(inquiryResultArrives(22)) << "the callback registered before the restart";
    EXPECT_EQ(Btsdk_ClientUninit(), BTSDK_OK);
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new corvtest::ServiceEnvironment);
    return RUN_ALL_TESTS();
}
