// The local FTP server: its actions per status with the bold default entry, its tips,
// its default action and Enable/Disable.
#include <QAction>
#include <QDesktopServices>
#include <QUrl>

#include "corvclient/btsdk.h"
#include "ftp_fixture.h"
#include "modal_answer.h"

namespace ftptest {
namespace {

using Rows = std::vector<std::vector<std::string>>;

const QStringList kIdleTexts{QStringLiteral("&Open shared folder"), QString(), QStringLiteral("&Disable"),
                             QStringLiteral("&Status"), QString(), QStringLiteral("&Properties")};
const QStringList kStoppedTexts{QStringLiteral("&Open shared folder"), QString(), QStringLiteral("&Enable"),
                                QStringLiteral("&Status"), QString(), QStringLiteral("&Properties")};

// Takes the place of the desktop's handler of local-file URLs.
class FolderOpener : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public Q_SLOTS:
    void open(const QUrl& url) { opened.append(url); }
};

using Server = FtpPlugin;

TEST_F(Server, TheActionsFollowTheStatusAndAConnectedServerKeepsThePreviousOnes) {
    QList<QAction*> idle = ProfilePlugMng::GetLocalSvrActionList(kServerFtp);
    ASSERT_EQ(idle.size(), 6);
    EXPECT_EQ(texts(idle), kIdleTexts);
    EXPECT_TRUE(idle[1]->isSeparator());
    EXPECT_TRUE(idle[4]->isSeparator());
    EXPECT_EQ(idle[0]->font().weight(), 75);
    EXPECT_EQ(idle[2]->font().weight(), 50);

    ASSERT_EQ(Btsdk_StopServer(kServerFtp), BTSDK_OK);
    QList<QAction*> stopped = ProfilePlugMng::GetLocalSvrActionList(kServerFtp);
    EXPECT_EQ(stopped, idle);  // the same action objects
    EXPECT_EQ(texts(stopped), kStoppedTexts);
    EXPECT_EQ(stopped[0]->font().weight(), 50);
    EXPECT_EQ(stopped[2]->font().weight(), 75);

    // Connected (3) right after a stopped list: the stopped texts and fonts stay.
    ASSERT_EQ(Btsdk_StartServer(kServerFtp), BTSDK_OK);
    ASSERT_EQ(Btsdk_StopServer(kServerFtp), BTSDK_OK);
    ProfilePlugMng::GetLocalSvrActionList(kServerFtp);
    ASSERT_EQ(Btsdk_StartServer(kServerFtp), BTSDK_OK);
    connectPhoneToServer();
    QList<QAction*> connected = ProfilePlugMng::GetLocalSvrActionList(kServerFtp);
    EXPECT_EQ(texts(connected), kStoppedTexts);
    EXPECT_EQ(connected[2]->font().weight(), 75);
    EXPECT_EQ(connected[0]->font().weight(), 50);
}

TEST_F(Server, TheTipTellsWhatADoubleClickDoes) {
    const QString more = QStringLiteral("Right-click to get more options.");
    EXPECT_EQ(ProfilePlugMng::getProfileTipByShortcut(0, kServerFtp),
              QStringLiteral("Double-click to view the shared folder.\n") + more);
    // A server whose status cannot be read gets the shared-folder tip.
    corvtest::ReplyOverride refuse;
    refuse.result = BTSDK_ER_FAIL;
    service.setReply("com.zel.corvane.btservice.btsdksvc", "get_server_status", refuse);
    EXPECT_EQ(ProfilePlugMng::getProfileTipByShortcut(0, kServerFtp),
              QStringLiteral("Double-click to view the shared folder.\n") + more);
    service.clearReplies();
    connectPhoneToServer();
    EXPECT_EQ(ProfilePlugMng::getProfileTipByShortcut(0, kServerFtp),
              QStringLiteral("Double-click to show service's status.\n") + more);
}

TEST_F(Server, TheDefaultActionStartsOpensOrShowsTheStatus) {
    ASSERT_EQ(Btsdk_StopServer(kServerFtp), BTSDK_OK);
    ProfilePlugMng::performLocalSvrDefaultAction(kServerFtp);
    EXPECT_EQ(serverStatus(kServerFtp), 1);

    FolderOpener opener;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opener, "open");
    ProfilePlugMng::performLocalSvrDefaultAction(kServerFtp);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_EQ(opener.opened, QList<QUrl>{QUrl::fromLocalFile(QStringLiteral("/tmp"))});

    connectPhoneToServer();
    const corvtest::ModalAnswer answer = corvtest::answerModal(
        [] { ProfilePlugMng::performLocalSvrDefaultAction(kServerFtp); }, corvtest::Press::none(),
        [](QWidget* box) { EXPECT_STREQ(box->metaObject()->className(), "ProfileStatusClass"); },
        0);
    EXPECT_TRUE(answer.came);
}

TEST_F(Server, EnableAndDisableSwitchTheServerAndWriteItsStatus) {
    QList<QAction*> actions = ProfilePlugMng::GetLocalSvrActionList(kServerFtp);
    actions[2]->trigger();
    EXPECT_EQ(serverStatus(kServerFtp), 2);
    actions = ProfilePlugMng::GetLocalSvrActionList(kServerFtp);
    actions[2]->trigger();
    EXPECT_EQ(serverStatus(kServerFtp), 1);
    EXPECT_EQ(settingsWritten(), (Rows{{"FTPSERVER", "status", "disable"}, {"FTPSERVER", "status", "enable"}}));
}

}  // namespace
}  // namespace ftptest

#include "ftp_server_test.moc"
