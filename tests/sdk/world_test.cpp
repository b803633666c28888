// The connection and shortcut areas against the stand-in service's default world: a
// connection made on a worker thread while another thread keeps using the library,
// shortcuts through their whole life and across a restart of the service, and the
// adapter-removal clean-up.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>

#include "corvclient/btsdk.h"
#include "harness.h"
#include "sdk_test_util.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr BTDEVHDL kPhone = 1, kLaptop = 2, kHeadset = 3;  // the default world's devices
constexpr BTSVCHDL kPhoneFtp = 4;

std::vector<BTCONNHDL> enumerateConnections() {
    std::vector<BTCONNHDL> found;
    BTSDKHANDLE enumeration = Btsdk_StartEnumConnection();
    if (!enumeration) return found;
    BtsdkConnectionProperty property{};
    while (BTCONNHDL connection = Btsdk_EnumConnection(enumeration, &property))
        found.push_back(connection);
    Btsdk_EndEnumConnection(enumeration);
    return found;
}

class World : public corvtest::ServiceTest {};

// A connection takes the default world's 1.5 s to come up; meanwhile the call mutex is
// free and the other thread's enumerations go on.
TEST_F(World, ConnectOnAWorkerLeavesTheLibraryFreeForOthers) {
    std::atomic<bool> done{false};
    BTRESULT result = 0xFFFF;
    BTCONNHDL connection = 0;
    std::thread worker([&] {
        result = Btsdk_Connect(kPhone, 0x1106, &connection);
        done = true;
    });
    int rounds = 0;
    auto slowest = Clock::duration::zero();
    while (!done) {
        auto start = Clock::now();
        EXPECT_LE(enumerateConnections().size(), 1u);
        slowest = std::max(slowest, Clock::now() - start);
        ++rounds;
    }
    worker.join();
    ASSERT_EQ(result, BTSDK_OK);
    EXPECT_GE(rounds, 5);
    EXPECT_LT(slowest, std::chrono::milliseconds(500));
    EXPECT_EQ(enumerateConnections(), std::vector<BTCONNHDL>{connection});
    EXPECT_EQ(Btsdk_Disconnect(connection), BTSDK_OK);
}

// The shortcut of the phone's file-transfer service with a 20-byte block.
BTSHCHDL makePhoneShortcut(BTUINT8* block) {
    BtsdkShortcutProperty p{};
    p.device = kPhone;
    p.service = kPhoneFtp;
    p.flag1 = p.flag2 = 1;
    p.service_class = 0x1106;
    p.mask = 13 | BTSDK_SHC_MASK_ATTRIBUTES;
    std::strcpy(p.name, "Phone files");
    std::strcpy(p.short_text, "PF");
    p.attr_len = 20;
    p.attributes = block;
    EXPECT_EQ(Btsdk_CreateShortCutEx(&p), BTSDK_OK);
    EXPECT_EQ(p.shortcut, 0u);  // the new handle is not in the record
    BTSHCHDL handle = 0;
    EXPECT_EQ(Btsdk_GetShortCutByServiceHandle(kPhone, kPhoneFtp, &handle, 1), 1u);
    return handle;
}

