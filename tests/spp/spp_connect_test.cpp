// Connecting serial-port shortcuts through the plug-in: the refusals, the port kept in the
// shortcut and shown in its entries, the retry through a fresh browse, and the serial line
// itself, opened as a terminal program opens it.
#include <unistd.h>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTest>

#include <functional>

#include "corvclient/btsdk.h"
#include "cvcommon/profile_ini.h"
#include "cvcommon/serial_device.h"
#include "cvcommon/shortcut_helpers.h"
#include "profilekit/profile_status_class.h"
#include "serial_terminal.h"
#include "spp_fixture.h"

namespace spptest {
namespace {

class Connect : public SppPlugin {
protected:
    size_t connects() { return callsOf("connect_shortcut_ex").size(); }
};

// The shortcut's connect entry, made while it was idle, is triggered again once it is
// connected.
TEST_F(Connect, ASecondConnectOrOneToAConnectedShortcutIsRefused) {
    const unsigned int echo = shortcutTo(kPhone, kPhoneEcho), second = shortcutTo(kPhone, kPhoneSecond);
    const QList<QAction*> echoEntries = ProfilePlugMng::GetRemoteActionListByShortcut(echo);
    trigger(echoEntries, QStringLiteral("&Connect"));
    ASSERT_TRUE(connectWindowUp());
    struct Row {
        std::function<QList<QAction*>()> entries;
        QString warning;
    };
    const Row rows[] = {
        {[&] { return ProfilePlugMng::GetRemoteActionListByShortcut(second); },
         QStringLiteral("A connecting operation is in progress, please try again later.")},
        {[&] {
             EXPECT_FALSE(waitForConnectEnd().came);
             return echoEntries;
         },
         QStringLiteral("A connection to this device already exists.")}};
    for (const Row& row : rows) {
        EXPECT_EQ(trigger(row.entries(), QStringLiteral("&Connect")).text, row.warning);
        EXPECT_EQ(connects(), 1u);
    }
    EXPECT_TRUE(CvCm_IsShortcutConnected(echo));
    EXPECT_FALSE(CvCm_IsShortcutConnected(second));
}

TEST_F(Connect, NoFreeClientPortLeavesTheConnectUndone) {
    const std::string settings = settingsFile();
    for (const char* section : {"SPPCLIENT1", "SPPCLIENT2"})
        ASSERT_EQ(WritePrivateProfileString(section, "VIRTUALDEV", "0", settings.c_str()), 1);
    const corvtest::ModalAnswer answer = connectShortcut(shortcutTo(kPhone, kPhoneEcho));
    WritePrivateProfileString("SPPCLIENT1", "VIRTUALDEV", "5", settings.c_str());
    WritePrivateProfileString("SPPCLIENT2", "VIRTUALDEV", "6", settings.c_str());
    EXPECT_FALSE(answer.came);
    EXPECT_EQ(connects(), 0u);
}

// The port goes in the connect's parameter block and in the shortcut's attribute block;
// the entries show the device a terminal program opens.
TEST_F(Connect, AConnectedShortcutShowsItsPortsDeviceInItsThreeEntries) {
    const unsigned int shortcut = shortcutTo(kPhone, kPhoneEcho);
    EXPECT_FALSE(connectShortcut(shortcut).came);
    EXPECT_EQ(callsOf("connect_shortcut_ex").at(0).ay(1), (std::vector<uint8_t>{8, 0, 0, 0, 0, 0, 5, 0}));
    EXPECT_EQ(CvCm_GetComPortByShortcut(shortcut, 0x1101), 5);
    const QString device = QLatin1Char(' ') + portPath(5);
    EXPECT_EQ(texts(ProfilePlugMng::GetActionListByShortcutHandle(shortcut)),
              (QStringList{QStringLiteral("&Disconnect ") + kName + device, QStringLiteral("&Status") + device,
                           QStringLiteral("&Properties") + device}));
}

// The connect of a stale shortcut fails once; the retry takes the shortcut of the device's
// first serial port, and without one the connect fails.
TEST_F(Connect, AFailedConnectIsRetriedWithTheShortcutOfAFreshBrowse) {
    const unsigned int stale = shortcutTo(kDongle, kDongleStale);
    corvtest::ReplyOverride refused;
    refused.error = "org.freedesktop.DBus.Error.Failed";
    refused.times = 1;
    struct Row {
        bool newer;
        QString warning;
        size_t connects;
    };
    for (const Row& row : {Row{false, QStringLiteral("Cannot connect to the remote device."), 1}, Row{true, {}, 2}}) {
        SCOPED_TRACE(row.newer);
        const unsigned int newer = row.newer ? shortcutTo(kDongle, kDongleSpp) : 0;
        service.setReply("btsdkshc", "connect_shortcut_ex", refused);
        service.clearCalls();
        EXPECT_EQ(connectShortcut(stale).text, row.warning);
        EXPECT_EQ(callsOf("browse_remote_service").size(), 1u);
        EXPECT_EQ(connects(), row.connects);
        BTUINT32 param = 0;
        EXPECT_EQ(Btsdk_GetRemoteDeviceParam(kDongle, &param), BTSDK_OK);
        EXPECT_EQ(param, 0xC0000000u);  // browsed, services found
        EXPECT_FALSE(CvCm_IsShortcutConnected(stale));
        EXPECT_EQ(newer && CvCm_IsShortcutConnected(newer) && CvCm_GetComPortByShortcut(newer, 0x1101) == 5, row.newer);
    }
}

// Echo sends every byte back, the modem answers AT; the shortcut's status window counts
// both ways, and the device goes with the disconnect.
TEST_F(Connect, TheSerialLineCarriesBytesToTheFarEndAndBack) {
    struct Row {
        unsigned int device, service;
        std::string sent, answer;
    };
    for (const Row& row : {Row{kPhone, kPhoneEcho, "hello, serial\r\n", "hello, serial\r\n"},
                           Row{kPhone, kPhoneSecond, "AT\r", "\r\nOK\r\n"}}) {
        SCOPED_TRACE(row.sent);
        const unsigned int shortcut = shortcutTo(row.device, row.service);
        ASSERT_FALSE(connectShortcut(shortcut).came);
        const QString path = CvCm_GetSerialDevicePath(5);
        ASSERT_EQ(path, portPath(5));
        ProfileStatusClass status(shortcut, true);
        status.show();
        const int fd = corvtest::openTerminal(path.toStdString());
        ASSERT_GE(fd, 0);
        ASSERT_EQ(write(fd, row.sent.data(), row.sent.size()), ssize_t(row.sent.size()));
        EXPECT_EQ(corvtest::readUntil(fd, row.answer), row.answer);
        close(fd);

        auto* sent = status.findChild<QLabel*>(QStringLiteral("label_SentBytes"));
        auto* received = status.findChild<QLabel*>(QStringLiteral("label_ReceivedBytes"));
        ASSERT_TRUE(sent && received);
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return sent->text() == QString::number(row.sent.size()) &&
                   received->text() == QString::number(row.answer.size());
        })) << qPrintable(sent->text()) << " sent, " << qPrintable(received->text()) << " received";

        trigger(ProfilePlugMng::GetRemoteActionListByShortcut(shortcut), QStringLiteral("&Disconnect"));
        EXPECT_FALSE(CvCm_IsShortcutConnected(shortcut));
        EXPECT_TRUE(corvtest::waitFor([&] { return !QFile::exists(path); }));
    }
}

}  // namespace
}  // namespace spptest
