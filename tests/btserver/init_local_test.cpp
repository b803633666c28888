// The initialisation and local-device areas against the default scenario: Bluetooth start
// and stop with their status signal, the adapter's properties, trace records, vendor and
// HCI commands.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <string>
#include <vector>

#include "harness.h"
#include "service_client.h"

using bttest::Answer;
using bttest::callArea;
using Clock = std::chrono::steady_clock;

namespace {

class InitLocal : public testing::Test {
protected:
    corvtest::StandInService& service = corvtest::StandInService::instance();
    void SetUp() override { service.reset(); }

    bool ready() { return callArea("btsdkinit", "is_bluetooth_ready").u(0) == 1; }

    // Milliseconds that a call of a method without arguments takes; it must answer result 0.
    long timed(const char* area, const char* method) {
        auto start = Clock::now();
        Answer answer = callArea(area, method);
        EXPECT_TRUE(answer.ok()) << method << ": " << answer.message();
        if (answer.ok()) {
            EXPECT_EQ(answer.u(0), 0u) << method;
        }
        return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    }

    static std::vector<uint32_t> statuses(std::vector<GVariant*> signals) {
        std::vector<uint32_t> values;
        for (GVariant* args : signals) {
            guint32 status = 0;
            g_variant_get(args, "(u)", &status);
            values.push_back(status);
            g_variant_unref(args);
        }
        return values;
    }
};

TEST_F(InitLocal, StartAndStopTakeTheScenariosWhileAndAnnounceTheStatus) {
    bttest::SignalRecorder status("com.zel.corvane.btservice.btsdkinit", "bt_status",
                                  "/com/zel/corvane/btservice/btsdkinit");
    EXPECT_EQ(callArea("btsdkinit", "is_sdk_initialized").u(0), 1u);
    ASSERT_TRUE(ready());  // the default scenario starts powered

    EXPECT_GE(timed("btsdkinit", "stop_bluetooth"), 190);  // StopBluetooth=200
    EXPECT_FALSE(ready());
    ASSERT_TRUE(status.waitForCount(1));
    EXPECT_LT(timed("btsdkinit", "stop_bluetooth"), 150);   // already off: at once
    EXPECT_GE(timed("btsdkinit", "start_bluetooth"), 290);  // StartBluetooth=300
    EXPECT_TRUE(ready());
    ASSERT_TRUE(status.waitForCount(2));
    EXPECT_EQ(statuses(status.take()), (std::vector<uint32_t>{0, 1}));
}

TEST_F(InitLocal, TimingComesFromTheScenario) {
    std::string path = service.stateDir() + "/fast.ini";
    std::ofstream(path) << "[Adapter]\nName=Fast\n[Timing]\nStartBluetooth=20\nStopBluetooth=0\n";
    service.loadScenario(path);
    EXPECT_FALSE(ready());  // Powered defaults to false
    long ms = timed("btsdkinit", "start_bluetooth");
    EXPECT_GE(ms, 19);
    EXPECT_LT(ms, 250);
    EXPECT_TRUE(ready());
    EXPECT_LT(timed("btsdkinit", "stop_bluetooth"), 150);
    EXPECT_FALSE(ready());
    service.start();  // back to the default scenario for the tests after this one
}

TEST_F(InitLocal, UnplugTurnsTheAdapterOffWithItsOwnStatus) {
    bttest::SignalRecorder status("com.zel.corvane.btservice.btsdkinit", "bt_status");
    Answer unplug = callArea("btsdklocal", "bt_dev_unplug");
    ASSERT_TRUE(unplug.ok());
    EXPECT_EQ(unplug.i32(0), 0);
    EXPECT_FALSE(ready());
    ASSERT_TRUE(status.waitForCount(1));
    EXPECT_EQ(statuses(status.take()), (std::vector<uint32_t>{2}));
}

TEST_F(InitLocal, AdapterPropertiesRoundTrip) {
    std::string longest(255, 'x');
    EXPECT_EQ(callArea("btsdklocal", "set_local_name", g_variant_new("(s)", longest.c_str())).u(0),
              0u);
    EXPECT_NE(
        callArea("btsdklocal", "set_local_name", g_variant_new("(s)", (longest + "y").c_str()))
            .u(0),
        0u);
    Answer name = callArea("btsdklocal", "get_local_name");
    EXPECT_EQ(name.s(0), longest);
    EXPECT_EQ(name.u(1), 0u);

    EXPECT_EQ(callArea("btsdklocal", "set_local_device_class", g_variant_new("(u)", 0x5A020C)).u(0),
              0u);
    EXPECT_EQ(callArea("btsdklocal", "get_local_device_class").u(0), 0x5A020Cu);

    EXPECT_EQ(callArea("btsdklocal", "set_discovery_mode", g_variant_new("(u)", 0x12345)).u(0), 0u);
    EXPECT_EQ(callArea("btsdklocal", "get_discovery_mode").u(0), 0x2345u);  // 16 bits kept
    EXPECT_EQ(callArea("btsdklocal", "set_default_mode").u(0), 0u);
    EXPECT_EQ(callArea("btsdklocal", "get_discovery_mode").u(0), 3u);  // the scenario's

    // 00:1B:DC:0F:3A:52 travels least significant byte first.
    EXPECT_EQ(callArea("btsdklocal", "get_local_device_address").ay(0),
              (std::vector<uint8_t>{0x52, 0x3A, 0x0F, 0xDC, 0x1B, 0x00}));
    std::vector<uint8_t> lmp = callArea("btsdklocal", "get_local_lmp_info").ay(0);
    ASSERT_EQ(lmp.size(), 18u);
    EXPECT_EQ(lmp[0], 0x06);
    EXPECT_EQ(lmp[15], 0x87);

    GVariant* adapter = service.adapter();
    const char* adapterName = nullptr;
    guint32 cls = 0, mode = 0;
    EXPECT_TRUE(g_variant_lookup(adapter, "name", "&s", &adapterName));
    EXPECT_EQ(std::string(adapterName ? adapterName : ""), longest);
    EXPECT_TRUE(g_variant_lookup(adapter, "class", "u", &cls));
    EXPECT_TRUE(g_variant_lookup(adapter, "discovery_mode", "u", &mode));
    EXPECT_EQ(cls, 0x5A020Cu);
    EXPECT_EQ(mode, 3u);
    g_variant_unref(adapter);
}

TEST_F(InitLocal, TraceRecordsFollowTheSwitch) {
    bttest::SignalRecorder trace("com.zel.corvane.btservice.btsdkinit", "log_tester_data");
    ASSERT_EQ(callArea("btsdkinit", "set_log_tester_data_switch", g_variant_new("(i)", 1)).i32(0),
              0);
    callArea("btsdklocal", "get_local_name");
    callArea("btsdklocal", "get_local_device_class");
    ASSERT_EQ(callArea("btsdkinit", "set_log_tester_data_switch", g_variant_new("(i)", 0)).i32(0),
              0);
    callArea("btsdklocal", "get_local_name");
    // Signals keep their order: once this marker arrives, no trace record is on its way.
    service.emitSignal("btsdkinit", "log_tester_data", "(byte 0x7e, 0, [byte 0])");
    ASSERT_TRUE(trace.waitForCount(4));

    std::vector<std::string> methods;
    std::vector<int32_t> numbers;
    for (GVariant* args : trace.take()) {
        guint8 kind = 0;
        gint32 value = 0;
        GVariant* data = nullptr;
        g_variant_get(args, "(yi@ay)", &kind, &value, &data);
        gsize size = 0;
        auto* text = static_cast<const char*>(g_variant_get_fixed_array(data, &size, 1));
        if (kind == 1) {
            methods.emplace_back(text, size);
            numbers.push_back(value);
        }
        g_variant_unref(data);
        g_variant_unref(args);
    }
    EXPECT_EQ(methods, (std::vector<std::string>{"get_local_name", "get_local_device_class",
                                                 "set_log_tester_data_switch"}));
    EXPECT_EQ(numbers, (std::vector<int32_t>{1, 2, 3}));
}

TEST_F(InitLocal, VendorCommandEchoesIntoA259ByteReply) {
    Answer vendor =
        callArea("btsdklocal", "vendor_command",
                 g_variant_new("(u@ay)", 5, bttest::bytes({0x01, 0xFC, 0xAA, 0xBB, 0xCC})));
    EXPECT_EQ(vendor.u(0), 0u);
    std::vector<uint8_t> reply = vendor.ay(1);
    ASSERT_EQ(reply.size(), 259u);
    EXPECT_EQ(std::vector<uint8_t>(reply.begin(), reply.begin() + 8),
              (std::vector<uint8_t>{0x01, 0xFC, 0x00, 3, 0xAA, 0xBB, 0xCC, 0x00}));

    Answer wrong =
        callArea("btsdklocal", "vendor_command", g_variant_new("(u@ay)", 4, bttest::bytes({1, 2})));
    EXPECT_NE(wrong.u(0), 0u);
    EXPECT_EQ(wrong.ay(1).size(), 259u);
}

TEST_F(InitLocal, HciCommandAnswersTheRequestedLength) {
    Answer hci = callArea("btsdklocal", "excute_hci_command",
                          g_variant_new("(uuu@ay)", 0x0C03, 1, 7, bttest::bytes({9, 0, 0})));
    EXPECT_EQ(hci.u(0), 0u);
    EXPECT_EQ(hci.ay(1), (std::vector<uint8_t>{0x03, 0x0C, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(callArea("btsdklocal", "excute_hci_command",
                         g_variant_new("(uuu@ay)", 0x0C03, 0, 0, bttest::bytes({0, 0})))
                    .ay(1)
                    .empty());
    // The parameters hold the parameter length plus two bytes.
    Answer wrong = callArea("btsdklocal", "excute_hci_command",
                            g_variant_new("(uuu@ay)", 0x0C03, 4, 7, bttest::bytes({1, 2})));
    EXPECT_NE(wrong.u(0), 0u);
}

}  // namespace
