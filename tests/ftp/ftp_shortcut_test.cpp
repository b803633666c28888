// A remote FTP service reached through a shortcut: its actions, tips and default action.
#include <QAction>
#include <QApplication>
#include <QLibrary>
#include <QTreeWidget>
#include <QTest>

#include "corvclient/btsdk.h"
#include "cvcommon/class_names.h"
#include "cvcommon/profile_plugin.h"
#include "cvcommon/shortcut_helpers.h"
#include "ftp_fixture.h"
#include "modal_answer.h"

namespace ftptest {
namespace {

using Shortcut = FtpPlugin;

TEST_F(Shortcut, AnUnconnectedShortcutOffersTheBrowserItsStatusAndProperties) {
    const unsigned int shortcut = phoneShortcut();
    QList<QAction*> actions = ProfilePlugMng::GetActionListByShortcutHandle(shortcut);
    EXPECT_EQ(texts(actions),
              (QStringList{QStringLiteral("&Open"), QStringLiteral("&Status"), QStringLiteral("&Properties")}));
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(texts(ProfilePlugMng::GetRemoteActionListByShortcut(shortcut)),
              QStringList{QStringLiteral("&Open File Explorer")});
    actions = ProfilePlugMng::GetActionListByShortcutHandle(shortcut);
    actions.removeFirst();
    const corvtest::ModalAnswer status = corvtest::answerModal(
        [&] { actions[0]->trigger(); }, corvtest::Press::none(),
        [](QWidget* box) { EXPECT_STREQ(box->metaObject()->className(), "ProfileStatusClass"); },
        0);
    EXPECT_TRUE(status.came);
    const corvtest::ModalAnswer properties = corvtest::answerModal(
        [&] { actions[1]->trigger(); }, corvtest::Press::none(),
        [](QWidget* box) { EXPECT_STREQ(box->metaObject()->className(), "RmtProfilePropertyClass"); },
        0);
    EXPECT_TRUE(properties.came);
}

TEST_F(Shortcut, TheTipAndTheDefaultActionFollowTheConnection) {
    const QString more = QStringLiteral("Right-click to get more options.");
    const unsigned int shortcut = phoneShortcut();
    EXPECT_EQ(ProfilePlugMng::getProfileTipByShortcut(shortcut, 0),
              QStringLiteral("Double-click to open the file explorer.\n") + more);
    // Unconnected, the default action opens the browser, which connects.
    const corvtest::ModalAnswer idle = corvtest::answerModal(
        [&] { ProfilePlugMng::performDefaultActionByShortcut(shortcut); }, corvtest::Press::none());
    EXPECT_FALSE(idle.came);
    ASSERT_EQ(browsers().size(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return CvCm_IsShortcutConnected(shortcut); }, 10000));
    EXPECT_EQ(ProfilePlugMng::getProfileTipByShortcut(shortcut, 0),
              QStringLiteral("Double-click to show service's status.\n") + more);
    const corvtest::ModalAnswer connected = corvtest::answerModal(
        [&] { ProfilePlugMng::performDefaultActionByShortcut(shortcut); }, corvtest::Press::none(),
        [](QWidget* box) { EXPECT_STREQ(box->metaObject()->className(), "ProfileStatusClass"); },
        0);
    EXPECT_TRUE(connected.came);
}

TEST_F(Shortcut, WithNeitherHandleTheTipIsItsLastLine) {
    // The manager routes a tip without handles by the zeroed server record (class 0), so
    // the plug-in is asked directly through its library.
    QLibrary library(QStringLiteral(FTP_PLUGIN));
    auto tip = reinterpret_cast<GetProfileTipByShortcutFunc>(library.resolve("getProfileTipByShortcut"));
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(tip(0, 0), QStringLiteral("Right-click to get more options."));
}

TEST_F(Shortcut, EachOpenBrowserGivesOneDisconnectAndTheDisconnectClosesIt) {
    const unsigned int shortcut = phoneShortcut();
    QAction* open = ProfilePlugMng::GetActionListByShortcutHandle(shortcut).first();
    open->trigger();
    ASSERT_EQ(browsers().size(), 1);
    QPointer<QWidget> window = browsers().first();
    ASSERT_TRUE(QTest::qWaitFor([&] { return CvCm_IsShortcutConnected(shortcut); }, 10000));
    // Opening again raises the same window.
    ProfilePlugMng::GetRemoteActionListByShortcut(shortcut);
    open->trigger();
    EXPECT_EQ(browsers().size(), 1);

    QString ftpName;
    CvCm_GetSvcDisplayName(0x1106, &ftpName);
    const QList<QAction*> actions = ProfilePlugMng::GetActionListByShortcutHandle(shortcut);
    EXPECT_EQ(texts(actions), (QStringList{QStringLiteral("&Disconnect"), QStringLiteral("&Status"),
                                           QStringLiteral("&Properties")}));
    const QList<QAction*> remote = ProfilePlugMng::GetRemoteActionListByShortcut(shortcut);
    EXPECT_EQ(texts(remote), QStringList{QStringLiteral("&Disconnect %1").arg(ftpName)});
    ASSERT_EQ(remote.size(), 1);
    remote.first()->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !CvCm_IsShortcutConnected(shortcut); }, 5000));
    EXPECT_EQ(texts(ProfilePlugMng::GetActionListByShortcutHandle(shortcut)).first(), QStringLiteral("&Open"));
}

