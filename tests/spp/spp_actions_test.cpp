// The entries of a device's serial-port shortcuts and its related shortcuts.
#include <QAction>
#include <QLibrary>

#include "corvclient/btsdk.h"
#include "cvcommon/profile_plug_mng.h"
#include "cvcommon/profile_plugin.h"
#include "spp_fixture.h"

namespace spptest {
namespace {

using Actions = SppPlugin;

// A device whose services were browsed and none found offers no entries.
TEST_F(Actions, TwoShortcutsAreNumberedInEachPassWhileTheirServicesCount) {
    const unsigned int echo = shortcutTo(kPhone, kPhoneEcho), second = shortcutTo(kPhone, kPhoneSecond);
    const QString connect = QStringLiteral("&Connect ") + kName;
    const QStringList all{connect + QStringLiteral(" 1"), connect + QStringLiteral(" 2"), QStringLiteral("&Status 1"),
                          QStringLiteral("&Status 2"),    QStringLiteral("&Properties 1"), QStringLiteral("&Properties 2")};
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

TEST_F(Actions, RelatedShortcutsAreTheDevicesSerialPortsWhateverClassIsAsked) {
    const unsigned int echo = shortcutTo(kPhone, kPhoneEcho), second = shortcutTo(kPhone, kPhoneSecond);
    shortcutTo(kDongle, kDongleSpp);
    auto related = reinterpret_cast<GetRelatedShortcutBySvcClassFunc>(
        QLibrary(QStringLiteral(SPP_PLUGIN)).resolve("getRelatedShortcutBySvcClass"));
    ASSERT_NE(related, nullptr);
    for (unsigned short svcClass : {0x1101, 0x1105, 0}) {
        SCOPED_TRACE(svcClass);
        unsigned int shortcuts[4] = {};
        ASSERT_EQ(related(kPhone, svcClass, shortcuts, 4), 2);
        EXPECT_EQ(std::vector<unsigned int>(shortcuts, shortcuts + 2), (std::vector<unsigned int>{echo, second}));
    }
}

// A shortcut relates to an outgoing serial connection of its device, whichever port; a
// server to any incoming serial connection.
TEST_F(Actions, ConnectionsRelateToTheirDevicesShortcutsAndToEveryServer) {
    const unsigned int echo = shortcutTo(kPhone, kPhoneEcho), second = shortcutTo(kPhone, kPhoneSecond),
                       dongle = shortcutTo(kDongle, kDongleSpp);
    EXPECT_FALSE(ProfilePlugMng::isShortcutRelatedConnectionExist(echo));
    ASSERT_FALSE(connectShortcut(echo).came);
    for (const auto& [shortcut, related] : {std::pair{echo, true}, {second, true}, {dongle, false}})
        EXPECT_EQ(ProfilePlugMng::isShortcutRelatedConnectionExist(shortcut), related) << shortcut;

    EXPECT_FALSE(ProfilePlugMng::isServerRelatedIncomingConnectionExist(kServerSpp));
    service.act("ConnectToServer", g_variant_new("(su)", "dongle", kServerSpp));
    EXPECT_TRUE(corvtest::waitFor([] { return ProfilePlugMng::isServerRelatedIncomingConnectionExist(kServerSpp); }));
}

}  // namespace
}  // namespace spptest
