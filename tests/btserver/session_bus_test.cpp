// The file-transfer area on a session bus apart from the system bus: a service started
// with --session-bus answers the area's methods there with the same world, and sends the
// signals of what a client asked there to that client there.
#include <signal.h>

#include <string>
#include <vector>

#include "child_process.h"
#include "private_bus.h"
#include "transfer_world.h"

using bttest::Answer;
using bttest::callArea;
using bttest::callAreaOn;
using bttest::completions;
using bttest::contentsOf;
using bttest::SignalRecorder;

namespace {

constexpr const char* kFtp = "com.zel.corvane.btservice.btsdkftp";
constexpr const char* kFtpPath = "/com/zel/corvane/btservice/btsdkftp";
constexpr uint32_t kPhone = 1;  // transfer_fast.ini

// The harness's service gives way to one of the test's own, on the test bus as its system
// bus and on a second bus as its session bus.
class SessionBus : public bttest::TransferWorld {
protected:
    SessionBus() : TransferWorld("corvtest-session") {}

    corvtest::PrivateBus session;
    corvtest::ChildProcess own;
    GDBusConnection* onSession = nullptr;  // a client's connection to the session bus

    void SetUp() override {
        service.stop();
        ASSERT_TRUE(
            own.start({CORVTEST_BT_SERVER, "--bus=" + corvtest::TestBus::instance().address(),
                       "--session-bus=" + session.address(), "--state-dir=" + service.stateDir()}));
        ASSERT_TRUE(
            corvtest::waitFor([&] { return service.nameOwned() || !own.running(); }, 10000) &&
            service.nameOwned());
        onSession = session.connect();
        ASSERT_NE(onSession, nullptr);
        TransferWorld::SetUp();
    }
    void TearDown() override {
        TransferWorld::TearDown();
        if (onSession)
            g_object_unref(onSession);
        own.signal(SIGTERM);
        EXPECT_TRUE(own.waitExit(5000));
        EXPECT_TRUE(corvtest::waitFor([&] { return !service.nameOwned(); }));
        service.start();
    }

    Answer ftpOnSession(const char* method, GVariant* args) {
        return callAreaOn(onSession, "btsdkftp", method, args);
    }
};

TEST_F(SessionBus, FileTransferIsAnsweredThereFromTheSameWorld) {
    uint32_t connection = connect(kPhone, 0x1106);  // on the system bus
    Answer folder = ftpOnSession("get_rmt_dir", g_variant_new("(u)", connection));
    ASSERT_TRUE(folder.ok()) << folder.message();
    EXPECT_EQ(folder.s(0), "/");
    EXPECT_EQ(folder.u(1), 0u);
    EXPECT_EQ(ftpOnSession("set_rmt_dir", g_variant_new("(us)", connection, "Documents")).u(0), 0u);
    EXPECT_EQ(callArea("btsdkftp", "get_rmt_dir", g_variant_new("(u)", connection)).s(0),
              "/Documents");
    EXPECT_EQ(ftpOnSession("get_rmt_dir", g_variant_new("(u)", 999u)).u(1), 4u);

    // Only file transfer is served there.
    Answer other = callAreaOn(onSession, "btsdklocal", "get_local_name");
    EXPECT_FALSE(other.ok());
    EXPECT_EQ(other.errorName(), "org.freedesktop.DBus.Error.UnknownMethod") << other.message();
}

TEST_F(SessionBus, AGetAskedThereIsReportedThereToItsCallerAlone) {
    uint32_t connection = connect(kPhone, 0x1106);
    SignalRecorder sessionComplete(kFtp, "signal_ftp_transfer_complete", kFtpPath, onSession);
    SignalRecorder sessionStatus(kFtp, "signal_ftp_file_transfer_status", kFtpPath, onSession);
    SignalRecorder systemComplete(kFtp, "signal_ftp_transfer_complete", kFtpPath);
    Answer got =
        ftpOnSession("get_file", g_variant_new("(uss)", connection, "/notes.txt", local.c_str()));
    ASSERT_TRUE(got.ok()) << got.message();
    EXPECT_EQ(got.u(0), 0u);
    EXPECT_EQ(completions(sessionComplete), (std::vector<uint32_t>{0}));
    EXPECT_TRUE(sessionStatus.waitForCount(3));  // the file's first, chunk and last reports
    EXPECT_EQ(contentsOf(local + "/notes.txt"), "Buy milk.\n");
    // An answer on the system bus comes after whatever the service sent there before.
    EXPECT_EQ(callArea("btsdkftp", "get_rmt_dir", g_variant_new("(u)", connection)).u(1), 0u);
    EXPECT_EQ(systemComplete.settledCount(), 0u);

    // Browsing there sends the entries there, before the answer.
    SignalRecorder entries(kFtp, "signal_ftp_show_browse_file", kFtpPath, onSession);
    EXPECT_EQ(
        ftpOnSession("browse_folder", g_variant_new("(usu)", connection, "/Documents", 0u)).u(0),
        0u);
    EXPECT_TRUE(entries.waitForCount(2));  // "Projects" and the résumé
}

}  // namespace
