#include "profilekit/settings_file.h"

#include "cvcommon/settings_paths.h"

QByteArray CommonSettingsPath() {
    char path[256] = {};
    CvCm_GetCommonSettingFilePath(path, sizeof path);
    return path;
}
