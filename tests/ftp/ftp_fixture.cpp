#include "ftp_fixture.h"

#include <QApplication>
#include <QWidget>

#include "corvclient/btsdk.h"
#include "cvcommon/profile_ini.h"
#include "cvcommon/shortcut_helpers.h"

namespace ftptest {

void FtpPlugin::SetUp() {
    service.loadScenario(FTP_WORLD);
    linkPlugin(QStringLiteral(FTP_PLUGIN), QStringLiteral("libPxFtp.so"));
    ASSERT_EQ(WritePrivateProfileString("FTPSERVER", "SHAREFOLDER", "/tmp", settingsFile().c_str()), 1);
    ASSERT_EQ(WritePrivateProfileString("FTPSERVER", "DESIRED_ACCESS", "1", settingsFile().c_str()), 1);
    startManager();
    ASSERT_EQ(ProfilePlugMng::GetSupportedProfileList(), QList<unsigned short>{0x1106});
    service.clearCalls();
}

void FtpPlugin::TearDown() {
    for (QWidget* window : browsers()) delete window;
    PluginTest::TearDown();
}

unsigned short FtpPlugin::serverStatus(unsigned int server) {
    BTUINT16 status = 0;
    EXPECT_EQ(Btsdk_GetServerStatus(server, &status), BTSDK_OK);
    return status;
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

QList<QWidget*> FtpPlugin::browsers() {
    QList<QWidget*> found;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QStringLiteral("BtFtpClientClass") && widget->isVisible()) found << widget;
    return found;
}

}  // namespace ftptest
