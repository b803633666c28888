/* Audio/video source and remote-control target, and human interface devices. */
#ifndef CORVCLIENT_BTSDK_AV_HID_H
#define CORVCLIENT_BTSDK_AV_HID_H

#include "btsdk_types.h"

BTSDK_BEGIN_DECLS

typedef void (*BtsdkAvEventCallback)(BTUINT16 event, void* data); /* data is always null */
typedef void (*BtsdkAvCommandCallback)(BTUINT8 operation, BTUINT8 state);

/* One registration serves both services and is made once per process; so is the
 * unregistration. */
BTSDK_API BTSVCHDL Btsdk_RegisterAVRCPTGService(void);
BTSDK_API BTSVCHDL Btsdk_RegisterA2DPSRCService(void);
BTSDK_API BTRESULT Btsdk_UnregisterAVRCPTGService(void);
BTSDK_API BTRESULT Btsdk_UnregisterA2DPSRCService(void);
BTSDK_API void Btsdk_AVRCP_RegIndCbk(BtsdkAvEventCallback callback);
BTSDK_API void Btsdk_AVRCP_RegPassThrCmdCbk(BtsdkAvCommandCallback callback);

/* The byte results read 2 for the general failure, 4 for an invalid parameter and 6 for
 * out of memory. */
BTSDK_API BTUINT8 Btsdk_HidInit(void);
BTSDK_API BTUINT8 Btsdk_HidSetQosCmdFlags(BTUINT8 flag);
/* information starts with its own size in bytes; record is 20 bytes. */
BTSDK_API BTRESULT Btsdk_Hid_ClntPluggedDev(const BTUINT8* address, const void* information,
                                            const BTUINT8* record);
BTSDK_API BTRESULT Btsdk_Hid_ClntUnPluggedDev(const BTUINT8* address);
BTSDK_API BTRESULT Btsdk_Hid_ClntDisableAutoConnect(void);
BTSDK_API BTUINT8 Btsdk_Hid_GetPlugFlag(const BTUINT8* address);
BTSDK_API BTUINT8 Btsdk_Hid_GetSubClass(const BTUINT8* address);

BTSDK_END_DECLS

#endif
