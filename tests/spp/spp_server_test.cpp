// The local serial-port servers: the two registered at start-up on the reserved ports,
// their entries and Enable/Disable with the "status" of the section of their port, and the
// property dialog.
#include <QCheckBox>
#include <QLabel>

#include "corvclient/btsdk.h"
#include "spp_fixture.h"

namespace spptest {
namespace {

class Servers : public SppPlugin {
protected:
    // StartProfileServer's two servers, on ports 3 and 4 (those of SPPSERVER1 and 2).
    std::vector<unsigned int> start() {
        ProfilePlugMng::StartProfileServer();
        std::vector<unsigned int> servers;
        BTSVCHDL handles[16] = {};
        BTUINT32 count = 16;
        EXPECT_EQ(Btsdk_GetLocalServers(handles, &count), BTSDK_OK);
        for (BTUINT32 i = 0; i < count && i < 16; ++i)
            if (handles[i] != kServerSpp) servers.push_back(handles[i]);
        EXPECT_EQ(servers.size(), 2u);
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
    ASSERT_EQ(Btsdk_StopServer(servers[1]), BTSDK_OK);
    const QString disable = QStringLiteral("&Disable ") + kName, dev0 = QLatin1Char(' ') + portPath(0),
                  dev3 = QLatin1Char(' ') + portPath(3), dev4 = QLatin1Char(' ') + portPath(4);
    EXPECT_EQ(texts(ProfilePlugMng::GetLocalSvrActionList(kServerSpp)),
              (QStringList{disable + dev0, disable + dev3, QStringLiteral("&Enable ") + kName + dev4,
                           QStringLiteral("&Status") + dev0, QStringLiteral("&Status") + dev3,
                           QStringLiteral("&Status") + dev4, QStringLiteral("&Properties") + dev0,
                           QStringLiteral("&Properties") + dev3, QStringLiteral("&Properties") + dev4}));
}

// The scenario's server has port 0, which neither "VIRTUALDEV" names.
TEST_F(Servers, EnableAndDisableWriteTheStatusOfTheSectionOfTheirPort) {
    const std::vector<unsigned int> servers = start();
    ASSERT_EQ(servers.size(), 2u);
    struct Row {
        unsigned int server;
        const char* entry;
        unsigned short status;
        pktest::SettingRows writes;
    };
    const Row rows[] = {{servers[0], "&Disable", 2, {{"SPPSERVER1", "status", "disable"}}},
                        {servers[0], "&Enable", 1, {{"SPPSERVER1", "status", "enable"}}},
                        {servers[1], "&Disable", 2, {{"SPPSERVER2", "status", "disable"}}},
                        {servers[1], "&Enable", 1, {{"SPPSERVER2", "status", "enable"}}},
                        {kServerSpp, "&Disable", 2, {}},
                        {kServerSpp, "&Enable", 1, {}}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.server);
        const QString text = QString::fromLatin1(row.entry) + QLatin1Char(' ') + kName +
                             QLatin1Char(' ') + portPath(Btsdk_GetServerPort(row.server));
        service.clearCalls();
        trigger(ProfilePlugMng::GetLocalSvrActionList(row.server), text);
        EXPECT_EQ(status(row.server), row.status);
        EXPECT_EQ(settingsWritten(), row.writes);
    }
}

TEST_F(Servers, ThePropertyDialogShowsTheDeviceAndWritesTheSecurity) {
    const unsigned int server = start().at(0);
    BtsdkLocalServerAttr attr{};
    attr.mask = BTSDK_LSA_MASK_SECURITY;
    ASSERT_EQ(Btsdk_GetServerAttributes(server, &attr), BTSDK_OK);
    const BTUINT16 toggled = (attr.security & 7) ? 0 : 7;
    QString title, port;
    const corvtest::ModalAnswer answer = corvtest::answerModal(
        [&] { ProfilePlugMng::performLocalSvrDefaultAction(server); },
        corvtest::Press::role(QDialogButtonBox::AcceptRole), [&](QWidget* dialog) {
            title = dialog->windowTitle();
            port = dialog->findChild<QLabel*>(QStringLiteral("label_PortNum"))->text();
            dialog->findChild<QCheckBox*>(QStringLiteral("checkBox_SecureConnection"))->click();
        });
    EXPECT_TRUE(answer.pressed);
    EXPECT_EQ(title, kName + QStringLiteral(" Properties ") + portPath(3));
    EXPECT_EQ(port, portPath(3));
    ASSERT_EQ(Btsdk_GetServerAttributes(server, &attr), BTSDK_OK);
    EXPECT_EQ(attr.security, toggled);
}

}  // namespace
}  // namespace spptest
