// CommonSettingsPath: the path of the common settings file ("BtSettings.INI" in the
// working directory) as the INI reader and Btsdk_WritePrivateProfileString take it.
#pragma once

#include <QByteArray>

#include "profilekit_api.h"

PROFILEKIT_EXPORT QByteArray CommonSettingsPath();
