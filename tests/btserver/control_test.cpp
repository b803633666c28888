// The control interface: the call log byte for byte, every kind of reply override,
// signal emission, reset, scenario loading and Quit.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "harness.h"
#include "service_client.h"

using bttest::Answer;
using bttest::callArea;
using corvtest::ReplyOverride;
using Clock = std::chrono::steady_clock;

namespace {

class Control : public testing::Test {
protected:
    corvtest::StandInService& service = corvtest::StandInService::instance();
    void SetUp() override { service.reset(); }

    static long msSince(Clock::time_point start) {
        return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    }
    static ReplyOverride withResult(int64_t result, uint32_t times = 0) {
        ReplyOverride o;
        o.result = result;
        o.times = times;
        return o;
    }
};

TEST_F(Control, CallsAreRecordedInOrderByteForByte) {
    std::vector<uint8_t> command = {0x00, 0xFF, 0x7F, 0x80, 0x00};
    callArea("btsdklocal", "vendor_command", g_variant_new("(u@ay)", 5, bttest::bytes(command)));
    callArea("btsdklocal", "get_local_name");
    callArea("btsdkinit", "write_private_profile_string",
             g_variant_new("(ssss)", "S", "k", "v", "f.ini"));
    callArea("Device", "suspend");
    std::vector<corvtest::RecordedCall> calls = service.calls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].interface, "com.zel.corvane.btservice.btsdklocal");
    EXPECT_EQ(calls[0].method, "vendor_command");
    EXPECT_EQ(calls[0].signature, "uay");
    EXPECT_EQ(calls[0].u(0), 5u);
    EXPECT_EQ(calls[0].ay(1), command);
    EXPECT_EQ(calls[1].signature, "");
    EXPECT_EQ(g_variant_n_children(calls[1].args), 0u);
    EXPECT_EQ(calls[2].s(3), "f.ini");
    EXPECT_EQ(calls[3].interface, "com.zel.corvane.Device");
    service.clearCalls();
    EXPECT_TRUE(service.calls().empty());
}

TEST_F(Control, ResultOverrideReplacesTheResultOrTheLastOutput) {
    service.setReply("btsdklocal", "set_discovery_mode", withResult(1234));
    EXPECT_EQ(callArea("btsdklocal", "set_discovery_mode", g_variant_new("(u)", 1)).u(0), 1234u);
    EXPECT_EQ(callArea("btsdklocal", "get_discovery_mode").u(0), 1u);  // the behaviour still ran
    service.setReply("btsdklocal", "vendor_command", withResult(9));   // "result" comes first there
    Answer vendor =
        callArea("btsdklocal", "vendor_command", g_variant_new("(u@ay)", 1, bttest::bytes({1})));
    EXPECT_EQ(vendor.u(0), 9u);
    EXPECT_EQ(vendor.ay(1).size(), 259u);
    service.setReply("btsdkinit", "is_bluetooth_ready", withResult(0x101));  // output "ready"
    EXPECT_EQ(callArea("btsdkinit", "is_bluetooth_ready").u(0), 0x101u);
    service.setReply("btsdklocal", "bt_dev_unplug", withResult(0xFFFFFFFF));  // a signed result
    EXPECT_EQ(callArea("btsdklocal", "bt_dev_unplug").i32(0), -1);
}

TEST_F(Control, ReplyAndErrorOverridesSkipTheBehaviour) {
    ReplyOverride reply;
    reply.reply = "(uint32 7,)";
    service.setReply("btsdklocal", "set_local_name", reply);
    EXPECT_EQ(callArea("btsdklocal", "set_local_name", g_variant_new("(s)", "changed")).u(0), 7u);
    ReplyOverride whole;
    whole.reply = "('Other', uint32 3)";
    service.setReply("btsdklocal", "get_local_name", whole);
    Answer name = callArea("btsdklocal", "get_local_name");
    EXPECT_EQ(name.s(0), "Other");
    EXPECT_EQ(name.u(1), 3u);

    ReplyOverride error;
    error.error = "org.freedesktop.DBus.Error.Failed";
    error.message = "boom";
    service.setReply("btsdklocal", "set_local_device_class", error);
    Answer failed = callArea("btsdklocal", "set_local_device_class", g_variant_new("(u)", 0x100));
    EXPECT_EQ(failed.errorName(), "org.freedesktop.DBus.Error.Failed");
    EXPECT_EQ(failed.message(), "boom");

    service.clearReplies();
    EXPECT_EQ(callArea("btsdklocal", "get_local_name").s(0),
              "Corvane PC");  // unchanged by set_local_name
    EXPECT_EQ(callArea("btsdklocal", "get_local_device_class").u(0), 0x3E010Cu);
}

