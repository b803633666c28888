// Start-up: the shared folder and the browser's local folder are checked, a folder that
// cannot be made is tried with "USERNAME" in place of "user" (in any case, starting within
// the first seven characters), and the FTP service is registered with the folder.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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

}  // namespace
}  // namespace ftptest
