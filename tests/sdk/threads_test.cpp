// Request threads 1 and 2 and the callback thread: each publishes a private connection
// of its own, proxies made afterwards use it, and each thread leaves when asked.
#include <gtest/gtest.h>

#include <atomic>

#include "corvclient/btsdk.h"
#include "harness.h"
#include "sdk_test_util.h"

namespace {

TEST(PrivateConnections, RequestsAndCallbacksMoveToTheirOwnThreads) {
    DBusGConnection* shared = g_dbus_connection;
    ASSERT_NE(shared, nullptr);
    int before = corvtest::busConnectionsOfThisProcess();

    ASSERT_EQ(InitBtsdkInitCbkDbus(), 1);
    ASSERT_TRUE(corvtest::waitFor(
        [&] { return g_dbus_connection != shared && g_dbus_connection2 != shared; }));
    EXPECT_EQ(corvtest::threadsNamed("corv-request1"), 1);
    EXPECT_EQ(corvtest::threadsNamed("corv-request2"), 1);
    EXPECT_EQ(corvtest::busConnectionsOfThisProcess(), before + 2);

    // First uses: the proxies are made on request connection 1, whose thread dispatches
    // the waited call's reply.
    BTUINT32 cls = 0;
    EXPECT_EQ(Btsdk_GetLocalDeviceClass(&cls), BTSDK_OK);
    EXPECT_EQ(Btsdk_StartBluetooth(), BTSDK_OK);
    EXPECT_EQ(Btsdk_IsBluetoothReady(), 1);

    ASSERT_EQ(InitBtsdkCbkDbus(), 1);  // returns once the callback connection is private
    EXPECT_NE(g_dbus_cbk_connection, shared);
    EXPECT_EQ(corvtest::threadsNamed("corv-callback"), 1);

    ASSERT_EQ(UninitBtsdkCbkDbus(), 1);
    EXPECT_TRUE(corvtest::waitFor([] { return corvtest::threadsNamed("corv-callback") == 0; }));
    EXPECT_EQ(g_dbus_cbk_connection, shared);

    ASSERT_EQ(UninitBtsdkInitCbkDbus(), 1);
    EXPECT_TRUE(corvtest::waitFor([] {
        return corvtest::threadsNamed("corv-request1") == 0 &&
               corvtest::threadsNamed("corv-request2") == 0;
    }));
    // Request connection 1 is closed with its thread; the variable names the shared
    // connection again. Request connection 2 stays open.
    EXPECT_EQ(g_dbus_connection, shared);
    EXPECT_NE(g_dbus_connection2, shared);
}

std::atomic<int> s_entries{0};
void onEntry(FTP_FIND_DATA*) { ++s_entries; }

TEST(PrivateConnections, FileTransferSignalsComeOnTheirOwnSessionConnection) {
    ASSERT_EQ(g_dbus_ftp_connection, nullptr);
    ASSERT_EQ(InitBtsdkFtpDbus(), 1);  // returns once the connection is there
    ASSERT_NE(g_dbus_ftp_connection, nullptr);
    EXPECT_EQ(corvtest::threadsNamed("corv-ftp"), 1);

    // The first registration makes the area's proxy on that connection.
    BtsdkCallbackRecord browse{BTSDK_FTP_BROWSE_CBK, reinterpret_cast<BtsdkEventCallback>(onEntry)};
    ASSERT_EQ(Btsdk_RegisterFtpCallback(&browse), BTSDK_OK);
    // The registration returns once the bus holds its subscription: one signal sent at
    // once arrives.
    corvtest::StandInService::instance().emitSignal("btsdkftp", "signal_ftp_show_browse_file",
                                                    "([byte 1, 0, 0, 0],)");
    EXPECT_TRUE(corvtest::waitFor([] {
        return s_entries.load() > 0;
    }));

    ASSERT_EQ(UninitBtsdkFtpDbus(), 1);
    EXPECT_TRUE(corvtest::waitFor([] { return corvtest::threadsNamed("corv-ftp") == 0; }));
    EXPECT_EQ(g_dbus_ftp_connection, nullptr);
}

}  // namespace
