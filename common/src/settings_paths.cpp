#include "cvcommon/settings_paths.h"

#include <cstdio>
#include <cstring>

namespace {

char WORKING_DIR[256];  // written only by CvCm_SetWorkingDir

void filePath(const char* name, char* buf, int size) {
    if (!buf || size <= 0) return;
    snprintf(buf, static_cast<size_t>(size), "%s/%s", WORKING_DIR, name);
}

}  // namespace

void CvCm_SetWorkingDir(const char* dir) {
    snprintf(WORKING_DIR, sizeof WORKING_DIR, "%s", dir ? dir : "");
}

void CvCm_GetWorkingDir(char* buf, int size) {
    if (!buf || size <= 0) return;
    snprintf(buf, static_cast<size_t>(size), "%s", WORKING_DIR);
}

void CvCm_GetCommonSettingFilePath(char* buf, int size) {
    filePath("BtSettings.INI", buf, size);
}

void CvCm_GetZELMobilePath(char* buf, int size) {
    filePath("ZELMobile.INI", buf, size);
}

void CvCm_GetZELProviderPath(char* buf, int size) {
    filePath("ZELProvider.INI", buf, size);
}
