#include "cvcommon/cv_skin.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "cvcommon/profile_ini.h"
#include "cvcommon/settings_paths.h"
#include "name_tables.h"

char CCvSkin::m_szSkinRootPath[256];
char CCvSkin::m_szSkinIniPath[256];

namespace {

// The picture key of a profile: the class's key with its state's suffix.
std::string profileKey(int svcClass, int state) {
    std::string key;
    for (const cvcommon::ProfileKey& row : cvcommon::m_proileKey)
        if (row.serviceClass == svcClass) {
            key = row.key;
            break;
        }
    return key + (state == 5 ? "-disable" : state == 6 ? "-connect" : "-normal");
}

// The picture key of a remote device: the key of its class bits 0x1FFC.
std::string deviceKey(int deviceClass, int state) {
    std::string key = "unknown";
    for (const cvcommon::DeviceClassKey& row : cvcommon::s_DEVCLSMAP)
        if (row.code == (static_cast<unsigned>(deviceClass) & 0x1FFC)) {
            key = row.key;
            break;
        }
    return key + (state == 8 ? "-connect" : "-normal");
}

const char* iconName(int number) {
    for (const cvcommon::IconKey& row : cvcommon::s_iconKeyMap)
        if (static_cast<int>(row.number) == number) return row.name;
    return "";
}

const char* selectionKey(int state) {
    switch (state) {
        case 0: return "select-local";
        case 4: return "select-profile";
        case 7: return "select-remote";
        default: return "";
    }
}

QString pic(const std::string& key) {
    return CCvSkin::GetPathFromSkinSetting("pic", key.c_str());
}

// "dir/name", cut to the buffer.
void joinPath(char (&out)[256], const char* dir, const char* name) {
    snprintf(out, sizeof out, "%s", (std::string(dir) + "/" + name).c_str());
}

int layoutValue(const char* key, int def, const char* scheme) {
    return GetPrivateProfileInt("ProfilePos", key, def, scheme);
}

}  // namespace

CCvSkin::~CCvSkin() = default;

int CCvSkin::Init(char*, char*) {
    char dir[256] = {};
    CvCm_GetWorkingDir(dir, sizeof dir);
    char settings[260] = {};
    CvCm_GetCommonSettingFilePath(settings, sizeof settings);
    char value[256] = {};
    GetPrivateProfileString("Skin", "SkinRoot", "CVSkin", value, sizeof value, settings);
    joinPath(m_szSkinRootPath, dir, value);
    GetPrivateProfileString("Skin", "scheme", "Default.ini", value, sizeof value, settings);
    joinPath(m_szSkinIniPath, m_szSkinRootPath, value);
    return 1;
}

int CCvSkin::GetProfileInterval() { return layoutValue("ProfileInterval", 50, m_szSkinIniPath); }
int CCvSkin::GetProfileMarginY() { return layoutValue("ProfileMarginY", 15, m_szSkinIniPath); }
int CCvSkin::GetProfileMarginX() { return layoutValue("ProfileMarginX", 20, m_szSkinIniPath); }

// Image values are read into 32 bytes: file names of at most 31 characters.
QString CCvSkin::GetPathFromSkinSetting(const char* section, const char* key) {
    char file[32] = {};
    GetPrivateProfileString(section, key, "", file, sizeof file, m_szSkinIniPath);
    return QString::fromLocal8Bit(m_szSkinRootPath) + QLatin1Char('/') + QString::fromLocal8Bit(file);
}

QString CCvSkin::GetImgPath(int kind, int key, int state) {
    switch (kind) {
        case 0: return pic("back");
        case 1: return pic("local-normal");
        case 2: return pic(profileKey(key, state));
        case 4: return pic(deviceKey(key, state));
        case 5: return pic("pair");
        case 6: return pic("mute");
        case 7: return pic(selectionKey(state));
        case 9: return pic(state != 0 ? "up-scroll-disable" : "up-scroll");
        case 10: return pic(state != 0 ? "down-scroll-disable" : "down-scroll");
        case 11: return GetPathFromSkinSetting("icons", iconName(key));
        case 12: return pic("inquiry");
        case 13: return pic("local-config");
        case 14: return pic("over-local");
        case 15: return pic("over-remote");
        case 16: return pic("over-profile");
        case 17: return pic("over-scroll");
        case 18: return pic("service-diable");
        default: return {};
    }
}