TEST_F(Control, DelayedReplyComesLateWithTheBehavioursEffect) {
    ReplyOverride slow;
    slow.delayMs = 300;
    service.setReply("btsdklocal", "set_local_device_class", slow);
    auto start = Clock::now();
    EXPECT_EQ(callArea("btsdklocal", "set_local_device_class", g_variant_new("(u)", 0x20C)).u(0),
              0u);
    EXPECT_GE(msSince(start), 290);
    EXPECT_EQ(callArea("btsdklocal", "get_local_device_class").u(0), 0x20Cu);
}

TEST_F(Control, ArrayLengthResizesEveryByteArrayOutput) {
    ReplyOverride cut;
    cut.arrayLength = 3;
    service.setReply("btsdklocal", "get_local_device_address", cut);
    Answer address = callArea("btsdklocal", "get_local_device_address");
    EXPECT_EQ(address.ay(0), (std::vector<uint8_t>{0x52, 0x3A, 0x0F}));
    EXPECT_EQ(address.u(1), 0u);

    ReplyOverride grown;
    grown.arrayLength = 4000;
    grown.reply = "([byte 1, 2], uint32 0)";
    service.setReply("btsdklocal", "get_local_lmp_info", grown);
    std::vector<uint8_t> info = callArea("btsdklocal", "get_local_lmp_info").ay(0);
    ASSERT_EQ(info.size(), 4000u);
    EXPECT_EQ(info[1], 2);
    EXPECT_EQ(info[2], 0);
    EXPECT_EQ(info[3999], 0);
}

TEST_F(Control, NoReplyOverrideNeverAnswers) {
    ReplyOverride never;
    never.noReply = true;
    service.setReply("btsdklocal", "get_local_name", never);
    Answer silent = callArea("btsdklocal", "get_local_name", nullptr, 300);
    EXPECT_FALSE(silent.ok());
    EXPECT_EQ(silent.errorName(), "");  // the client's own time-out, not a reply
    EXPECT_EQ(service.calls().size(), 1u);
    EXPECT_TRUE(callArea("btsdklocal", "get_local_device_class").ok());
}

TEST_F(Control, TimesLimitsAnOverrideToTheNextCalls) {
    service.setReply("btsdklocal", "set_default_mode", withResult(5, 2));
    EXPECT_EQ(callArea("btsdklocal", "set_default_mode").u(0), 5u);
    EXPECT_EQ(callArea("btsdklocal", "set_default_mode").u(0), 5u);
    EXPECT_EQ(callArea("btsdklocal", "set_default_mode").u(0), 0u);
}

TEST_F(Control, EmittedSignalsReachASubscriberOnTheInterfacesPath) {
    bttest::SignalRecorder request("com.zel.corvane.btservicecbk.btsdkcbk",
                                   "connection_request_ind",
                                   "/com/zel/corvane/btservicecbk/btsdkcbk");
    service.emitSignal("btsdkcbk", "connection_request_ind", "(uint32 5, uint32 0x1106, byte 2)");
    ASSERT_TRUE(request.waitForCount(1));
    std::vector<GVariant*> signals = request.take();
    guint32 device = 0, serviceClass = 0;
    guint8 role = 0;
    g_variant_get(signals[0], "(uuy)", &device, &serviceClass, &role);
    g_variant_unref(signals[0]);
    EXPECT_EQ(device, 5u);
    EXPECT_EQ(serviceClass, 0x1106u);
    EXPECT_EQ(role, 2);
}

