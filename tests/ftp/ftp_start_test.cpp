// Start-up: the shared folder and the browser's local folder are checked, a folder that
// cannot be made is tried with "USERNAME" in place of "user" (in any case, starting within
// the first seven characters), and the FTP service is registered with the folder.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "corvclient/btsdk.h"

#include "cvcommon/profile_ini.h"
#include "ftp_fixture.h"

namespace ftptest {
namespace {

class Start : public FtpPlugin {
protected:
    QTemporaryDir dir;
    QString previous = QDir::currentPath();

    void SetUp() override {
        FtpPlugin::SetUp();
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir::setCurrent(dir.path()));
        qputenv("USERNAME", "alice");
    }
    void TearDown() override {
        qunsetenv("USERNAME");
        QDir::setCurrent(previous);
        FtpPlugin::TearDown();
    }
    // A plain file where the folder's first part would go, so it cannot be made.
    void block(const char* name) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    void setFolders(const char* share, const char* local) {
        ASSERT_EQ(WritePrivateProfileString("FTPSERVER", "SHAREFOLDER", share, settingsFile().c_str()), 1);
        ASSERT_EQ(WritePrivateProfileString("FtpClient", "DefaultLocalFolder", local, settingsFile().c_str()), 1);
        service.clearCalls();
    }
    std::string registeredFolder() {
        std::vector<corvtest::RecordedCall> calls = callsOf("register_ftp_service");
        EXPECT_EQ(calls.size(), 1u);
        return calls.empty() ? std::string() : calls.back().s(1);
    }
};

using Rows = std::vector<std::vector<std::string>>;

TEST_F(Start, AFolderThatCannotBeMadeTakesTheUserNameBelowPositionSeven) {
    block("aUSER");
    block("abcdeFUser");
    setFolders("aUSER/share", "abcdeFUser/in");
    ProfilePlugMng::StartProfileServer();
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("aalice/share"))).exists());
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("abcdeFalice/in"))).exists());
    EXPECT_EQ(settingsWritten(), (Rows{{"FTPSERVER", "SHAREFOLDER", "aalice/share"},
                                       {"FtpClient", "DefaultLocalFolder", "abcdeFalice/in"}}));
    EXPECT_EQ(registeredFolder(), "aalice/share");
    EXPECT_EQ(setting("FTPSERVER", "SHAREFOLDER"), "aalice/share");
}

TEST_F(Start, AUserFromPositionSevenOrNoneLeavesTheFolderAsItWas) {
    block("abcdefgUser");
    block("nobody");
    setFolders("abcdefgUser/share", "nobody/in");
    ProfilePlugMng::StartProfileServer();
    EXPECT_TRUE(settingsWritten().empty());
    EXPECT_EQ(registeredFolder(), "abcdefgUser/share");
    EXPECT_FALSE(QDir(dir.filePath(QStringLiteral("abcdefgalice"))).exists());
}

TEST_F(Start, WithoutUserNameAFolderThatCannotBeMadeIsRegisteredUnchanged) {
    qunsetenv("USERNAME");
    block("aUser");
    setFolders("aUser/share", "");
    ProfilePlugMng::StartProfileServer();
    EXPECT_TRUE(settingsWritten().empty());
    EXPECT_EQ(registeredFolder(), "aUser/share");
}

TEST_F(Start, AFolderThatCanBeMadeIsMadeAndKept) {
    setFolders("user/share", "");
    ProfilePlugMng::StartProfileServer();
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("user/share"))).exists());
    EXPECT_TRUE(settingsWritten().empty());
    EXPECT_EQ(registeredFolder(), "user/share");
    EXPECT_EQ(callsOf("register_ftp_service").back().u(0), 1u);
}

// Start-up writes the checked folder back through the service outside the receive lock:
// the library calls the receive callback while it holds its call mutex, so a write made
// under that lock deadlocks once a file's callback gets the mutex first. Here a slow call
// on another thread holds the call mutex while a file arrives and start-up begins, so the
// file's callback and start-up's write both wait for it; whichever gets it first,
// start-up returns and the file reaches the host. Each round has an even chance of the
// order that used to deadlock; a watchdog ends the run if start-up hangs.
TEST_F(Start, AFileArrivingWhileTheFolderIsWrittenBackDoesNotStopStartUp) {
    const QString source = dir.filePath(QStringLiteral("note.txt"));
    QFile note(source);
    ASSERT_TRUE(note.open(QIODevice::WriteOnly));
    note.write("note\n");
    note.close();
    block("aUSER");
    setFolders("/tmp", "");
    ProfilePlugMng::StartProfileServer();  // registers the receive callback
    for (int round = 0; round < 4; ++round) {
        SCOPED_TRACE(round);
        setFolders("aUSER/share", "");
        corvtest::ReplyOverride slow;
        slow.delayMs = 400;
        slow.times = 1;
        service.setReply("btsdkinit", "is_bluetooth_ready", slow);
        const size_t received = hostCalls().size();
        std::thread holder([] { Btsdk_IsBluetoothReady(); });
        ASSERT_TRUE(corvtest::waitFor([&] { return !callsOf("is_bluetooth_ready").empty(); }));
        service.act("DevicePutsFile", g_variant_new("(sss)", "phone", source.toUtf8().constData(), "note.txt"));

        std::mutex lock;
        std::condition_variable ended;
        bool done = false;
        std::thread watchdog([&] {
            std::unique_lock<std::mutex> wait(lock);
            if (!ended.wait_for(wait, std::chrono::seconds(20), [&] { return done; })) {
                std::fprintf(stderr, "StartProfileServer did not return: a lock-order deadlock\n");
                std::abort();
            }
        });
        ProfilePlugMng::StartProfileServer();
        {
            std::lock_guard<std::mutex> guard(lock);
            done = true;
        }
        ended.notify_one();
        watchdog.join();
        holder.join();
        service.clearReplies();
        EXPECT_EQ(setting("FTPSERVER", "SHAREFOLDER"), "aalice/share");
        EXPECT_TRUE(QTest::qWaitFor([&] { return hostCalls().size() > received; }, 10000));
    }
}

}  // namespace
}  // namespace ftptest
