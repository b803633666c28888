// The status window of a local server and of a shortcut against the stand-in service:
// the connections it finds (two to one server, an incoming gateway connection for a
// hands-free shortcut), what it shows while a connection carries data, its buttons
// (disconnect, unplug, enable and disable with the settings they write) and an idle
// server.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <QTest>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "corvclient/btsdk.h"
#include "cvcommon/profile_ini.h"
#include "cvcommon/settings_paths.h"
#include "cvcommon/shortcut_helpers.h"
#include "harness.h"
#include "modal_answer.h"
#include "profilekit/profile_status_class.h"
#include "qt_print.h"
#include "shots.h"

namespace {

// status_world.ini
constexpr BTDEVHDL kPhone = 1, kTablet = 2, kWatch = 3, kStick = 4;
constexpr BTSVCHDL kPhoneHandsFree = 6, kStickHid = 8;
constexpr BTSVCHDL kServerSpp = 9, kServerFtp = 10, kServerOpp = 11;
constexpr BTCONNHDL kTabletLink = 13, kWatchLink = 14;

class StatusDialog : public testing::Test {
protected:
    corvtest::StandInService& service = corvtest::StandInService::instance();

    void SetUp() override { service.loadScenario(PROFILEKIT_STATUS_WORLD); }

    template <typename W>
    static W* part(QWidget* dialog, const char* name) {
        W* widget = dialog->findChild<W*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static QString text(QWidget* dialog, const char* name) { return part<QLabel>(dialog, name)->text(); }
    static bool shown(QWidget* dialog, const char* name) { return !part<QWidget>(dialog, name)->isHidden(); }
    static QComboBox* combo(QWidget* dialog) { return part<QComboBox>(dialog, "comboBox_ConnectDevNames"); }
    static QPushButton* switchButton(QWidget* dialog) {
        return part<QPushButton>(dialog, "pushButton_DisableEnable");
    }
    static int signalBar(QWidget* dialog) {
        return part<QProgressBar>(dialog, "progressBar_SignalStrength")->value();
    }
    static unsigned int shortcutOf(BTDEVHDL device, BTSVCHDL remoteService) {
        unsigned int shortcut = 0;
        EXPECT_EQ(CvCm_CreateShortCut(device, remoteService, &shortcut), BTSDK_OK);
        return shortcut;
    }
    static BTUINT16 serverStatus(BTSVCHDL server) {
        BTUINT16 status = 0;
        EXPECT_EQ(Btsdk_GetServerStatus(server, &status), BTSDK_OK);
        return status;
    }
    static std::string settingsFile() {
        char path[256] = {};
        CvCm_GetCommonSettingFilePath(path, sizeof path);
        return path;
    }
    // The settings the window writes, as the service received them.
    std::vector<std::vector<std::string>> settingsWritten() {
        std::vector<std::vector<std::string>> writes;
        for (const corvtest::RecordedCall& call : service.calls()) {
            if (call.method == "write_private_profile_string")
                writes.push_back({call.s(0), call.s(1), call.s(2), call.s(3)});
        }
        return writes;
    }
    static bool connectionOpen(BTCONNHDL connection) {
        BtsdkConnectionProperty record{};
        return Btsdk_GetConnectionProperty(connection, &record) == BTSDK_OK;
    }
};

// The bar's mapping of a signal strength, as the window draws it.
int barOf(int rssi) { return static_cast<int>(std::atan2(rssi, 4.0) * 81.897856 + 127.0); }

TEST(SignalBar, MapsTheStrengthAlongAnArcTangent) {
    EXPECT_EQ(barOf(-127), 0);
    EXPECT_EQ(barOf(0), 127);
    EXPECT_EQ(barOf(127), 253);
    EXPECT_EQ(barOf(-20), 14);
    EXPECT_EQ(barOf(-5), 53);
    EXPECT_EQ(barOf(5), 200);
    EXPECT_EQ(barOf(20), 239);
}

TEST(IncomingPairs, OnlyTheAudioPairsCount) {
    EXPECT_TRUE(ProfileStatusClass::IsInCommingConn(0x111E, 0x1112));
    EXPECT_TRUE(ProfileStatusClass::IsInCommingConn(0x111E, 0x111F));
    EXPECT_TRUE(ProfileStatusClass::IsInCommingConn(0x1108, 0x1112));
    EXPECT_TRUE(ProfileStatusClass::IsInCommingConn(0x110B, 0x110A));
    EXPECT_FALSE(ProfileStatusClass::IsInCommingConn(0x1108, 0x111F));
    EXPECT_FALSE(ProfileStatusClass::IsInCommingConn(0x1112, 0x111E));
    EXPECT_FALSE(ProfileStatusClass::IsInCommingConn(0x1101, 0x1101));
}

TEST_F(StatusDialog, TwoConnectionsToOneServerShowInTheBoxTheLastOneCurrent) {
    ProfileStatusClass dialog(kServerSpp);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Bluetooth Serial Port Status"));
    EXPECT_EQ(dialog.windowFlags() & Qt::WindowType_Mask, Qt::Window);
    ASSERT_EQ(combo(&dialog)->count(), 2);
    EXPECT_EQ(combo(&dialog)->itemText(0), QStringLiteral("Slate Tablet"));
    EXPECT_EQ(combo(&dialog)->itemText(1), QStringLiteral("Wrist Watch"));
    EXPECT_EQ(combo(&dialog)->currentIndex(), 1);
    EXPECT_TRUE(shown(&dialog, "comboBox_ConnectDevNames"));
    EXPECT_TRUE(shown(&dialog, "label_ConnectWith"));
    EXPECT_FALSE(shown(&dialog, "label_ConnectDevName"));
    EXPECT_FALSE(shown(&dialog, "label_Role"));
    EXPECT_EQ(text(&dialog, "label_ConnectionStatus"), QStringLiteral("Connected"));
    EXPECT_EQ(switchButton(&dialog)->text(), QStringLiteral("Disconnect"));
    EXPECT_EQ(signalBar(&dialog), barOf(-75));  // the watch's link

    // Choosing the tablet shows its link until the next refresh makes the last one current.
    combo(&dialog)->setCurrentIndex(0);
    Q_EMIT combo(&dialog)->activated(0);
    EXPECT_EQ(signalBar(&dialog), barOf(-60));
    dialog.TimerUpdate();
    EXPECT_EQ(combo(&dialog)->count(), 2);
    EXPECT_EQ(combo(&dialog)->currentIndex(), 1);
    EXPECT_EQ(signalBar(&dialog), barOf(-75));
    dialog.show();
    pktest::saveShot(&dialog, "status-server");
}

TEST_F(StatusDialog, ALiveConnectionsDurationBytesAndSignalMoveAndDisconnectEndsIt) {
    ProfileStatusClass dialog(kServerSpp);
    Q_EMIT combo(&dialog)->activated(0);  // the tablet
    const QString sent = text(&dialog, "label_SentBytes"), received = text(&dialog, "label_ReceivedBytes");
    const QString duration = text(&dialog, "label_DurationTime");
    // The serial link carries its device's steady flow; the window shows it move.
    ASSERT_TRUE(corvtest::waitFor([&] {
        Q_EMIT combo(&dialog)->activated(0);
        return text(&dialog, "label_DurationTime") != duration &&
               text(&dialog, "label_SentBytes") != sent && text(&dialog, "label_ReceivedBytes") != received;
    }, 4000));
    EXPECT_TRUE(text(&dialog, "label_DurationTime").startsWith(QStringLiteral("00:00:0")));
    EXPECT_EQ(signalBar(&dialog), barOf(-60));
    service.act("SetRssi", g_variant_new("(si)", "tablet", -20));
    Q_EMIT combo(&dialog)->activated(0);
    EXPECT_EQ(signalBar(&dialog), barOf(-20));

    // The tablet is current: Disconnect ends its connection in the service; the watch's stays.
    ASSERT_TRUE(Btsdk_IsBluetoothReady());
    QTest::mouseClick(switchButton(&dialog), Qt::LeftButton);
    EXPECT_FALSE(connectionOpen(kTabletLink));
    EXPECT_TRUE(connectionOpen(kWatchLink));
    EXPECT_EQ(combo(&dialog)->count(), 1);
    EXPECT_EQ(text(&dialog, "label_ConnectDevName"), QStringLiteral("Wrist Watch"));
    EXPECT_TRUE(shown(&dialog, "label_ConnectDevName"));
}

TEST_F(StatusDialog, AnIdleServerShowsNoSignalAndKeepsItsDuration) {
    ProfileStatusClass dialog(kServerFtp);
    EXPECT_EQ(text(&dialog, "label_ConnectionStatus"), QStringLiteral("Idle"));
    EXPECT_EQ(signalBar(&dialog), 0);
    EXPECT_EQ(text(&dialog, "label_DurationTime"), QStringLiteral("00:00:00"));
    EXPECT_FALSE(shown(&dialog, "label_ConnectWith"));
    EXPECT_FALSE(shown(&dialog, "comboBox_ConnectDevNames"));
    EXPECT_EQ(switchButton(&dialog)->text(), QStringLiteral("Disable"));
    dialog.TimerUpdate();
    EXPECT_EQ(text(&dialog, "label_DurationTime"), QStringLiteral("00:00:00"));
}

TEST_F(StatusDialog, DisableAndEnableStopAndStartTheServerAndKeepTheChoice) {
    ProfileStatusClass dialog(kServerFtp);
    service.clearCalls();
    QTest::mouseClick(switchButton(&dialog), Qt::LeftButton);
    EXPECT_EQ(serverStatus(kServerFtp), 2);
    EXPECT_EQ(switchButton(&dialog)->text(), QStringLiteral("Enable"));
    QTest::mouseClick(switchButton(&dialog), Qt::LeftButton);
    EXPECT_EQ(serverStatus(kServerFtp), 1);
    EXPECT_EQ(switchButton(&dialog)->text(), QStringLiteral("Disable"));
    const std::string file = settingsFile();
    EXPECT_EQ(settingsWritten(), (std::vector<std::vector<std::string>>{
                                     {"FTPSERVER", "status", "disable", file},
                                     {"FTPSERVER", "status", "enable", file}}));

    // A stopped object-push server is enabled in its own section.
    ProfileStatusClass opp(kServerOpp);
    EXPECT_EQ(switchButton(&opp)->text(), QStringLiteral("Enable"));
    service.clearCalls();
    QTest::mouseClick(switchButton(&opp), Qt::LeftButton);
    EXPECT_EQ(serverStatus(kServerOpp), 1);
    EXPECT_EQ(settingsWritten(), (std::vector<std::vector<std::string>>{{"OPPSERVER", "status", "enable", file}}));
}

// The serial server's section is the one whose virtual device is 0; with none of them 0
// the server still stops and nothing is written.
TEST_F(StatusDialog, TheSerialServersSectionIsChosenByItsVirtualDevice) {
    const std::string file = settingsFile();
    struct Case {
        const char *first, *second, *section;
    };
    for (const Case& c : {Case{"0", "4", "SPPSERVER1"}, Case{"3", "0", "SPPSERVER2"}, Case{"3", "4", nullptr}}) {
        SCOPED_TRACE(c.first + std::string("/") + c.second);
        service.loadScenario(PROFILEKIT_STATUS_WORLD);
        ASSERT_TRUE(WritePrivateProfileString("SPPSERVER1", "VIRTUALDEV", c.first, file.c_str()));
        ASSERT_TRUE(WritePrivateProfileString("SPPSERVER2", "VIRTUALDEV", c.second, file.c_str()));
        // Without its two connections the server is running and idle.
        service.act("DropConnection", g_variant_new("(u)", kTabletLink));
        service.act("DropConnection", g_variant_new("(u)", kWatchLink));
        ProfileStatusClass dialog(kServerSpp);
        ASSERT_EQ(switchButton(&dialog)->text(), QStringLiteral("Disable"));
        service.clearCalls();
        QTest::mouseClick(switchButton(&dialog), Qt::LeftButton);
        EXPECT_EQ(serverStatus(kServerSpp), 2);
        auto expected = c.section ? std::vector<std::vector<std::string>>{{c.section, "status", "disable", file}}
                                  : std::vector<std::vector<std::string>>{};
        EXPECT_EQ(settingsWritten(), expected);
    }
    WritePrivateProfileString("SPPSERVER1", "VIRTUALDEV", "3", file.c_str());
    WritePrivateProfileString("SPPSERVER2", "VIRTUALDEV", "4", file.c_str());
}

// The phone's audio gateway connection to this computer counts for its hands-free shortcut.
TEST_F(StatusDialog, AHandsFreeShortcutCountsTheIncomingGatewayConnection) {
    ProfileStatusClass dialog(shortcutOf(kPhone, kPhoneHandsFree), true);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Bluetooth Headset and Microphone Status"));
    EXPECT_EQ(text(&dialog, "label_ConnectDevName"), QStringLiteral("Nova Phone"));
    EXPECT_FALSE(shown(&dialog, "label_ConnectWith"));
    EXPECT_TRUE(shown(&dialog, "label_RoleName"));
    EXPECT_EQ(text(&dialog, "label_RoleName"), QStringLiteral("Slave"));  // the phone opened it
    EXPECT_EQ(signalBar(&dialog), barOf(-52));
    EXPECT_EQ(switchButton(&dialog)->text(), QStringLiteral("&Disconnect"));
    dialog.show();
    pktest::saveShot(&dialog, "status-shortcut");
}

TEST_F(StatusDialog, AShortcutWithoutAConnectionOffersNoDisconnect) {
    ProfileStatusClass dialog(shortcutOf(kTablet, 7), true);
    EXPECT_FALSE(shown(&dialog, "pushButton_DisableEnable"));
    EXPECT_FALSE(shown(&dialog, "label_Role"));
    EXPECT_EQ(signalBar(&dialog), 0);
    EXPECT_EQ(text(&dialog, "label_ConnectDevName"), QStringLiteral("Slate Tablet"));
}

// An input device's shortcut unplugs it: its link ends, the service is told to forget the
// plugged device, and the pairing goes.
TEST_F(StatusDialog, UnplugEndsTheInputDevicesLinkAndPairing) {
    unsigned int shortcut = shortcutOf(kStick, kStickHid);
    ASSERT_EQ(Btsdk_ConnectShortCut(shortcut), BTSDK_OK);
    BtsdkShortcutProperty stored{};
    stored.shortcut = shortcut;
    ASSERT_EQ(Btsdk_GetShortCutProperty(&stored), BTSDK_OK);
    // The device the service unplugs is named by the record's 6-byte field.
    const std::vector<uint8_t> field(stored.short_text, stored.short_text + 6);
    ProfileStatusClass dialog(shortcut, true);
    ASSERT_EQ(switchButton(&dialog)->text(), QStringLiteral("U&nplug"));
    service.clearCalls();
    QTest::mouseClick(switchButton(&dialog), Qt::LeftButton);
    std::vector<std::string> methods;
    std::vector<uint8_t> unplugged;
    for (const corvtest::RecordedCall& call : service.calls()) {
        methods.push_back(call.method);
        if (call.method == "clnt_unplugged_dev") unplugged = call.ay(0);
    }
    auto called = [&](const char* method) { return std::count(methods.begin(), methods.end(), method) == 1; };
    EXPECT_TRUE(called("disconnect"));
    EXPECT_TRUE(called("clnt_unplugged_dev"));
    EXPECT_TRUE(called("unpair_device"));
    EXPECT_EQ(unplugged, field);
    BTUINT8 paired = 1;
    EXPECT_EQ(Btsdk_IsDevicePaired(kStick, &paired), BTSDK_OK);
    EXPECT_EQ(paired, 0);
    EXPECT_FALSE(shown(&dialog, "pushButton_DisableEnable"));
}

// The server's button by the status the service reports: a running server's "disable" is
// written before it stops, a stopped one starts before "enable" is written, any other
// status is left alone; with a connection the button ends that connection instead.
TEST_F(StatusDialog, TheServerButtonFollowsTheServersStatus) {
    const std::string file = settingsFile();
    using Methods = std::vector<std::string>;
    struct Case {
        const char* name;
        BTSVCHDL server;
        BTUINT16 reported;  // 0: the service's own status
        Methods calls;
        BTUINT16 after;
        const char* setting;
    };
    const Case cases[] = {
        {"running", kServerFtp, 0, {"write_private_profile_string", "stop_server"}, 2, "disable"},
        {"stopped", kServerOpp, 0, {"start_server", "write_private_profile_string"}, 1, "enable"},
        {"in use", kServerFtp, 3, {}, 1, "unchanged"},
        {"connected", kServerSpp, 0, {"disconnect"}, 3, "unchanged"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        service.loadScenario(PROFILEKIT_STATUS_WORLD);
        for (const char* section : {"FTPSERVER", "OPPSERVER", "SPPSERVER1", "SPPSERVER2"})
            ASSERT_TRUE(WritePrivateProfileString(section, "status", "unchanged", file.c_str()));
        ProfileStatusClass dialog(c.server);
        if (c.reported) {
            corvtest::ReplyOverride status;
            status.reply = "(uint32 " + std::to_string(c.reported) + ", uint32 0)";
            service.setReply("btsdksvc", "get_server_status", status);
        }
        const int entries = combo(&dialog)->count();
        service.clearCalls();
        QTest::mouseClick(switchButton(&dialog), Qt::LeftButton);
        service.clearReplies();
        Methods methods;
        for (const corvtest::RecordedCall& call : service.calls())
            if (call.method == "start_server" || call.method == "stop_server" || call.method == "disconnect" ||
                call.method == "write_private_profile_string")
                methods.push_back(call.method);
        EXPECT_EQ(methods, c.calls);
        EXPECT_EQ(serverStatus(c.server), c.after);
        char value[16] = {};
        const char* section = c.server == kServerOpp   ? "OPPSERVER"
                              : c.server == kServerFtp ? "FTPSERVER"
                                                       : "SPPSERVER1";
        GetPrivateProfileString(section, "status", "", value, sizeof value, file.c_str());
        EXPECT_STREQ(value, c.setting);
        if (c.server == kServerSpp) {
            EXPECT_EQ(combo(&dialog)->count(), entries - 1);
        }
    }
    for (const char* section : {"FTPSERVER", "OPPSERVER", "SPPSERVER1", "SPPSERVER2"})
        WritePrivateProfileString(section, "status", "enable", file.c_str());
}

// The shortcut's property dialog runs modally over the status window; the status window
// destroyed during that loop takes the dialog along, and nothing is deleted twice.
TEST_F(StatusDialog, TheStatusWindowMayGoWhileItsPropertyDialogRuns) {
    QPointer<ProfileStatusClass> status = new ProfileStatusClass(shortcutOf(kTablet, 7), true);
    bool propertiesOpen = false;
    QTimer::singleShot(0, [&] {
        propertiesOpen = QApplication::activeModalWidget() &&
                         QApplication::activeModalWidget()->objectName() == QStringLiteral("RmtProfilePropertyDlg");
        delete status.data();
    });
    QMetaObject::invokeMethod(status.data(), "on_pushButton_Properties_clicked", Qt::DirectConnection);
    EXPECT_TRUE(propertiesOpen);
    EXPECT_TRUE(status.isNull());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(StatusDialog, APlainDialogHasNoContent) {
    ProfileStatusClass dialog(1u, false);
    EXPECT_EQ(dialog.findChild<QComboBox*>(), nullptr);
}

}  // namespace