TEST_F(Shortcut, ABrowserAskingWhetherToDeleteOffersNoDisconnect) {
    const unsigned int shortcut = phoneShortcut();
    ProfilePlugMng::performDefaultActionByShortcut(shortcut);
    ASSERT_EQ(browsers().size(), 1);
    QWidget* window = browsers().first();
    auto* remote = window->findChild<QTreeWidget*>(QStringLiteral("treeWidget_Remote"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return remote->topLevelItemCount() > 0; }, 10000));
    QApplication::setActiveWindow(window);
    remote->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == remote; }, 2000));
    remote->topLevelItem(0)->setSelected(true);

    QStringList whileAsking;
    const corvtest::ModalAnswer answer = corvtest::answerModal(
        [&] { window->findChild<QAction*>(QStringLiteral("actDelete"))->trigger(); },
        corvtest::Press::button(QMessageBox::No),
        [&](QWidget*) { whileAsking = texts(ProfilePlugMng::GetActionListByShortcutHandle(shortcut)); });
    EXPECT_EQ(answer.title, QStringLiteral("Confirm File Delete"));
    EXPECT_EQ(whileAsking, (QStringList{QStringLiteral("&Status"), QStringLiteral("&Properties")}));
    EXPECT_EQ(texts(ProfilePlugMng::GetActionListByShortcutHandle(shortcut)),
              (QStringList{QStringLiteral("&Disconnect"), QStringLiteral("&Status"), QStringLiteral("&Properties")}));
}

TEST_F(Shortcut, ALostConnectionClosesTheBrowserOnlyWhenNoFtpConnectionIsLeft) {
    const unsigned int shortcut = phoneShortcut();
    ProfilePlugMng::performDefaultActionByShortcut(shortcut);
    ASSERT_EQ(browsers().size(), 1);
    QPointer<QWidget> window = browsers().first();
    ASSERT_TRUE(QTest::qWaitFor([&] { return CvCm_IsShortcutConnected(shortcut); }, 10000));

    ProfilePlugMng::PerformPostDisc(0x1106);
    QApplication::processEvents();
    EXPECT_FALSE(window.isNull());

    BTCONNHDL connections[8] = {};
    ASSERT_EQ(Btsdk_GetAllOutgoingConnections(connections, 8), 1u);
    service.act("DropConnection", g_variant_new("(u)", connections[0]));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !CvCm_IsShortcutConnected(shortcut); }, 5000));
    ProfilePlugMng::PerformPostDisc(0x1106);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }, 5000));
}

}  // namespace
}  // namespace ftptest
