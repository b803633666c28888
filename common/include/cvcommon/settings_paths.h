// The suite's working directory, which holds the settings files and the plug-ins, and
// the paths of its three settings files. The host sets the directory before anything
// else of this library is used.
#pragma once

#include "cvcommon_api.h"

// Keeps at most 255 characters of `dir`.
CVCOMMON_API void CvCm_SetWorkingDir(const char* dir);
// The functions below copy at most size - 1 characters into `buf`, NUL-terminated, and
// do nothing when `buf` is null or `size` is not positive.
CVCOMMON_API void CvCm_GetWorkingDir(char* buf, int size);
// "<working dir>/BtSettings.INI", "<working dir>/ZELMobile.INI", "<working dir>/ZELProvider.INI".
CVCOMMON_API void CvCm_GetCommonSettingFilePath(char* buf, int size);
CVCOMMON_API void CvCm_GetZELMobilePath(char* buf, int size);
CVCOMMON_API void CvCm_GetZELProviderPath(char* buf, int size);
