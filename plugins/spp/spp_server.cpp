// The local serial-port servers: registration at start-up, their menu entries and their
// Enable/Disable with the "status" of the settings section whose port they have.
#include <cstdlib>
#include <vector>

#include "bt_spp.h"
#include "corvclient/btsdk.h"
#include "cvcommon/class_names.h"
#include "cvcommon/profile_ini.h"
#include "cvcommon/serial_device.h"
#include "cvcommon/service_classes.h"
#include "cvcommon/shortcut_helpers.h"
#include "profilekit/server_switch.h"
#include "profilekit/settings_file.h"

namespace {

constexpr int kPortOffset = 6;

struct LocalServer {
    unsigned int handle;
    int port;
    BTUINT16 status;
};

// The serial-port servers with their ports (the byte at offset 6 of the extension block).
std::vector<LocalServer> serialServers() {
    std::vector<LocalServer> servers;
    const BTSDKHANDLE enumeration = Btsdk_StartEnumLocalServer();
    if (!enumeration) return servers;
    for (;;) {
        BtsdkLocalServerAttr attr{};
        attr.mask = BTSDK_LSA_MASK_EXT;
        const BTSVCHDL server = Btsdk_EnumLocalServer(enumeration, &attr);
        if (!server) break;
        const auto* block = static_cast<const BTUINT8*>(attr.ext_attributes);
        const int port = block ? block[kPortOffset] : 0;
        if (block) Btsdk_FreeMemory(attr.ext_attributes);
        if (attr.service_class != btclass::kSerialPort) continue;
        BTUINT16 status = 0;
        Btsdk_GetServerStatus(server, &status);
        servers.push_back({server, port, status});
    }
    Btsdk_EndEnumLocalServer(enumeration);
    return servers;
}

// The section whose "VIRTUALDEV" (one digit) is the server's port, or null.
const char* sectionOf(unsigned int server) {
    const QByteArray settings = CommonSettingsPath();
    char first[2] = {}, second[2] = {};
    GetPrivateProfileString("SPPSERVER1", "VIRTUALDEV", "3", first, sizeof first, settings);
    GetPrivateProfileString("SPPSERVER2", "VIRTUALDEV", "4", second, sizeof second, settings);
    const int port = Btsdk_GetServerPort(server);
    if (port == std::atoi(first)) return "SPPSERVER1";
    if (port == std::atoi(second)) return "SPPSERVER2";
    return nullptr;
}

QString devicePath(int port) { return QLatin1Char(' ') + CvCm_GetSerialDevicePath(port); }

}  // namespace

// Three passes: Enable or Disable by status, status, properties.
QList<QAction*> BtSpp::GetLocalSvrActionList() {
    resetHandles();
    QString name;
    CvCm_GetSvcDisplayName(btclass::kSerialPort, &name);
    const std::vector<LocalServer> servers = serialServers();
    QList<QAction*> list;
    for (const LocalServer& server : servers) {
        if (server.status == BTSDK_SERVER_RUNNING || server.status == BTSDK_SERVER_IN_USE)
            list << addAction(tr("&Disable ") + name + devicePath(server.port), server.handle, OpSvrDisable);
        else if (server.status == BTSDK_SERVER_STOPPED)
            list << addAction(tr("&Enable ") + name + devicePath(server.port), server.handle, OpSvrEnable);
    }
    for (const LocalServer& server : servers)
        list << addAction(tr("&Status") + devicePath(server.port), server.handle, OpSvrStatus);
    for (const LocalServer& server : servers)
        list << addAction(tr("&Properties") + devicePath(server.port), server.handle, OpSvrProperty);
    return list;
}

// A stopped server leaves the table of the servers this plug-in started.
void BtSpp::actionSvrEnable(unsigned int server) {
    if (SwitchProfileServer(server, sectionOf(server)) != ServerSwitch::Stopped) return;
    for (unsigned int& slot : m_hSvr)
        if (slot == server) slot = 0;
}

void BtSpp::StartProfileServer() {
    for (unsigned int& slot : m_hSvr) {
        const int port = CvCm_GetAvailableComPort(btclass::kSerialPort, true);
        if (port == -1) continue;
        slot = Btsdk_RegisterSPPService(BTUINT16(port));
        Btsdk_StartServer(slot);
    }
}

void BtSpp::StopProfileServer() { deleteDispatchers(); }
