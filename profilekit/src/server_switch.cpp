#include "profilekit/server_switch.h"

#include "corvclient/btsdk.h"
#include "cvcommon/settings_paths.h"

namespace {

constexpr BTUINT16 kRunning = 1, kStopped = 2, kInUse = 3;

void writeStatus(const char* section, const char* value) {
    if (!section) return;
    char settings[256] = {};
    CvCm_GetCommonSettingFilePath(settings, sizeof settings);
    Btsdk_WritePrivateProfileString(section, "status", value, settings);
}

}  // namespace

ServerSwitch SwitchProfileServer(unsigned int server, const char* section) {
    BTUINT16 status = 0;
    Btsdk_GetServerStatus(server, &status);
    if (!Btsdk_IsBluetoothReady()) return ServerSwitch::None;
    if (status == kStopped) {
        Btsdk_StartServer(server);
        writeStatus(section, "enable");
        return ServerSwitch::Started;
    }
    if (status == kRunning || status == kInUse) {
        Btsdk_StopServer(server);
        writeStatus(section, "disable");
        return ServerSwitch::Stopped;
    }
    return ServerSwitch::None;
}
