// The entries, tips and related shortcuts of a device's serial-port shortcuts.
#include <QAction>

#include "corvclient/btsdk.h"
#include "cvcommon/profile_plugin.h"
#include "spp_fixture.h"

namespace spptest {
namespace {

using Actions = SppPlugin;

// A device whose services were browsed and none found offers no entries.
TEST_F(Actions, TwoShortcutsAreNumberedInEachPassWhileTheirServicesCount) {
    const unsigned int echo = shortcutTo(kPhone, kPhoneEcho), second = shortcutTo(kPhone, kPhoneSecond);
    const QStringList all{QStringLiteral("&Connect ") + kName + QStringLiteral(" 1"),
                          QStringLiteral("&Connect ") + kName + QStringLiteral(" 2"),
                          QStringLiteral("&Status 1"),
                          QStringLiteral("&Status 2"),
                          QStringLiteral("&Properties 1"),
                          QStringLiteral("&Properties 2")};
    struct Row {
        BTUINT32 deviceParam;
        QStringList entries;
    };
    for (const Row& row : {Row{0, all}, Row{0xC0000000, all}, Row{0x80000000, {}}}) {
        SCOPED_TRACE(row.deviceParam);
        ASSERT_EQ(Btsdk_SetRemoteDeviceParam(kPhone, row.deviceParam), BTSDK_OK);
        EXPECT_EQ(texts(ProfilePlugMng::GetActionListByShortcutHandle(echo)), row.entries);
    }
    EXPECT_EQ(texts(ProfilePlugMng::GetRemoteActionListByShortcut(second)), QStringList{all[1]});
}

TEST_F(Actions, TheTipNamesTheDefaultAction) {
    const unsigned int shortcut = shortcutTo(kPhone, kPhoneEcho);
    struct Row {
        unsigned int shortcut;
        bool connect;
        QString tip;
    };
    const Row rows[] = {{0, false, QStringLiteral("Double-click to show service's property.\n")},
                        {shortcut, false, QStringLiteral("Double-click to establish the connection.\n")},
                        {shortcut, true, QStringLiteral("Double-click to show service's status.\n")}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.tip.toStdString());
        BTCONNHDL connection = 0;
        if (row.connect) {
            ASSERT_EQ(Btsdk_ConnectShortCutEx(shortcut, nullptr, &connection), BTSDK_OK);
        }
        EXPECT_EQ(ProfilePlugMng::getProfileTipByShortcut(row.shortcut, kServerSpp),
                  row.tip + QStringLiteral("Right-click to get more options."));
    }
}

TEST_F(Actions, RelatedShortcutsAreTheDevicesSerialPortsWhateverClassIsAsked) {
    const unsigned int echo = shortcutTo(kPhone, kPhoneEcho), second = shortcutTo(kPhone, kPhoneSecond);
    shortcutTo(kDongle, kDongleSpp);
    auto related = entry<GetRelatedShortcutBySvcClassFunc>("getRelatedShortcutBySvcClass");
    ASSERT_NE(related, nullptr);
    for (unsigned short svcClass : {0x1101, 0x1105, 0}) {
        SCOPED_TRACE(svcClass);
        unsigned int shortcuts[4] = {};
        ASSERT_EQ(related(kPhone, svcClass, shortcuts, 4), 2);
        EXPECT_EQ(shortcuts[0], echo);
        EXPECT_EQ(shortcuts[1], second);
    }
}

// Incoming: any serial connection to a local server; outgoing: one to the shortcut's device.
TEST_F(Actions, RelatedConnectionsAreSerialConnectionsOfTheirSide) {
    const unsigned int echo = shortcutTo(kPhone, kPhoneEcho), dongle = shortcutTo(kDongle, kDongleSpp);
    auto incoming = entry<IsServerRelatedIncomingConnectionExistFunc>("isServerRelatedIncomingConnectionExist");
    auto outgoing = entry<IsShortcutRelatedConnectionExistFunc>("isShortcutRelatedConnectionExist");
    ASSERT_TRUE(incoming && outgoing);
    EXPECT_FALSE(incoming(0));
    EXPECT_FALSE(outgoing(echo));
    BTCONNHDL connection = 0;
    ASSERT_EQ(Btsdk_ConnectShortCutEx(echo, nullptr, &connection), BTSDK_OK);
    EXPECT_TRUE(outgoing(echo));
    EXPECT_FALSE(outgoing(dongle));
    EXPECT_FALSE(incoming(0));
    service.act("ConnectToServer", g_variant_new("(su)", "dongle", kServerSpp));
    EXPECT_TRUE(corvtest::waitFor([&] { return incoming(0); }));
}

}  // namespace
}  // namespace spptest
