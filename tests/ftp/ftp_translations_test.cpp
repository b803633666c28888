// The German catalogue of the plug-in: the tips and the server's entries.
#include <QAction>
#include <QCoreApplication>
#include <QTranslator>

#include "ftp_fixture.h"

namespace ftptest {
namespace {

class German : public FtpPlugin {
protected:
    QTranslator german;
    void SetUp() override {
        ASSERT_TRUE(german.load(QStringLiteral("pxftp_de"), QStringLiteral(PXFTP_TRANSLATIONS_DIR)));
        QCoreApplication::installTranslator(&german);
        FtpPlugin::SetUp();
    }
    void TearDown() override {
        FtpPlugin::TearDown();
        QCoreApplication::removeTranslator(&german);
    }
};

TEST_F(German, TheTipsAndTheServersEntriesAreTranslated) {
    EXPECT_EQ(ProfilePlugMng::getProfileTipByShortcut(0, kServerFtp),
              QString::fromUtf8("Doppelklicken, um den freigegebenen Ordner anzuzeigen.\nRechtsklicken für weitere Optionen."));
    QList<QAction*> actions = ProfilePlugMng::GetLocalSvrActionList(kServerFtp);
    EXPECT_EQ(texts(actions).at(0), QString::fromUtf8("Freigegebenen Ordner ö&ffnen"));
    EXPECT_EQ(texts(actions).at(2), QStringLiteral("&Deaktivieren"));
}

}  // namespace
}  // namespace ftptest
