// Shortcuts, connections and virtual serial (COM) ports as the serial-port and dial-up
// plug-ins and the host use them. COM ports come from the common settings file: the
// "VIRTUALDEV" key of "SPPSERVER1", "SPPSERVER2", "SPPCLIENT1", "SPPCLIENT2" and
// "DunClient".
#pragma once

#include "cvcommon_api.h"

struct BtsdkShortcutProperty;

// Btsdk_GetShortCutProperty on the caller's record (shortcut and mask filled in): true
// for result 0 and for 775, which the client library reads like success (the record is
// copied back, its block cut to the caller's length).
CVCOMMON_API bool CvCm_ReadShortcutProperty(BtsdkShortcutProperty* property);

// The COM port a local serial server announces; -1: servers announce none.
CVCOMMON_API int CvCm_GetLocalSPPSvrComPort(unsigned int server);

// A free COM port for a serial-port server (from SPPSERVER1, then SPPSERVER2), a
// serial-port client (SPPCLIENT1, then SPPCLIENT2, skipping ports of connected
// shortcuts) or a dial-up client (DunClient as it stands); -1 when there is none.
CVCOMMON_API int CvCm_GetAvailableComPort(unsigned short svcClass, bool forServer);

// The COM port kept in a serial-type shortcut's attribute block, or -1.
CVCOMMON_API int CvCm_GetComPortByShortcut(unsigned int shortcut, unsigned short svcClass);

CVCOMMON_API bool CvCm_IsShortcutConnected(unsigned int shortcut);
// True when a remote device reached the shortcut's service through a connection to the
// complementary local server (an audio gateway connection for a headset shortcut, ...).
CVCOMMON_API bool CvCm_IsShortcutRelatedConnected(unsigned int shortcut);

// The existing shortcut of the device's service, or a new one (for a HID service with
// its PnP header and extended attributes). 772 when a handle is 0, else the client
// library's result; the handle goes where shortcutOut points unless it is null.
CVCOMMON_API int CvCm_CreateShortCut(unsigned int device, unsigned int service,
                                     unsigned int* shortcutOut);
