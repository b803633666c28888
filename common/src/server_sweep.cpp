// Starting and stopping the plug-ins' servers; after a start, the servers that the
// common settings file marks "disable" are stopped again.
#include <cstdlib>
#include <cstring>

#include "corvclient/btsdk.h"
#include "cvcommon/profile_ini.h"
#include "cvcommon/profile_plug_mng.h"
#include "cvcommon/settings_paths.h"
#include "plugin_entry.h"

using cvcommon::entry;

namespace {

// The "VIRTUALDEV" number of a serial server section, from at most two characters.
int reservedPort(const char* section, const char* def, const char* settings) {
    char text[3] = {};
    GetPrivateProfileString(section, "VIRTUALDEV", def, text, sizeof text, settings);
    return atoi(text);
}

// The settings section whose "status" decides about a server of the class, or null.
const char* statusSection(unsigned short svcClass, const char* settings) {
    switch (svcClass) {
        case 0x1105: return "OPPSERVER";
        case 0x1106: return "FTPSERVER";
        case 0x1117: return "PANSERVER";
        case 0x1101:
            if (reservedPort("SPPSERVER1", "3", settings) == 0) return "SPPSERVER1";
            if (reservedPort("SPPSERVER2", "4", settings) == 0) return "SPPSERVER2";
            return nullptr;
        default: return nullptr;
    }
}

}  // namespace

void ProfilePlugMng::_StartProfileServer() {
    for (_ProfilePlugInfo* plugin : m_list)
        if (auto start = entry<StartProfileServerFunc>(plugin, "StartProfileServer")) start();

    char settings[260] = {};
    CvCm_GetCommonSettingFilePath(settings, sizeof settings);
    BTSDKHANDLE enumeration = Btsdk_StartEnumLocalServer();
    if (!enumeration) return;
    BtsdkLocalServerAttr attr{};
    while (BTSVCHDL server = Btsdk_EnumLocalServer(enumeration, &attr)) {
        char status[16] = {};
        if (const char* section = statusSection(attr.service_class, settings))
            GetPrivateProfileString(section, "status", "enable", status, sizeof status, settings);
        if (strcmp(status, "disable") == 0) Btsdk_StopServer(server);
        attr = {};
    }
    Btsdk_EndEnumLocalServer(enumeration);
}

void ProfilePlugMng::_StopProfileServer() {
    for (_ProfilePlugInfo* plugin : m_list)
        if (auto stop = entry<StopProfileServerFunc>(plugin, "StopProfileServer")) stop();
}
