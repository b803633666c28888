// What the links of status_fast.ini report besides their traffic: the signal strength of
// the scenario, changed through the control interface and bt_simctl; the local adapter's
// role by the side that opens a link, or by the scenario; links that SetConnected holds;
// and local servers that two devices are connected to, from the scenario or by the
// control interface, in use until the last connection ends.
#include <chrono>
#include <fstream>

#include "connection_events.h"
#include "program_run.h"
#include "status_world.h"

using bttest::Answer;
using bttest::callArea;
using bttest::control;
using bttest::eventsOf;
using bttest::kCallbacks;
using bttest::SignalRecorder;
using namespace bttest::status;

namespace {

constexpr uint32_t kMaster = 0, kSlave = 1;

using LinkStatus = StatusWorld;

corvtest::ProgramRun simctl(std::vector<std::string> words) {
    words.insert(words.begin(), BT_SIMCTL);
    return corvtest::runProgram(words);
}

Answer switchRole(uint32_t device, uint32_t role) {
    return callArea("btsdkrmt", "switch_role", g_variant_new("(uu)", device, role));
}

Answer connectToServer(const char* device, uint32_t server) {
    return control("ConnectToServer", g_variant_new("(su)", device, server));
}

TEST_F(LinkStatus, SignalStrengthIsTheScenariosReadOnTheLinkAndChangedByControl) {
    EXPECT_EQ(onDevice("get_remote_rssi", kPhone).u(1), 10u);  // no link yet
    EXPECT_EQ(onDevice("get_remote_rssi", 99).u(1), 4u);
    Answer tablet = onDevice("get_remote_rssi", kTablet);  // connected from the start
    EXPECT_EQ(tablet.u(0), 0xC4u);                         // -60 dBm
    EXPECT_EQ(tablet.u(1), 0u);

    ASSERT_NE(connect(kPhone, 0x1101), 0u);
    EXPECT_EQ(onDevice("get_remote_rssi", kPhone).u(0), 0xCCu);  // -52 dBm
    ASSERT_TRUE(control("SetRssi", g_variant_new("(si)", "phone", -80)).ok());
    EXPECT_EQ(onDevice("get_remote_rssi", kPhone).u(0), 0xB0u);
    Answer refused = control("SetRssi", g_variant_new("(si)", "phone", 128));
    EXPECT_FALSE(refused.ok());
    EXPECT_NE(refused.message().find("-128 to 127"), std::string::npos) << refused.message();
    EXPECT_EQ(onDevice("get_remote_rssi", kPhone).u(0), 0xB0u);

    EXPECT_EQ(simctl({"rssi", "phone", "-40"}).exitCode, 0);
    EXPECT_EQ(onDevice("get_remote_rssi", kPhone).u(0), 0xD8u);
    EXPECT_EQ(simctl({"rssi", "1", "127"}).exitCode, 0);
    EXPECT_EQ(onDevice("get_remote_rssi", kPhone).u(0), 0x7Fu);
    corvtest::ProgramRun wrong = simctl({"rssi", "phone", "-129"});
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_NE(wrong.err.find("expected an RSSI from -128 to 127"), std::string::npos) << wrong.err;
    corvtest::ProgramRun unknown = simctl({"rssi", "toaster", "5"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_NE(unknown.err.find("no device toaster"), std::string::npos) << unknown.err;
    EXPECT_NE(simctl({"--help"}).out.find("rssi DEVICE DBM"), std::string::npos);

    ASSERT_TRUE(control("SetInRange", g_variant_new("(sb)", "phone", FALSE)).ok());
    EXPECT_EQ(onDevice("get_remote_rssi", kPhone).u(1), 5u);
}

TEST_F(LinkStatus, TheSideThatOpensALinkIsItsMasterUnlessTheScenarioSaysOtherwise) {
    Answer tablet = onDevice("get_remote_device_role", kTablet);  // it connected to us
    EXPECT_EQ(tablet.u(0), kSlave);
    EXPECT_EQ(tablet.u(1), 0u);
    EXPECT_EQ(onDevice("get_remote_device_role", kPhone).u(1), 10u);  // no link
    EXPECT_EQ(switchRole(kPhone, kSlave).u(0), 10u);

    uint32_t serial = connect(kPhone, 0x1101);
    ASSERT_NE(serial, 0u);
    EXPECT_EQ(onDevice("get_remote_device_role", kPhone).u(0), kMaster);
    // A connection from the device rides on the link that is up: the role stays.
    ASSERT_TRUE(connectToServer("phone", kServerFtp).ok());
    EXPECT_EQ(onDevice("get_remote_device_role", kPhone).u(0), kMaster);
    EXPECT_EQ(switchRole(kPhone, 2).u(0), 2u);
    EXPECT_EQ(switchRole(kPhone, kSlave).u(0), 0u);
    EXPECT_EQ(onDevice("get_remote_device_role", kPhone).u(0), kSlave);

    // The laptop's links make the local adapter slave whichever side opens them.
    ASSERT_NE(connect(kLaptop, 0x1101), 0u);
    EXPECT_EQ(onDevice("get_remote_device_role", kLaptop).u(0), kSlave);

    // Once the phone's link is down, the next one takes its role afresh: from the phone.
    ASSERT_EQ(disconnect(serial).u(0), 0u);
    std::vector<uint32_t> incoming = incomingConnections();
    ASSERT_EQ(incoming.size(), 3u);
    ASSERT_EQ(disconnect(incoming.back()).u(0), 0u);
    EXPECT_EQ(onDevice("get_remote_device_role", kPhone).u(1), 10u);
    ASSERT_TRUE(connectToServer("phone", kServerFtp).ok());
    EXPECT_EQ(onDevice("get_remote_device_role", kPhone).u(0), kSlave);
}

TEST_F(LinkStatus, ALinkThatSetConnectedHoldsDropsItsConnectionsWhenItGoes) {
    ASSERT_TRUE(control("SetConnected", g_variant_new("(sb)", "phone", TRUE)).ok());
    EXPECT_TRUE(isConnected(kPhone));
    EXPECT_EQ(onDevice("get_remote_device_role", kPhone).u(0), kSlave);  // the phone opened it
    uint32_t serial = connect(kPhone, 0x1101);
    ASSERT_NE(serial, 0u);
    ASSERT_TRUE(corvtest::waitFor([&] { return recordOf(serial).received > 0; }));
    ASSERT_EQ(disconnect(serial).u(0), 0u);
    EXPECT_TRUE(isConnected(kPhone));  // held without connections
    std::pair<uint32_t, uint32_t> carried = flowOf(kPhone);
    EXPECT_GT(carried.first, 0u);  // what the serial connection carried

    // The held link adds nothing of its own to what its connections carry.
    uint32_t dialUp = connect(kPhone, 0x1103);
    ASSERT_NE(dialUp, 0u);
    ASSERT_TRUE(corvtest::waitFor([&] { return recordOf(dialUp).received > 0; }));
    uint32_t before = recordOf(dialUp).received;
    uint32_t linked = flowOf(kPhone).first;
    uint32_t after = recordOf(dialUp).received;
    EXPECT_GE(linked, carried.first + before);
    EXPECT_LE(linked, carried.first + after);
    SignalRecorder events(kCallbacks, "connection_event_ind");
    ASSERT_TRUE(control("SetConnected", g_variant_new("(sb)", "phone", FALSE)).ok());
    ASSERT_TRUE(events.waitForCount(1));
    std::vector<bttest::ConnectionEvent> dropped = eventsOf(events);
    EXPECT_EQ(dropped[0].connection, dialUp);
    EXPECT_EQ(dropped[0].event, 2u);
    EXPECT_FALSE(isConnected(kPhone));
    EXPECT_EQ(callArea("btsdkconn", "get_connection_property", g_variant_new("(u)", dialUp)).u(1),
              4u);
    EXPECT_GT(flowOf(kPhone).first, carried.first);  // the link's totals stay
}

TEST_F(LinkStatus, TwoDevicesConnectedToAServerFromTheStartKeepItInUse) {
    EXPECT_EQ(serverStatus(kServerSpp), 3u);
    EXPECT_EQ(incomingConnections(), (std::vector<uint32_t>{kTabletLink, kWatchLink}));
    LinkRecord tablet = recordOf(kTabletLink), watch = recordOf(kWatchLink);
    EXPECT_EQ(tablet.flags, 1u);  // incoming
    EXPECT_EQ(tablet.device, kTablet);
    EXPECT_EQ(tablet.service, kServerSpp);
    EXPECT_EQ(tablet.serviceClass, 0x1101);
    EXPECT_EQ(watch.device, kWatch);
    EXPECT_EQ(watch.service, kServerSpp);
    EXPECT_TRUE(isConnected(kTablet) && isConnected(kWatch));
    // Serial connections carry their devices' steady flow (the default 4000 and 1000 a second).
    ASSERT_TRUE(corvtest::waitFor([] { return recordOf(kTabletLink).sent > 0; }));

    ASSERT_EQ(disconnect(kTabletLink).u(0), 0u);
    EXPECT_EQ(serverStatus(kServerSpp), 3u);
    ASSERT_TRUE(control("DropConnection", g_variant_new("(u)", kWatchLink)).ok());
    EXPECT_EQ(serverStatus(kServerSpp), 1u);
    EXPECT_TRUE(incomingConnections().empty());
    EXPECT_FALSE(isConnected(kTablet) || isConnected(kWatch));

    // A reset connects them again, from then on.
    auto resetAt = std::chrono::steady_clock::now();
    ASSERT_TRUE(control("Reset").ok());
    EXPECT_EQ(serverStatus(kServerSpp), 3u);
    EXPECT_EQ(incomingConnections(), (std::vector<uint32_t>{kTabletLink, kWatchLink}));
    // Read before the time since the reset, so the duration cannot have grown past it.
    const int64_t duration = recordOf(kTabletLink).durationMs;
    auto sinceReset = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - resetAt);
    EXPECT_LE(duration, sinceReset.count() + 1);
}

TEST_F(LinkStatus, TwoDevicesConnectToOneServerThroughTheControlInterface) {
    EXPECT_EQ(simctl({"connect-server", "phone", std::to_string(kServerFtp)}).exitCode, 0);
    ASSERT_TRUE(connectToServer("laptop", kServerFtp).ok());
    EXPECT_EQ(serverStatus(kServerFtp), 3u);
    std::vector<uint32_t> incoming = incomingConnections();
    ASSERT_EQ(incoming.size(), 4u);
    LinkRecord phone = recordOf(incoming[2]), laptop = recordOf(incoming[3]);
    EXPECT_EQ(phone.device, kPhone);
    EXPECT_EQ(laptop.device, kLaptop);
    EXPECT_EQ(phone.service, kServerFtp);
    EXPECT_EQ(laptop.service, kServerFtp);

    ASSERT_EQ(disconnect(incoming[2]).u(0), 0u);
    EXPECT_EQ(serverStatus(kServerFtp), 3u);
    ASSERT_EQ(disconnect(incoming[3]).u(0), 0u);
    EXPECT_EQ(serverStatus(kServerFtp), 1u);
    EXPECT_EQ(serverStatus(kServerSpp), 3u);  // the serial server's devices stay

    ASSERT_TRUE(control("SetInRange", g_variant_new("(sb)", "laptop", FALSE)).ok());
    Answer away = connectToServer("laptop", kServerFtp);
    EXPECT_FALSE(away.ok());
    EXPECT_NE(away.message().find("out of range"), std::string::npos) << away.message();
    EXPECT_EQ(serverStatus(kServerFtp), 1u);
}

TEST_F(LinkStatus, ScenarioConnectionsNeedARunningServerAndADeviceInRange) {
    struct Case {
        const char* text;
        const char* fault;
    };
    const Case cases[] = {
        {"[Server spp]\nClass=0x1101\nStatus=1\nConnected=ghost\n", "names no device"},
        {"[Device phone]\n[Server spp]\nClass=0x1101\nConnected=phone\n", "needs a running server"},
        {"[Device phone]\nInRange=false\n[Server spp]\nClass=0x1101\nStatus=3\nConnected=phone\n",
         "out of range"},
    };
    for (const Case& c : cases) {
        std::string path = local + "/bad.ini";
        std::ofstream(path) << c.text;
        Answer loaded = control("LoadScenario", g_variant_new("(s)", path.c_str()));
        EXPECT_FALSE(loaded.ok()) << c.text;
        EXPECT_NE(loaded.message().find(c.fault), std::string::npos) << loaded.message();
    }
    EXPECT_EQ(serverStatus(kServerSpp), 3u);  // the world is still status_fast.ini's
}

}  // namespace
