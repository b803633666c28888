#include "ftp_fixture.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMutex>

#include "corvclient/btsdk.h"
#include "cvcommon/profile_ini.h"
#include "cvcommon/settings_paths.h"
#include "cvcommon/shortcut_helpers.h"

namespace ftptest {

namespace {

QMutex s_hostLock;
std::vector<HostCall> s_hostCalls;

quint32 host(quint32 command, quint32 subCode, quint32 size, void* bytes) {
    HostCall call{command, subCode, size, *static_cast<QStringList*>(bytes),
                  QThread::currentThread() == QCoreApplication::instance()->thread()};
    QMutexLocker lock(&s_hostLock);
    s_hostCalls.push_back(call);
    return 0;
}

QString workingDir() {
    char dir[256] = {};
    CvCm_GetWorkingDir(dir, sizeof dir);
    return QFile::decodeName(dir);
}

}  // namespace

void FtpPlugin::SetUp() {
    service.loadScenario(FTP_WORLD);
    const QString plugin = QDir(workingDir()).filePath(QStringLiteral("libPxFtp.so"));
    if (!QFile::exists(plugin)) {
        ASSERT_TRUE(QFile::link(QStringLiteral(FTP_PLUGIN), plugin));
    }
    ASSERT_EQ(WritePrivateProfileString("FTPSERVER", "SHAREFOLDER", "/tmp", settingsFile().c_str()), 1);
    ASSERT_EQ(WritePrivateProfileString("FTPSERVER", "DESIRED_ACCESS", "1", settingsFile().c_str()), 1);
    {
        QMutexLocker lock(&s_hostLock);
        s_hostCalls.clear();
    }
    manager = std::make_unique<ProfilePlugMng>(reinterpret_cast<void*>(&host));
    ASSERT_EQ(ProfilePlugMng::GetSupportedProfileList(), QList<unsigned short>{0x1106});
    service.clearCalls();
}

void FtpPlugin::TearDown() {
    for (QWidget* window : browsers()) delete window;
    manager.reset();
    service.clearReplies();
}

std::vector<HostCall> FtpPlugin::hostCalls() {
    QMutexLocker lock(&s_hostLock);
    return s_hostCalls;
}

unsigned short FtpPlugin::serverStatus(unsigned int server) {
    BTUINT16 status = 0;
    EXPECT_EQ(Btsdk_GetServerStatus(server, &status), BTSDK_OK);
    return status;
}

std::string FtpPlugin::settingsFile() {
    char path[256] = {};
    CvCm_GetCommonSettingFilePath(path, sizeof path);
    return path;
}

std::string FtpPlugin::setting(const char* section, const char* key) {
    char value[260] = {};
    GetPrivateProfileString(section, key, "", value, sizeof value, settingsFile().c_str());
    return value;
}

std::vector<std::vector<std::string>> FtpPlugin::settingsWritten() {
    std::vector<std::vector<std::string>> writes;
    for (const corvtest::RecordedCall& call : service.calls()) {
        if (call.method == "write_private_profile_string")
            writes.push_back({call.s(0), call.s(1), call.s(2)});
        else if (call.method == "write_private_profile_int")
            writes.push_back({call.s(0), call.s(1), std::to_string(call.u(2))});
    }
    return writes;
}

std::vector<corvtest::RecordedCall> FtpPlugin::callsOf(const std::string& method) {
    std::vector<corvtest::RecordedCall> found;
    for (const corvtest::RecordedCall& call : service.calls())
        if (call.method == method) found.push_back(call);
    return found;
}

unsigned int FtpPlugin::phoneShortcut() {
    unsigned int shortcut = 0;
    EXPECT_EQ(CvCm_CreateShortCut(kPhone, kPhoneFtp, &shortcut), BTSDK_OK);
    return shortcut;
}

void FtpPlugin::connectPhoneToServer() {
    service.act("ConnectToServer", g_variant_new("(su)", "phone", kServerFtp));
    ASSERT_TRUE(corvtest::waitFor([] {
        BTUINT16 status = 0;
        return Btsdk_GetServerStatus(kServerFtp, &status) == BTSDK_OK && status == 3;
    }));
}

QStringList FtpPlugin::texts(const QList<QAction*>& actions) {
    QStringList all;
    for (QAction* action : actions) all.append(action->text());
    return all;
}

QList<QWidget*> FtpPlugin::browsers() {
    QList<QWidget*> found;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QStringLiteral("BtFtpClientClass") && widget->isVisible()) found << widget;
    return found;
}

}  // namespace ftptest
