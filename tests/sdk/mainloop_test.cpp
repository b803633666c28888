// An application whose main thread runs a GMainLoop on the default context. With
// CORVCLIENT_APP_MAIN_LOOP=1 it has declared so: the library starts no drive-signal thread
// and its signals and waited replies are dispatched by the application's loop on the main
// thread. Without it they are dispatched on the drive-signal thread, which iterates a
// context of the library's own and never runs the application's sources. Either way calls
// from other threads work.
#include <gtest/gtest.h>

#include <pthread.h>

#include <atomic>
#include <cstdlib>
#include <thread>
#include <vector>

#include "corvclient/btsdk.h"
#include "harness.h"
#include "sdk_test_util.h"

namespace {

pthread_t s_mainThread;
std::atomic<int> s_tracesOnMain{0};
std::atomic<int> s_tracesElsewhere{0};
std::atomic<int> s_sourcesElsewhere{0};

void onTrace(BTUINT32, BTUINT8 kind, BTINT32, BTUINT8*) {
    if (kind != 0x7E) return;
    if (pthread_equal(pthread_self(), s_mainThread)) {
        ++s_tracesOnMain;
    } else {
        ++s_tracesElsewhere;
    }
}

bool declared() {
    const char* env = std::getenv("CORVCLIENT_APP_MAIN_LOOP");
    return env && std::string(env) == "1";
}

// A handler on the application's loop may call the library (the drive-signal thread's
// handlers may not: it dispatches under the call mutex).
std::atomic<int> s_nestedCalls{0};
void onTraceCallingTheLibrary(BTUINT32, BTUINT8 kind, BTINT32, BTUINT8*) {
    if (kind != 0x7D) return;
    BTUINT32 cls = 0;
    if (!declared() || Btsdk_GetLocalDeviceClass(&cls) == BTSDK_OK) ++s_nestedCalls;
}

TEST(AppMainLoop, SignalsAndRepliesAreDispatchedByTheApplicationLoop) {
    corvtest::StandInService& service = corvtest::StandInService::instance();
    EXPECT_EQ(corvtest::threadsNamed("corv-drive"), declared() ? 0 : 1);

    GMainLoop* loop = g_main_loop_new(nullptr, FALSE);
    // The worker starts once the main thread's loop owns the default context: an idle
    // source reports only when the main thread dispatches it.
    static std::atomic<bool> loopOwnsContext{false};
    g_idle_add(
        [](gpointer) -> gboolean {
            if (!pthread_equal(pthread_self(), s_mainThread)) {
                ++s_sourcesElsewhere;
                return G_SOURCE_CONTINUE;
            }
            loopOwnsContext = true;
            return G_SOURCE_REMOVE;
        },
        nullptr);
    BTRESULT started = BTSDK_ER_FAIL;
    BTRESULT classResult = BTSDK_ER_FAIL;
    BTRESULT traceResult = BTSDK_ER_FAIL;
    bool traced = false;
    std::thread worker([&] {
        if (!corvtest::waitFor([] { return loopOwnsContext.load(); })) {
            g_main_loop_quit(loop);
            return;
        }
        BTUINT32 cls = 0;
        classResult = Btsdk_GetLocalDeviceClass(&cls);
        started = Btsdk_StartBluetooth();  // its reply is dispatched by the main loop
        traceResult = Btsdk_RegisterTraceCallback(onTrace);
        service.emitSignal("btsdkinit", "log_tester_data", "(byte 0x7e, 1, [byte 1])");
        traced = corvtest::waitFor([] { return s_tracesOnMain + s_tracesElsewhere > 0; });
        g_main_loop_quit(loop);
    });
    g_main_loop_run(loop);
    worker.join();
    g_main_loop_unref(loop);

    EXPECT_EQ(classResult, BTSDK_OK);
    EXPECT_EQ(started, BTSDK_OK);
    EXPECT_EQ(traceResult, BTSDK_OK);
    EXPECT_TRUE(traced);
    EXPECT_EQ(s_tracesOnMain.load(), declared() ? 1 : 0);
    EXPECT_EQ(s_tracesElsewhere.load(), declared() ? 0 : 1);
    EXPECT_EQ(s_sourcesElsewhere.load(), 0) << "an application source ran on another thread";
}

std::atomic<int> s_entries{0};
void onEntry(FTP_FIND_DATA*) { ++s_entries; }


// A folder listing asked for from inside the application's loop, as a user-interface
// handler does: every entry has been handed over when the call returns, whichever thread
// dispatches the library's connection.
TEST(AppMainLoop, AListingFromTheLoopHandsOverEveryEntryBeforeItReturns) {
    GMainLoop* loop = g_main_loop_new(nullptr, FALSE);
    BTCONNHDL connection = 0;
    BTRESULT connected = BTSDK_ER_FAIL, listed = BTSDK_ER_FAIL;
    int entriesAtReturn = -1;
    std::thread worker([&] {
        std::vector<BTUINT8> param(8, 0);
        connected = Btsdk_ConnectEx(1, 0x1106, param.data(), &connection);  // the phone
        struct Listing {
            GMainLoop* loop;
            BTCONNHDL connection;
            BTRESULT* listed;
            int* entriesAtReturn;
        };
        static Listing listing;
        listing = {loop, connection, &listed, &entriesAtReturn};
        Btsdk_RegisterTraceCallback(onTraceCallingTheLibrary);
        g_idle_add(
            [](gpointer) -> gboolean {
                if (listing.connection) {
                    // A signal waiting when the listing starts is handled during it.
                    corvtest::StandInService::instance().emitSignal("btsdkinit", "log_tester_data",
                                                                    "(byte 0x7d, 1, [byte 1])");
                    *listing.listed = Btsdk_FTPBrowseFolder(listing.connection, "/", onEntry, 0);
                    *listing.entriesAtReturn = s_entries.load();
                }
                g_main_loop_quit(listing.loop);
                return G_SOURCE_REMOVE;
            },
            nullptr);
    });
    g_main_loop_run(loop);
    worker.join();
    g_main_loop_unref(loop);
    if (connection) Btsdk_Disconnect(connection);

    ASSERT_EQ(connected, BTSDK_OK);
    EXPECT_EQ(listed, BTSDK_OK);
    // Documents, Pictures, .hidden settings, Café menü.txt, notes.txt
    EXPECT_EQ(entriesAtReturn, 5);
    EXPECT_TRUE(corvtest::waitFor([] { return s_nestedCalls.load() == 1; }));
}

}  // namespace

int main(int argc, char** argv) {
    s_mainThread = pthread_self();
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new corvtest::ServiceEnvironment);
    testing::AddGlobalTestEnvironment(new corvtest::ClientEnvironment);
    return RUN_ALL_TESTS();
}
