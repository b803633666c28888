// The actions and tips of object-push shortcuts and of the local inbox server.
#include <QAction>

#include "corvclient/btsdk.h"
#include "opp_fixture.h"

namespace opptest {
namespace {

using Actions = OppPlugin;

const QString kSend = QStringLiteral("&Send File"), kStatus = QStringLiteral("&Status"),
              kProperties = QStringLiteral("&Properties");

TEST_F(Actions, ShortcutActionsOfferTheSendOnlyWhileNotConnected) {
    const unsigned int shortcut = shortcutTo(kPhone, kPhoneOpp);
    struct Row {
        bool connected;
        QStringList actions, remote;
    };
    for (const Row& row : {Row{false, {kSend, kStatus, kProperties}, {kSend}}, Row{true, {kStatus, kProperties}, {}}}) {
        SCOPED_TRACE(row.connected);
        if (row.connected) {
            BTCONNHDL connection = 0;
            ASSERT_EQ(Btsdk_ConnectShortCutEx(shortcut, nullptr, &connection), BTSDK_OK);
        }
        EXPECT_EQ(texts(ProfilePlugMng::GetActionListByShortcutHandle(shortcut)), row.actions);
        EXPECT_EQ(texts(ProfilePlugMng::GetRemoteActionListByShortcut(shortcut)), row.remote);
    }
}

TEST_F(Actions, TheServerEntryOfTheDefaultActionIsBold) {
    struct Row {
        const char* change;
        QString enableText;
        int enableWeight, inboxWeight;
    };
    const Row rows[] = {{"stop", QStringLiteral("&Enable"), 75, 50}, {"start", QStringLiteral("&Disable"), 50, 75}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.change);
        ASSERT_EQ(std::string(row.change) == "stop" ? Btsdk_StopServer(kServerOpp) : Btsdk_StartServer(kServerOpp),
                  BTSDK_OK);
        const QList<QAction*> actions = ProfilePlugMng::GetLocalSvrActionList(kServerOpp);
        ASSERT_EQ(actions.size(), 6);
        EXPECT_EQ(texts(actions), (QStringList{QStringLiteral("&Open inbox folder"), QString(), row.enableText,
                                               kStatus, QString(), kProperties}));
        EXPECT_TRUE(actions[1]->isSeparator() && actions[4]->isSeparator());
        EXPECT_EQ(actions[2]->font().weight(), row.enableWeight);
        EXPECT_EQ(actions[0]->font().weight(), row.inboxWeight);
    }
}

// Each step changes the world for the next one.
TEST_F(Actions, TheTipNamesTheDefaultAction) {
    const QString more = QStringLiteral("Right-click to get more options.");
    const unsigned int shortcut = shortcutTo(kPhone, kPhoneOpp);
    struct Row {
        const char* step;
        std::function<void()> change;
        unsigned int shortcut, server;
        QString tip;
    };
    const Row rows[] = {
        {"idle shortcut", [] {}, shortcut, 0, QStringLiteral("Double-click to send a file to the remote device.\n")},
        {"running server", [] {}, 0, kServerOpp, QStringLiteral("Double-click to view the inbox.\n")},
        {"connected shortcut",
         [&] {
             BTCONNHDL connection = 0;
             ASSERT_EQ(Btsdk_ConnectShortCutEx(shortcut, nullptr, &connection), BTSDK_OK);
         },
         shortcut, 0, QStringLiteral("Double-click to show service's status.\n")},
        {"server in use",
         [&] {
             service.act("ConnectToServer", g_variant_new("(su)", "phone", kServerOpp));
             ASSERT_TRUE(corvtest::waitFor([] {
                 BTUINT16 status = 0;
                 return Btsdk_GetServerStatus(kServerOpp, &status) == BTSDK_OK && status == 3;
             }));
         },
         0, kServerOpp, QStringLiteral("Double-click to show service's status.\n")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.step);
        row.change();
        EXPECT_EQ(ProfilePlugMng::getProfileTipByShortcut(row.shortcut, row.server), row.tip + more);
    }
}

}  // namespace
}  // namespace opptest
