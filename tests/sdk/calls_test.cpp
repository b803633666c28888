// The synchronous and waited call patterns against the stand-in service: what is sent,
// what is copied back, and what the caller gets when the service fails, is gone, is
// killed during a call or answers too late.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>

#include <pthread.h>

#include "corvclient/btsdk.h"
#include "harness.h"
#include "sdk_test_util.h"

using corvtest::ReplyOverride;
using corvtest::StandInService;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kTestTimeoutMs = 1500;  // CORVCLIENT_CALL_TIMEOUT_MS of this process

class Calls : public corvtest::ServiceTest {
protected:
    ReplyOverride error(const char* message) {
        ReplyOverride o;
        o.error = "org.freedesktop.DBus.Error.Failed";
        o.message = message;
        return o;
    }
};

TEST_F(Calls, SyncCallSendsExactArgumentsAndReturnsServiceValues) {
    BTUINT32 cls = 0;
    ASSERT_EQ(Btsdk_GetLocalDeviceClass(&cls), BTSDK_OK);
    GVariant* adapter = service.adapter();
    guint32 expected = 0;
    ASSERT_TRUE(g_variant_lookup(adapter, "class", "u", &expected));
    g_variant_unref(adapter);
    EXPECT_EQ(cls, expected);

    std::string longest(255, 'n');
    service.clearCalls();
    ASSERT_EQ(Btsdk_SetLocalName(reinterpret_cast<const BTUINT8*>(longest.data()), 255), BTSDK_OK);
    EXPECT_EQ(Btsdk_SetLocalName(reinterpret_cast<const BTUINT8*>(longest.data()), 256),
              BTSDK_ER_FAIL);
    auto calls = service.calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].method, "set_local_name");
    EXPECT_EQ(calls[0].signature, "s");
    EXPECT_EQ(calls[0].s(0), longest);

    BTUINT8 name[BTSDK_LOCAL_NAME_BUF];
    std::memset(name, 0xAA, sizeof name);
    ASSERT_EQ(Btsdk_GetLocalName(name, nullptr), BTSDK_OK);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(name)), longest);

    service.clearCalls();
    const BTUINT8 command[4] = {0x01, 0x02, 0x03, 0x04};
    BTUINT8 reply[BTSDK_VENDOR_REPLY_LEN + 1];
    reply[BTSDK_VENDOR_REPLY_LEN] = 0x5A;
    ASSERT_EQ(Btsdk_SendVendorCommand(3, command, reply), BTSDK_OK);
    calls = service.calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].u(0), 3u);
    EXPECT_EQ(calls[0].ay(1), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(reply[BTSDK_VENDOR_REPLY_LEN], 0x5A);  // exactly 259 bytes copied
}

TEST_F(Calls, SixteenBitOutputKeepsLowBitsAndOnlyOnSuccess) {
    ReplyOverride wide;
    wide.reply = "(uint32 0x12345, uint32 0)";
    service.setReply("btsdklocal", "get_discovery_mode", wide);
    BTUINT16 mode = 0;
    EXPECT_EQ(Btsdk_GetDiscoveryMode(&mode), BTSDK_OK);
    EXPECT_EQ(mode, 0x2345);

    ReplyOverride refused;
    refused.reply = "(uint32 7, uint32 5)";
    service.setReply("btsdklocal", "get_discovery_mode", refused);
    mode = 0x1111;
    EXPECT_EQ(Btsdk_GetDiscoveryMode(&mode), 5u);
    EXPECT_EQ(mode, 0x1111);
}

TEST_F(Calls, ServiceResultCodesPassThrough) {
    ReplyOverride code;
    code.result = 1234;
    service.setReply("btsdklocal", "set_discovery_mode", code);
    EXPECT_EQ(Btsdk_SetDiscoveryMode(3), 1234u);
    service.setReply("btsdkinit", "is_bluetooth_ready", [] {
        ReplyOverride o;
        o.reply = "(uint32 0x101,)";
        return o;
    }());
    EXPECT_EQ(Btsdk_IsBluetoothReady(), 1);  // the low byte of the answer
}

