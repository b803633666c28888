// A remote FTP service reached through a shortcut: its actions, tips and default action.
#include <QAction>
#include <QLibrary>

#include "corvclient/btsdk.h"
#include "cvcommon/profile_plugin.h"
#include "ftp_fixture.h"
#include "modal_answer.h"

namespace ftptest {
namespace {

using Shortcut = FtpPlugin;

TEST_F(Shortcut, AShortcutOffersItsStatusAndProperties) {
    const unsigned int shortcut = phoneShortcut();
    QList<QAction*> actions = ProfilePlugMng::GetActionListByShortcutHandle(shortcut);
    EXPECT_EQ(texts(actions), (QStringList{QStringLiteral("&Status"), QStringLiteral("&Properties")}));
    ASSERT_EQ(actions.size(), 2);
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
    const corvtest::ModalAnswer idle = corvtest::answerModal(
        [&] { ProfilePlugMng::performDefaultActionByShortcut(shortcut); }, corvtest::Press::none());
    EXPECT_FALSE(idle.came);

    ASSERT_EQ(Btsdk_ConnectShortCut(shortcut), BTSDK_OK);
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

}  // namespace
}  // namespace ftptest
