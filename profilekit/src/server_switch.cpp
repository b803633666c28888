#include "profilekit/server_switch.h"

#include <cstdlib>

#include "corvclient/btsdk.h"
#include "cvcommon/profile_ini.h"
#include "cvcommon/service_classes.h"
#include "profilekit/settings_file.h"

namespace {

void writeStatus(const char* section, const char* value) {
    if (section) Btsdk_WritePrivateProfileString(section, "status", value, CommonSettingsPath());
}

BTUINT16 statusOf(unsigned int server) {
    BTUINT16 status = 0;
    Btsdk_GetServerStatus(server, &status);
    return status;
}

}  // namespace

const char* ServerStatusSection(unsigned short serviceClass) {
    switch (serviceClass) {
        case btclass::kObjectPush: return "OPPSERVER";
        case btclass::kFileTransfer: return "FTPSERVER";
        case btclass::kPanGroup: return "PANSERVER";
        case btclass::kSerialPort: {
            // One digit of each; the serial server in use is the one whose virtual device is 0.
            const QByteArray settings = CommonSettingsPath();
            char first[2] = {}, second[2] = {};
            GetPrivateProfileString("SPPSERVER1", "VIRTUALDEV", "3", first, sizeof first, settings);
            GetPrivateProfileString("SPPSERVER2", "VIRTUALDEV", "4", second, sizeof second, settings);
            if (std::atoi(first) == 0) return "SPPSERVER1";
            if (std::atoi(second) == 0) return "SPPSERVER2";
            return nullptr;
        }
        default:
            return nullptr;
    }
}

ServerSwitch SwitchProfileServer(unsigned int server, const char* section) {
    const BTUINT16 status = statusOf(server);
    if (!Btsdk_IsBluetoothReady()) return ServerSwitch::None;
    if (status == BTSDK_SERVER_STOPPED) {
        Btsdk_StartServer(server);
        writeStatus(section, "enable");
        return ServerSwitch::Started;
    }
    if (status == BTSDK_SERVER_RUNNING || status == BTSDK_SERVER_IN_USE) {
        Btsdk_StopServer(server);
        writeStatus(section, "disable");
        return ServerSwitch::Stopped;
    }
    return ServerSwitch::None;
}

ServerSwitch SwitchServerFromStatusWindow(unsigned int server) {
    if (!Btsdk_IsBluetoothReady()) return ServerSwitch::None;
    BtsdkLocalServerAttr attr{};
    attr.mask = BTSDK_LSA_MASK_EXT;
    Btsdk_GetServerAttributes(server, &attr);
    const char* section = ServerStatusSection(attr.service_class);
    const BTUINT16 status = statusOf(server);
    if (status == BTSDK_SERVER_STOPPED) {
        Btsdk_StartServer(server);
        writeStatus(section, "enable");
        return ServerSwitch::Started;
    }
    if (status == BTSDK_SERVER_RUNNING) {
        writeStatus(section, "disable");
        Btsdk_StopServer(server);
        return ServerSwitch::Stopped;
    }
    return ServerSwitch::None;
}