TEST_F(Calls, DbusErrorGivesPresetAndTheOperationsMessage) {
    service.setReply("btsdklocal", "set_local_device_class", error("boom"));
    service.setReply("btsdklocal", "get_local_device_class", error("bang"));
    service.setReply("btsdkinit", "is_bluetooth_ready", error("no"));
    service.setReply("btsdkinit", "start_bluetooth", error("late"));
    EXPECT_EQ(corvtest::stderrOf([] { EXPECT_EQ(Btsdk_SetLocalDeviceClass(0x20C), BTSDK_ER_FAIL); }),
              "Btsdk_SetLocalDeviceClass Error: boom\n");
    BTUINT32 cls = 99;
    EXPECT_EQ(corvtest::stderrOf([&] { EXPECT_EQ(Btsdk_GetLocalDeviceClass(&cls), BTSDK_ER_FAIL); }),
              "Btsdk_GetLocalDeviceClass async error");
    EXPECT_EQ(cls, 99u);
    EXPECT_EQ(corvtest::stderrOf([] { EXPECT_EQ(Btsdk_IsBluetoothReady(), 0); }),
              "Btsdk_IsBluetoothReady async error");
    EXPECT_EQ(corvtest::stderrOf([] { EXPECT_EQ(Btsdk_StartBluetooth(), BTSDK_ER_FAIL); }),
              "StartBluetoothCbk Error: late\n");
}

TEST_F(Calls, ShortAndLongReplyArraysNeverOverrun) {
    ReplyOverride shortArray;
    shortArray.arrayLength = 3;
    service.setReply("btsdklocal", "get_local_device_address", shortArray);
    BTUINT8 address[BTSDK_BDADDR_LEN + 1];
    std::memset(address, 0xAA, sizeof address);
    EXPECT_EQ(Btsdk_GetLocalDeviceAddress(address), BTSDK_OK);
    EXPECT_EQ(address[3], 0);
    EXPECT_EQ(address[5], 0);
    EXPECT_EQ(address[6], 0xAA);

    ReplyOverride longArray;
    longArray.arrayLength = 4000;
    service.setReply("btsdklocal", "get_local_lmp_info", longArray);
    BTUINT8 info[BTSDK_LMP_INFO_LEN + 1];
    info[BTSDK_LMP_INFO_LEN] = 0x77;
    EXPECT_EQ(Btsdk_GetLocalLMPInfo(info), BTSDK_OK);
    EXPECT_EQ(info[BTSDK_LMP_INFO_LEN], 0x77);
}

TEST_F(Calls, InvalidInputIsRefusedBeforeAnythingIsSent) {
    service.clearCalls();
    EXPECT_EQ(Btsdk_WritePrivateProfileString("S", "k", "\xff\xfe", "/tmp/x.ini"), BTSDK_ER_FAIL);
    EXPECT_EQ(Btsdk_WritePrivateProfileString(nullptr, "k", "v", "/tmp/x.ini"),
              BTSDK_ER_INVALID_PARAMETER);
    EXPECT_EQ(Btsdk_GetLocalDeviceClass(nullptr), BTSDK_ER_INVALID_PARAMETER);
    EXPECT_TRUE(service.calls().empty());
}

TEST_F(Calls, ReplyAfterTheTimeoutGivesThePresetInTime) {
    ReplyOverride slow;
    slow.delayMs = 3 * kTestTimeoutMs;
    service.setReply("btsdklocal", "get_local_device_class", slow);
    BTUINT32 cls = 5;
    auto start = Clock::now();
    EXPECT_EQ(Btsdk_GetLocalDeviceClass(&cls), BTSDK_ER_FAIL);
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    EXPECT_GE(ms, kTestTimeoutMs - 100);
    EXPECT_LT(ms, kTestTimeoutMs + 1000);
    EXPECT_EQ(cls, 5u);

    service.clearReplies();
    EXPECT_EQ(Btsdk_GetLocalDeviceClass(&cls), BTSDK_OK);
}

TEST_F(Calls, ServiceKilledDuringACallAndStartedAgain) {
    ReplyOverride never;
    never.noReply = true;
    service.setReply("btsdklocal", "get_local_device_class", never);
    std::atomic<BTRESULT> result{0};
    std::atomic<bool> done{false};
    std::thread caller([&] {
        BTUINT32 cls = 0;
        result = Btsdk_GetLocalDeviceClass(&cls);
        done = true;
    });
    ASSERT_TRUE(corvtest::waitFor([&] { return !service.calls().empty(); }));
    auto start = Clock::now();
    service.kill();
    caller.join();
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(kTestTimeoutMs));
    EXPECT_EQ(result.load(), BTSDK_ER_FAIL);

    // Absent: every operation fails at once with its preset and message.
    std::string errors = corvtest::stderrOf([] {
        EXPECT_EQ(Btsdk_SetLocalDeviceClass(1), BTSDK_ER_FAIL);
        EXPECT_EQ(Btsdk_IsBluetoothReady(), 0);
        EXPECT_EQ(Btsdk_StartBluetooth(), BTSDK_ER_FAIL);
    });
    EXPECT_EQ(errors.rfind("Btsdk_SetLocalDeviceClass Error: ", 0), 0u) << errors;
    EXPECT_NE(errors.find("StartBluetoothCbk Error: "), std::string::npos) << errors;

    // The proxies follow the service when it comes back.
    service.start();
    BTUINT32 cls = 0;
    EXPECT_EQ(Btsdk_GetLocalDeviceClass(&cls), BTSDK_OK);
    EXPECT_EQ(Btsdk_StartBluetooth(), BTSDK_OK);
}

