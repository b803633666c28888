// The local serial-port servers: the two registered at start-up on the reserved ports,
// their entries, Enable/Disable with the "status" of the section of their port, the
// property dialog, and the entries' end at StopProfileServer.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPointer>

#include "corvclient/btsdk.h"
#include "spp_fixture.h"

namespace spptest {
namespace {

class Servers : public SppPlugin {
protected:
    // The servers StartProfileServer registered, on ports 3 and 4.
    std::vector<unsigned int> start() {
        ProfilePlugMng::StartProfileServer();
        std::vector<uint32_t> ports;
        for (const corvtest::RecordedCall& call : callsOf("register_spp_service")) ports.push_back(call.u(0));
        EXPECT_EQ(ports, (std::vector<uint32_t>{3, 4}));
        BTSVCHDL handles[16] = {};
        BTUINT32 count = 16;
        EXPECT_EQ(Btsdk_GetLocalServers(handles, &count), BTSDK_OK);
        std::vector<unsigned int> servers;
        for (BTUINT32 i = 0; i < count && i < 16; ++i)
            if (Btsdk_GetServerPort(handles[i]) >= 3) servers.push_back(handles[i]);
        return servers;
    }
    static unsigned short status(unsigned int server) {
        BTUINT16 value = 0;
        EXPECT_EQ(Btsdk_GetServerStatus(server, &value), BTSDK_OK);
        return value;
    }
};

TEST_F(Servers, StartUpRegistersTwoRunningServersListedByTheirDevices) {
    const std::vector<unsigned int> servers = start();
    ASSERT_EQ(servers.size(), 2u);
    EXPECT_EQ(status(servers[0]), 1);
    EXPECT_EQ(status(servers[1]), 1);
    ASSERT_EQ(Btsdk_StopServer(servers[1]), BTSDK_OK);
    const QString disable = QStringLiteral("&Disable ") + kName, enable = QStringLiteral("&Enable ") + kName;
    const QString dev0 = QStringLiteral(" /dev/ttyB0"), dev3 = QStringLiteral(" /dev/ttyB3"),
                  dev4 = QStringLiteral(" /dev/ttyB4");
    EXPECT_EQ(texts(ProfilePlugMng::GetLocalSvrActionList(kServerSpp)),
              (QStringList{disable + dev0, disable + dev3, enable + dev4, QStringLiteral("&Status") + dev0,
                           QStringLiteral("&Status") + dev3, QStringLiteral("&Status") + dev4,
                           QStringLiteral("&Properties") + dev0, QStringLiteral("&Properties") + dev3,
                           QStringLiteral("&Properties") + dev4}));
}

// The scenario's server has port 0, which neither "VIRTUALDEV" names.
TEST_F(Servers, EnableAndDisableWriteTheStatusOfTheSectionOfTheirPort) {
    const std::vector<unsigned int> servers = start();
    ASSERT_EQ(servers.size(), 2u);
    struct Row {
        unsigned int server;
        QString entry;
        unsigned short status;
        pktest::SettingRows writes;
    };
    const Row rows[] = {
        {servers[0], QStringLiteral("&Disable "), 2, {{"SPPSERVER1", "status", "disable"}}},
        {servers[0], QStringLiteral("&Enable "), 1, {{"SPPSERVER1", "status", "enable"}}},
        {servers[1], QStringLiteral("&Disable "), 2, {{"SPPSERVER2", "status", "disable"}}},
        {servers[1], QStringLiteral("&Enable "), 1, {{"SPPSERVER2", "status", "enable"}}},
        {kServerSpp, QStringLiteral("&Disable "), 2, {}},
        {kServerSpp, QStringLiteral("&Enable "), 1, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.server);
        const QString suffix = QStringLiteral(" /dev/ttyB%1").arg(Btsdk_GetServerPort(row.server));
        service.clearCalls();
        for (QAction* action : ProfilePlugMng::GetLocalSvrActionList(row.server))
            if (action->text() == row.entry + kName + suffix) action->trigger();
        EXPECT_EQ(status(row.server), row.status);
        EXPECT_EQ(settingsWritten(), row.writes);
    }
}

TEST_F(Servers, ThePropertyDialogShowsTheDeviceAndWritesTheSecurity) {
    const std::vector<unsigned int> servers = start();
    ASSERT_FALSE(servers.empty());
    BtsdkLocalServerAttr attr{};
    attr.mask = BTSDK_LSA_MASK_SECURITY;
    ASSERT_EQ(Btsdk_GetServerAttributes(servers[0], &attr), BTSDK_OK);
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        const BTUINT16 security = (attr.security & 7) ? 0 : 7;
        QString title, port;
        const corvtest::ModalAnswer answer = corvtest::answerModal(
            [&] { ProfilePlugMng::performLocalSvrDefaultAction(servers[0]); },
            corvtest::Press::role(QDialogButtonBox::AcceptRole), [&](QWidget* dialog) {
                title = dialog->windowTitle();
                port = dialog->findChild<QLabel*>(QStringLiteral("label_PortNum"))->text();
                dialog->findChild<QCheckBox*>(QStringLiteral("checkBox_SecureConnection"))->click();
            });
        EXPECT_TRUE(answer.pressed);
        EXPECT_EQ(title, kName + QStringLiteral(" Properties /dev/ttyB3"));
        EXPECT_EQ(port, QStringLiteral("/dev/ttyB3"));
        attr = {};
        attr.mask = BTSDK_LSA_MASK_SECURITY;
        ASSERT_EQ(Btsdk_GetServerAttributes(servers[0], &attr), BTSDK_OK);
        EXPECT_EQ(attr.security, security);
    }
}

TEST_F(Servers, StopProfileServerDropsTheEntriesAndLeavesTheServersRunning) {
    const std::vector<unsigned int> servers = start();
    QList<QPointer<QAction>> entries;
    for (QAction* action : ProfilePlugMng::GetLocalSvrActionList(kServerSpp)) entries << action;
    ASSERT_EQ(entries.size(), 9);
    ProfilePlugMng::StopProfileServer();
    for (const QPointer<QAction>& entry : entries) EXPECT_TRUE(entry.isNull());
    for (unsigned int server : servers) EXPECT_EQ(status(server), 1);
}

}  // namespace
}  // namespace spptest
