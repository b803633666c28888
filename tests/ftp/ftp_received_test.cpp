// Files that a remote device puts on the FTP server reach the host function as
// (1, 7, 260, {shared folder, file name}) on the user-interface thread, each file with
// its own list, also when two arrive back to back.
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <fstream>

#include "cvcommon/profile_ini.h"
#include "ftp_fixture.h"

namespace ftptest {
namespace {

using Received = FtpPlugin;

TEST_F(Received, APutFileReachesTheHostOnTheUserInterfaceThread) {
    QTemporaryDir shared, sources;
    ASSERT_TRUE(shared.isValid() && sources.isValid());
    const std::string folder = shared.path().toStdString();
    ASSERT_EQ(WritePrivateProfileString("FTPSERVER", "SHAREFOLDER", folder.c_str(), settingsFile().c_str()), 1);
    ProfilePlugMng::StartProfileServer();
    for (const char* name : {"report.txt", "photo.jpg"})
        std::ofstream(sources.filePath(QString::fromLatin1(name)).toStdString()) << "contents of " << name << "\n";

    for (const char* name : {"report.txt", "photo.jpg"})
        service.act("DevicePutsFile",
                    g_variant_new("(sss)", "phone", sources.filePath(QString::fromLatin1(name)).toUtf8().constData(), name));
    ASSERT_TRUE(QTest::qWaitFor([] { return hostCalls().size() >= 2; }, 10000));
    const std::vector<HostCall> calls = hostCalls();
    ASSERT_EQ(calls.size(), 2u);
    QStringList names;
    for (const HostCall& call : calls) {
        EXPECT_EQ(call.command, 1u);
        EXPECT_EQ(call.subCode, 7u);
        EXPECT_EQ(call.size, 260u);
        EXPECT_TRUE(call.onMainThread);
        ASSERT_EQ(call.list.size(), 2);
        EXPECT_EQ(call.list.at(0), shared.path());
        names.append(call.list.at(1));
    }
    names.sort();
    EXPECT_EQ(names, (QStringList{QStringLiteral("photo.jpg"), QStringLiteral("report.txt")}));
}

}  // namespace
}  // namespace ftptest