TEST_F(World, AShortcutLivesThroughConnectReadDisconnectAndDelete) {
    BTUINT8 block[20];
    for (int i = 0; i < 20; ++i) block[i] = static_cast<BTUINT8>(0xA0 + i);
    BTSHCHDL shortcut = makePhoneShortcut(block);
    ASSERT_NE(shortcut, 0u);
    EXPECT_EQ(Btsdk_GetShortCutByName("Phone files"), shortcut);
    EXPECT_EQ(Btsdk_GetAllShortCuts(nullptr, 0), 1u);

    BTCONNHDL connection = 0;
    std::vector<BTUINT8> param(772, 0);
    ASSERT_EQ(Btsdk_ConnectShortCutEx(shortcut, param.data(), &connection), BTSDK_OK);
    ASSERT_NE(connection, 0u);
    BTSHCHDL byConnection[4] = {};
    EXPECT_EQ(Btsdk_GetShortCutByConnectionHandle(connection, byConnection, 4), BTSDK_OK);
    EXPECT_EQ(byConnection[0], shortcut);

    BTUINT8 back[20] = {};
    BtsdkShortcutProperty p{};
    p.shortcut = shortcut;
    p.mask = BTSDK_SHC_MASK_ATTRIBUTES;
    p.attr_len = sizeof back;
    p.attributes = back;
    ASSERT_EQ(Btsdk_GetShortCutProperty(&p), BTSDK_OK);
    EXPECT_EQ(p.connection, connection);
    EXPECT_EQ(p.device, kPhone);
    EXPECT_STREQ(p.name, "Phone files");
    EXPECT_STREQ(p.short_text, "PF");
    EXPECT_STREQ(p.service_name, "OBEX File Transfer");
    EXPECT_EQ(p.device_class, 0x5A020Cu);
    EXPECT_EQ(std::memcmp(back, block, sizeof back), 0);

    ASSERT_EQ(Btsdk_DisconnectShortCut(shortcut), BTSDK_OK);
    EXPECT_TRUE(enumerateConnections().empty());
    ASSERT_EQ(Btsdk_DeleteShortCut(shortcut), BTSDK_OK);
    EXPECT_EQ(Btsdk_GetAllShortCuts(nullptr, 0), 0u);
    EXPECT_NE(Btsdk_GetShortCutProperty(&p), BTSDK_OK);
}

TEST_F(World, AShortcutSurvivesARestartOfTheService) {
    BTUINT8 block[20] = {1, 2, 3};
    BTSHCHDL shortcut = makePhoneShortcut(block);
    ASSERT_NE(shortcut, 0u);
    service.stop();
    service.start();
    EXPECT_EQ(Btsdk_GetShortCutByName("Phone files"), shortcut);
    BTUINT8 back[20] = {};
    BtsdkShortcutProperty p{};
    p.shortcut = shortcut;
    p.mask = BTSDK_SHC_MASK_ATTRIBUTES;
    p.attr_len = sizeof back;
    p.attributes = back;
    ASSERT_EQ(Btsdk_GetShortCutProperty(&p), BTSDK_OK);
    EXPECT_EQ(back[2], 3);
    EXPECT_EQ(p.connection, 0u);
}

// Adapter removal: every known device loses its shortcuts, the unpaired ones are
// forgotten, and the service is told only while Bluetooth is ready.
TEST_F(World, HardwareControlCleansUpTheWorld) {
    BTUINT8 block[20] = {};
    makePhoneShortcut(block);
    BtsdkShortcutProperty laptop{};
    laptop.device = kLaptop;
    laptop.service = 8;  // its file-transfer service
    laptop.mask = 13;
    ASSERT_EQ(Btsdk_CreateShortCutEx(&laptop), BTSDK_OK);
    ASSERT_EQ(Btsdk_GetAllShortCuts(nullptr, 0), 2u);

    service.clearCalls();
    EXPECT_EQ(Btsdk_HardwareControl(1), BTSDK_OK);
    EXPECT_TRUE(service.calls().empty());

    EXPECT_EQ(Btsdk_HardwareControl(0), BTSDK_OK);
    EXPECT_EQ(Btsdk_GetAllShortCuts(nullptr, 0), 0u);
    BTDEVHDL known[8] = {};
    BTUINT32 count = Btsdk_GetStoredDevicesByClass(0, known, 8);
    std::vector<BTDEVHDL> left(known, known + count);
    EXPECT_EQ(left, (std::vector<BTDEVHDL>{kPhone, kHeadset}));  // the laptop was not paired
    auto unplugs = [&] {
        int n = 0;
        for (const auto& call : service.calls()) n += call.method == "bt_dev_unplug";
        return n;
    };
    EXPECT_EQ(unplugs(), 1);

    ASSERT_EQ(Btsdk_StopBluetooth(), BTSDK_OK);
    service.clearCalls();
    EXPECT_EQ(Btsdk_HardwareControl(0), BTSDK_OK);
    EXPECT_EQ(unplugs(), 0);
}

}  // namespace
