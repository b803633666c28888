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

}  // namespace
