// Serial port and dial-up connections name the device of their line where the user sees
// them: a connected shortcut's status, and a local serial server's status while remote
// devices use it.
#include <gtest/gtest.h>

#include <QTreeWidget>

#include <functional>
#include <vector>

#include "corvclient/btsdk.h"
#include "cvcommon/class_names.h"
#include "cvcommon/shortcut_helpers.h"
#include "harness.h"
#include "host_test_util.h"
#include "main_window.h"

namespace {

// services_fast.ini
constexpr unsigned int kPhone = 1, kLaptop = 2, kPhoneFileTransfer = 4, kPhoneDialup = 6, kPhoneSerial = 7;
constexpr int kShortcutStatus = 2, kServerStatus = 1;

corvtest::StandInService& service() { return corvtest::StandInService::instance(); }

QString device(int port) {
    return QString::fromStdString(service().deviceDir()) + QStringLiteral("/ttyB%1").arg(port);
}

QTreeWidget* list(const MainWindow& window, const char* name) {
    return window.findChild<QTreeWidget*>(QString::fromLatin1(name));
}

TEST(SerialLines, AConnectedSerialShortcutNamesItsDevice) {
    service().loadScenario(hosttest::scenario("services_fast.ini"));
    MainWindow window;
    window.show();
    QTreeWidget* view = list(window, "shortcutList");
    ASSERT_TRUE(view);

    struct Case {
        unsigned int service;
        BTUINT8 port;  // asked for in the connect parameter block
        QString connected;
    };
    const Case cases[] = {
        {kPhoneSerial, 5, QStringLiteral("Connected on ") + device(5)},
        {kPhoneDialup, 9, QStringLiteral("Connected on ") + device(9)},
        {kPhoneFileTransfer, 0, QStringLiteral("Connected")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.service);
        unsigned int shortcut = 0;
        ASSERT_EQ(CvCm_CreateShortCut(kPhone, c.service, &shortcut), 0);
        std::vector<BTUINT8> block(772, 0);
        block[6] = c.port;
        BTCONNHDL connection = 0;
        ASSERT_EQ(hosttest::callOffThread([&] { return Btsdk_ConnectShortCutEx(shortcut, block.data(), &connection); }),
                  0u);
        EXPECT_TRUE(hosttest::waitUntil([&] { return hosttest::rowText(view, shortcut, kShortcutStatus) == c.connected; }))
            << hosttest::rowText(view, shortcut, kShortcutStatus).toStdString();
        EXPECT_EQ(hosttest::callOffThread([&] { return Btsdk_DisconnectShortCut(shortcut); }), 0u);
        EXPECT_TRUE(hosttest::waitUntil([&] { return hosttest::rowText(view, shortcut, kShortcutStatus) == QStringLiteral("Idle"); }))
            << hosttest::rowText(view, shortcut, kShortcutStatus).toStdString();
    }
}

void connectToServer(const char* id, unsigned int server) {
    service().act("ConnectToServer", g_variant_new("(su)", id, server));
}

// The link of the device's one connection drops.
void dropConnectionOf(BTDEVHDL remote) {
    BTSDKHANDLE enumeration = Btsdk_StartEnumConnection();
    BtsdkConnectionProperty property{};
    BTCONNHDL found = 0;
    while (BTCONNHDL connection = Btsdk_EnumConnection(enumeration, &property))
        if (property.device == remote) found = connection;
    Btsdk_EndEnumConnection(enumeration);
    ASSERT_NE(found, 0u);
    service().act("DropConnection", g_variant_new("(u)", found));
}

TEST(SerialLines, ASerialServerInUseNamesTheDevicesOfItsConnections) {
    service().loadScenario(hosttest::scenario("services_fast.ini"));
    QString serialPort;
    CvCm_GetSvcDisplayName(0x1101, &serialPort);
    MainWindow window;
    window.show();
    QTreeWidget* view = list(window, "serverList");
    ASSERT_TRUE(view);
    const unsigned int server = hosttest::serverNamed(&window, serialPort);
    ASSERT_NE(server, 0u);
    ASSERT_EQ(Btsdk_StartServer(server), 0u);

    // Connections without a port of their server's take the free ones from 3 on.
    struct Step {
        const char* what;
        std::function<void()> act;
        QString status;
    };
    const Step steps[] = {
        {"the phone connects", [server] { connectToServer("phone", server); },
         QStringLiteral("Connected on ") + device(3)},
        {"the laptop connects", [server] { connectToServer("laptop", server); },
         QStringLiteral("Connected on %1, %2").arg(device(3), device(4))},
        {"the phone's link drops", [] { dropConnectionOf(kPhone); }, QStringLiteral("Connected on ") + device(4)},
        {"the laptop's link drops", [] { dropConnectionOf(kLaptop); }, QStringLiteral("Idle")},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_TRUE(hosttest::waitUntil([&] { return hosttest::rowText(view, server, kServerStatus) == step.status; }))
            << hosttest::rowText(view, server, kServerStatus).toStdString();
    }
}

}  // namespace
