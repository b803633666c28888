// Serial port and dial-up connections name the device of their line where the user sees
// them: a connected shortcut's status, and a local serial server's status while remote
// devices use it.
#include <gtest/gtest.h>

#include <QTreeWidget>

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

// Waits for the row's status and says what it was instead.
void expectStatus(QTreeWidget* view, unsigned int handle, int column, const QString& status) {
    EXPECT_TRUE(hosttest::waitUntil([&] { return hosttest::rowText(view, handle, column) == status; }))
        << hosttest::rowText(view, handle, column).toStdString();
}

TEST(SerialLines, AConnectedSerialShortcutNamesItsDevice) {
    service().loadScenario(hosttest::scenario("services_fast.ini"));
    MainWindow window;
    window.show();
    auto* view = window.findChild<QTreeWidget*>(QStringLiteral("shortcutList"));
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
        expectStatus(view, shortcut, kShortcutStatus, c.connected);
        EXPECT_EQ(hosttest::callOffThread([&] { return Btsdk_DisconnectShortCut(shortcut); }), 0u);
        expectStatus(view, shortcut, kShortcutStatus, QStringLiteral("Idle"));
    }
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
    auto* view = window.findChild<QTreeWidget*>(QStringLiteral("serverList"));
    ASSERT_TRUE(view);
    const unsigned int server = hosttest::serverNamed(&window, serialPort);
    ASSERT_EQ(Btsdk_StartServer(server), 0u);
    EXPECT_EQ(hosttest::rowText(view, server, 0), serialPort + QStringLiteral(" (ttyB9)"));  // its port
    // The first connection takes its server's port (9), the next the first free one from 3 on.
    struct Step {
        const char* id;
        BTDEVHDL remote;
        bool connects;  // else its link drops
        QString status;
    };
    const Step steps[] = {
        {"phone", kPhone, true, QStringLiteral("Connected on ") + device(9)},
        {"laptop", kLaptop, true, QStringLiteral("Connected on %1, %2").arg(device(9), device(3))},
        {"phone", kPhone, false, QStringLiteral("Connected on ") + device(3)},
        {"laptop", kLaptop, false, QStringLiteral("Idle")},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(std::string(step.id) + (step.connects ? " connects" : " drops"));
        if (step.connects)
            service().act("ConnectToServer", g_variant_new("(su)", step.id, server));
        else
            dropConnectionOf(step.remote);
        expectStatus(view, server, kServerStatus, step.status);
    }
}

}  // namespace