TEST_F(Calls, WaitedCallReleasesTheCallMutexWhileItWaits) {
    ReplyOverride slow;
    slow.delayMs = 1000;
    service.setReply("btsdkinit", "start_bluetooth", slow);
    std::atomic<bool> started{false};
    std::atomic<BTRESULT> result{BTSDK_ER_FAIL};
    std::thread waiter([&] {
        result = Btsdk_StartBluetooth();
        started = true;
    });
    ASSERT_TRUE(corvtest::waitFor([&] {
        for (const auto& call : service.calls())
            if (call.method == "start_bluetooth") return true;
        return false;
    }));
    BTUINT32 cls = 0;
    EXPECT_EQ(Btsdk_GetLocalDeviceClass(&cls), BTSDK_OK);
    EXPECT_FALSE(started.load());  // the synchronous call finished first
    waiter.join();
    EXPECT_EQ(result.load(), BTSDK_OK);
    EXPECT_EQ(Btsdk_IsBluetoothReady(), 1);
}

struct TraceRecord {
    BTUINT8 kind;
    BTINT32 value;
    std::vector<uint8_t> data;
    std::string thread;
};
std::mutex s_traceLock;
std::vector<TraceRecord> s_traces;

void onTrace(BTUINT32 zero, BTUINT8 kind, BTINT32 value, BTUINT8* data) {
    char name[32] = {};
    pthread_getname_np(pthread_self(), name, sizeof name);
    std::lock_guard<std::mutex> lock(s_traceLock);
    if (zero == 0 && kind == 0x7E) s_traces.push_back({kind, value, {data, data + 3}, name});
}

size_t traceCount() {
    std::lock_guard<std::mutex> lock(s_traceLock);
    return s_traces.size();
}

TEST_F(Calls, TraceSignalsReachTheCallbackOnTheDriveThread) {
    ASSERT_EQ(Btsdk_RegisterTraceCallback(onTrace), BTSDK_OK);
    service.emitSignal("btsdkinit", "log_tester_data", "(byte 0x7e, 42, [byte 1, 2, 3])");
    ASSERT_TRUE(corvtest::waitFor([] { return traceCount() == 1; }));
    {
        std::lock_guard<std::mutex> lock(s_traceLock);
        EXPECT_EQ(s_traces[0].value, 42);
        EXPECT_EQ(s_traces[0].data, (std::vector<uint8_t>{1, 2, 3}));
        EXPECT_EQ(s_traces[0].thread, "corv-drive");
    }
    // A second registration keeps one subscription: one call per signal.
    ASSERT_EQ(Btsdk_RegisterTraceCallback(onTrace), BTSDK_OK);
    service.emitSignal("btsdkinit", "log_tester_data", "(byte 0x7e, 43, [byte 4, 5, 6])");
    ASSERT_TRUE(corvtest::waitFor([] { return traceCount() >= 2; }));
    EXPECT_FALSE(corvtest::waitFor([] { return traceCount() > 2; }, 300));

    // Unregistered: the subscription stays but signals are ignored.
    ASSERT_EQ(Btsdk_UnRegisterTraceCallback(), BTSDK_OK);
    service.emitSignal("btsdkinit", "log_tester_data", "(byte 0x7e, 44, [byte 7, 8, 9])");
    EXPECT_FALSE(corvtest::waitFor([] { return traceCount() > 2; }, 300));
}

}  // namespace

int main(int argc, char** argv) {
    setenv("CORVCLIENT_CALL_TIMEOUT_MS", std::to_string(kTestTimeoutMs).c_str(), 1);
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new corvtest::ServiceEnvironment);
    testing::AddGlobalTestEnvironment(new corvtest::ClientEnvironment);
    return RUN_ALL_TESTS();
}
