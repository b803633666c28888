// World events that the control interface and bt_simctl drive: authorisation and
// connection requests of remote devices, range and the connected flag.
#include "program_run.h"
#include "remote_world.h"

using bttest::callArea;
using bttest::control;
using bttest::words;
using Words = std::vector<std::vector<uint32_t>>;

namespace {

constexpr const char* kCallback = "com.zel.corvane.btservicecbk.btsdkcbk";

using DeviceEvents = bttest::RemoteWorld;

uint32_t authorize(uint32_t service, uint32_t device) {
    return callArea("btsdksec", "authorization_response",
                    g_variant_new("(uuu)", service, device, 1))
        .u(0);
}

TEST_F(DeviceEvents, AuthorizationRequestIsAnsweredOnce) {
    bttest::SignalRecorder requests(kCallback, "authorization_request_ind");
    EXPECT_EQ(authorize(0x1106, bttest::kLaptop), 1u);  // not asked
    ASSERT_TRUE(control("RequestAuthorization", g_variant_new("(su)", "laptop", 0x1106)).ok());
    ASSERT_TRUE(requests.waitForCount(1));
    EXPECT_EQ(words(requests.take()), (Words{{0x1106, 2}}));
    EXPECT_EQ(authorize(0x1105, bttest::kLaptop), 1u);  // another service
    EXPECT_EQ(authorize(0x1106, bttest::kLaptop), 0u);
    EXPECT_EQ(authorize(0x1106, bttest::kLaptop), 1u);  // answered already
}

TEST_F(DeviceEvents, ConnectionRequestCarriesDeviceServiceAndRole) {
    bttest::SignalRecorder requests(kCallback, "connection_request_ind");
    ASSERT_TRUE(control("RequestConnection", g_variant_new("(suy)", "3", 0x1124, 1)).ok());
    ASSERT_TRUE(requests.waitForCount(1));
    EXPECT_EQ(words(requests.take()), (Words{{3, 0x1124, 1}}));
}

TEST_F(DeviceEvents, UnknownDevicesAreRefusedWithAMessage) {
    for (const char* name : {"toaster", "0", "77"}) {
        bttest::Answer answer = control("SetInRange", g_variant_new("(sb)", name, TRUE));
        EXPECT_FALSE(answer.ok()) << name;
        EXPECT_EQ(answer.errorName(), "com.zel.corvane.simctl.Error");
        EXPECT_NE(answer.message().find(name), std::string::npos) << answer.message();
    }
}

TEST_F(DeviceEvents, SimctlDrivesTheDeviceEvents) {
    auto simctl = [](std::vector<std::string> words) {
        words.insert(words.begin(), BT_SIMCTL);
        return corvtest::runProgram(words);
    };
    bttest::SignalRecorder connections(kCallback, "connection_request_ind");
    bttest::SignalRecorder authorizations(kCallback, "authorization_request_ind");
    EXPECT_EQ(simctl({"connected", "phone", "on"}).exitCode, 0);
    EXPECT_EQ(bttest::onDevice("is_device_connected", bttest::kPhone).u(0), 1u);
    EXPECT_EQ(simctl({"range", "phone", "out"}).exitCode, 0);
    EXPECT_EQ(bttest::onDevice("get_remote_rssi", bttest::kPhone).u(1), 5u);
    EXPECT_EQ(simctl({"ask-connection", "laptop", "0x1115", "0"}).exitCode, 0);
    EXPECT_EQ(simctl({"ask-authorization", "5", "4357"}).exitCode, 0);
    ASSERT_TRUE(connections.waitForCount(1));
    ASSERT_TRUE(authorizations.waitForCount(1));
    EXPECT_EQ(words(connections.take()), (Words{{2, 0x1115, 0}}));
    EXPECT_EQ(words(authorizations.take()), (Words{{4357, 5}}));

    corvtest::ProgramRun wrong = simctl({"range", "phone", "sideways"});
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_NE(wrong.err.find("expected in or out"), std::string::npos) << wrong.err;
    corvtest::ProgramRun unknown = simctl({"connected", "toaster", "on"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_NE(unknown.err.find("no device toaster"), std::string::npos) << unknown.err;
}

}  // namespace
