// COM ports: the ones the settings file reserves, which local servers and connected
// shortcuts use, and the one a serial-type shortcut keeps.
#include <cstdlib>
#include <vector>

#include "corvclient/btsdk.h"
#include "cvcommon/profile_ini.h"
#include "cvcommon/settings_paths.h"
#include "cvcommon/shortcut_helpers.h"
#include "helpers.h"

namespace cvcommon {

bool isSerialType(uint16_t serviceClass) {
    for (uint16_t serial : {0x1101, 0x1103, 0x1111, 0x1126, 0x1127})
        if (serviceClass == serial) return true;
    return false;
}

int shortcutPort(unsigned int shortcut, uint16_t* serviceClass) {
    BTUINT8 block[15] = {};
    BtsdkShortcutProperty property{};
    property.shortcut = shortcut;
    property.mask = BTSDK_SHC_MASK_ATTRIBUTES;
    property.attr_len = sizeof block;
    property.attributes = block;
    BTRESULT r = Btsdk_GetShortCutProperty(&property);
    if (r != BTSDK_OK && r != BTSDK_SHC_RESULT_PARTIAL) return -1;  // 775: a larger block
    if (serviceClass) *serviceClass = property.service_class;
    return block[5];
}

}  // namespace cvcommon

namespace {

// The "VIRTUALDEV" text of the section; empty when missing.
bool reservedPort(const char* section, int* port) {
    char path[260] = {};
    CvCm_GetCommonSettingFilePath(path, sizeof path);
    char value[8] = {};
    if (GetPrivateProfileString(section, "VIRTUALDEV", "", value, sizeof value, path) == 0)
        return false;
    *port = atoi(value);
    return true;
}

int freeServerPort() {
    for (const char* section : {"SPPSERVER1", "SPPSERVER2"}) {
        int port = 0;
        if (reservedPort(section, &port) && port > 0 && CvHlp_GetExistLocalSPPServer(port) == 0)
            return port;
    }
    return -1;
}

int freeClientPort() {
    for (const char* section : {"SPPCLIENT1", "SPPCLIENT2"}) {
        int port = 0;
        if (reservedPort(section, &port) && port > 0 && !CvHlp_GetExistSPPClient(port))
            return port;
    }
    return -1;
}

}  // namespace

int CvCm_GetLocalSPPSvrComPort(unsigned int) {
    return -1;
}

int CvCm_GetAvailableComPort(unsigned short svcClass, bool forServer) {
    if (forServer) return svcClass == 0x1101 ? freeServerPort() : -1;
    if (svcClass == 0x1101) return freeClientPort();
    int port = -1;
    if (svcClass == 0x1103 && reservedPort("DunClient", &port)) return port;
    return -1;
}

int CvCm_GetComPortByShortcut(unsigned int shortcut, unsigned short svcClass) {
    return cvcommon::isSerialType(svcClass) ? cvcommon::shortcutPort(shortcut) : -1;
}

int CvHlp_GetLocalSPPSvrComPort(unsigned long server) {
    auto* block = static_cast<BTUINT8*>(calloc(8, 1));
    if (!block) return -1;
    BtsdkLocalServerAttr attr{};
    attr.mask = BTSDK_LSA_MASK_EXT;
    attr.service_class = 0x1101;
    attr.ext_attributes = block;
    int port = Btsdk_GetServerAttributes(static_cast<BTSVCHDL>(server), &attr) == BTSDK_OK ? block[6] : -1;
    Btsdk_FreeMemory(block);
    return port;
}

unsigned int CvHlp_GetExistLocalSPPServer(int port) {
    BTSDKHANDLE enumeration = Btsdk_StartEnumLocalServer();
    if (!enumeration) return 0;
    unsigned int found = 0;
    BtsdkLocalServerAttr attr{};
    while (!found) {
        attr = {};
        BTSVCHDL server = Btsdk_EnumLocalServer(enumeration, &attr);
        if (!server) break;
        if (attr.service_class == 0x1101 && CvHlp_GetLocalSPPSvrComPort(server) == port) found = server;
    }
    Btsdk_EndEnumLocalServer(enumeration);
    return found;
}

bool CvHlp_GetShortcutsByComPort(unsigned long* list, int port, unsigned long* count) {
    if (!count) return false;
    unsigned long capacity = *count;
    *count = 0;
    BTUINT32 total = Btsdk_GetAllShortCuts(nullptr, 0);
    if (total == 0) return false;
    std::vector<BTSHCHDL> all(total);
    total = Btsdk_GetAllShortCuts(all.data(), total);
    unsigned long found = 0;
    for (BTUINT32 i = 0; i < total; ++i) {
        uint16_t serviceClass = 0;
        if (cvcommon::shortcutPort(all[i], &serviceClass) != port || !cvcommon::isSerialType(serviceClass))
            continue;
        if (list && found < capacity) list[found] = all[i];
        ++found;
    }
    *count = found;
    return true;
}

bool CvHlp_GetExistSPPClient(int port) {
    std::vector<unsigned long> list(1024);
    unsigned long count = list.size();
    if (!CvHlp_GetShortcutsByComPort(list.data(), port, &count)) return false;
    for (unsigned long i = 0; i < count && i < list.size(); ++i)
        if (CvCm_IsShortcutConnected(static_cast<unsigned int>(list[i]))) return true;
    return false;
}