TEST_F(Control, ResetRestoresTheScenarioAndForgetsEverything) {
    callArea("btsdklocal", "set_local_name", g_variant_new("(s)", "Renamed"));
    callArea("btsdklocal", "set_discovery_mode", g_variant_new("(u)", 0));
    callArea("btsdkinit", "set_log_tester_data_switch", g_variant_new("(i)", 1));
    callArea("btsdklocal", "bt_dev_unplug");
    service.setReply("btsdklocal", "get_local_device_class", withResult(99));
    service.reset();

    GVariant* adapter = service.adapter();
    const char* name = nullptr;
    gboolean powered = FALSE, trace = TRUE;
    guint32 mode = 0;
    g_variant_lookup(adapter, "name", "&s", &name);
    g_variant_lookup(adapter, "powered", "b", &powered);
    g_variant_lookup(adapter, "trace", "b", &trace);
    g_variant_lookup(adapter, "discovery_mode", "u", &mode);
    EXPECT_STREQ(name, "Corvane PC");
    EXPECT_TRUE(powered);
    EXPECT_FALSE(trace);
    EXPECT_EQ(mode, 3u);
    g_variant_unref(adapter);
    EXPECT_TRUE(service.calls().empty());
    EXPECT_EQ(callArea("btsdklocal", "get_local_device_class").u(1), 0u);  // override gone
}

TEST_F(Control, ResetCancelsPendingDelayedReplies) {
    ReplyOverride slow;
    slow.delayMs = 200;
    service.setReply("btsdkinit", "is_sdk_initialized", slow);
    auto start = Clock::now();
    std::thread caller([] {
        Answer late = callArea("btsdkinit", "is_sdk_initialized", nullptr, 1500);
        EXPECT_FALSE(late.ok());  // dropped: only the caller's time-out ends the wait
    });
    ASSERT_TRUE(corvtest::waitFor([&] { return !service.calls().empty(); }));
    service.reset();
    caller.join();
    EXPECT_GE(msSince(start), 1400);
}

TEST_F(Control, LoadScenarioReplacesTheWorldUntilTheNextLoad) {
    std::string path = service.stateDir() + "/loaded.ini";
    std::ofstream(path) << "[Adapter]\nName=Loaded PC\nAddress=01:02:03:04:05:06\nClass=0x20C\n"
                           "DiscoveryMode=1\nPowered=false\n";
    service.loadScenario(path);
    EXPECT_EQ(callArea("btsdklocal", "get_local_name").s(0), "Loaded PC");
    EXPECT_EQ(callArea("btsdklocal", "get_local_device_address").ay(0),
              (std::vector<uint8_t>{6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(callArea("btsdkinit", "is_bluetooth_ready").u(0), 0u);
    callArea("btsdklocal", "set_local_name", g_variant_new("(s)", "Changed"));
    service.reset();
    EXPECT_EQ(callArea("btsdklocal", "get_local_name").s(0), "Loaded PC");

    std::ofstream(path) << "[Adapter]\nName=Broken\nColour=blue\n";
    Answer broken = bttest::control("LoadScenario", g_variant_new("(s)", path.c_str()));
    EXPECT_NE(broken.message().find("Colour"), std::string::npos) << broken.message();
    EXPECT_EQ(callArea("btsdklocal", "get_local_name").s(0), "Loaded PC");  // kept
    service.start();  // back to the default scenario
}

TEST_F(Control, EveryShippedScenarioLoads) {
    int loaded = 0;
    for (const auto& entry : std::filesystem::directory_iterator(CORVANE_SCENARIOS_DIR)) {
        if (entry.path().extension() != ".ini") continue;  // the devices' file trees
        Answer answer = bttest::control("LoadScenario", g_variant_new("(s)", entry.path().c_str()));
        EXPECT_TRUE(answer.ok()) << entry.path() << ": " << answer.message();
        ++loaded;
    }
    EXPECT_GE(loaded, 2);
    service.start();  // back to the default scenario
}

TEST_F(Control, QuitEndsTheServiceCleanly) {
    ASSERT_TRUE(bttest::control("Quit").ok());
    ASSERT_TRUE(corvtest::waitFor([&] { return !service.running(); }));
    EXPECT_TRUE(WIFEXITED(service.exitStatus()));
    EXPECT_EQ(WEXITSTATUS(service.exitStatus()), 0);
    EXPECT_TRUE(corvtest::waitFor([&] { return !service.nameOwned(); }));
    service.start();
    EXPECT_TRUE(callArea("btsdklocal", "get_local_name").ok());
}

}  // namespace
