// Display texts of device classes, service classes, local servers, shortcuts and remote
// devices. Texts are translated in the context "cvcommon"; the fallbacks ("Unknown
// device", "Unrecognized", "Unknown") and the status words in the context QObject.
#pragma once

#include <QString>

#include "cvcommon_api.h"

// The minor-class name of the class's low 13 bits, or "Unknown device".
CVCOMMON_API QString CvCm_GetDeviceClsNameString(unsigned int devClass);

// The service class's name, local description or remote description ("Unrecognized"
// for a class outside the table; a description the table leaves empty stays empty).
// They always return 0.
CVCOMMON_API int CvCm_GetSvcDisplayName(unsigned short svcClass, QString* out);
CVCOMMON_API int CvCm_GetLocSvcDesc(unsigned short svcClass, QString* out);
CVCOMMON_API int CvCm_GetRmtSvcDesc(unsigned short svcClass, QString* out);

// The name of the local server's service class: 772 for a null handle, the client
// library's result when the server's attributes cannot be read, else 0.
CVCOMMON_API int CvCm_GetLocSvcDisplayName(unsigned int server, QString* out);

// "Connected", "Idle" or "Disabled": 0 for a null handle (out untouched), else 1.
CVCOMMON_API int CvCm_GetLocSvcStatusString(unsigned int server, QString* out);
CVCOMMON_API int CvCm_GetRmtSvcStatusString(unsigned int shortcut, QString* out);

// The device's name as UTF-8, asked with `length` as the name's room (at most 128); empty
// when it has none or the service cannot be asked.
CVCOMMON_API QString CvCm_GetRmtDevName(unsigned int device, unsigned short length);
// The device's name, or its address as "xx:xx:xx:xx:xx:xx" when it has none.
CVCOMMON_API QString CvCm_GetRmtDevDisplayName(unsigned int device, unsigned short length = 64);
// The same for the shortcut's device; "Unknown" when the shortcut cannot be read
// (CvCm_ReadShortcutProperty).
CVCOMMON_API QString CvCm_GetDeviceNameByShortcut(unsigned int shortcut);

// 1 for the service classes of the local servers that the host lists, else 0.
CVCOMMON_API int CvCm_ShouldShowThisLocalServer(unsigned short svcClass);
