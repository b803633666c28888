/* Serial port, dial-up networking and personal area network. */
#ifndef CORVCLIENT_BTSDK_PROFILES_H
#define CORVCLIENT_BTSDK_PROFILES_H

#include "btsdk_types.h"

BTSDK_BEGIN_DECLS

BTSDK_API BTRESULT Btsdk_RegisterSPPService(BTUINT16 com_port);
BTSDK_API BTRESULT Btsdk_UnregisterSPPService(BTUINT32 key);

BTSDK_API BTRESULT Btsdk_DunInit(void);
BTSDK_API BTRESULT Btsdk_DunDone(void);
BTSDK_API BTRESULT Btsdk_RegisterDUNService(BTUINT16 value);
BTSDK_API BTRESULT Btsdk_UnregisterDUNService(void);
/* A waited call: the eight texts travel as their lengths and their bytes joined. */
BTSDK_API BTRESULT Btsdk_DunDial(const char* text1, const char* text2, const char* text3,
                                 const char* text4, const char* text5, const char* text6,
                                 const char* text7, const char* device);
BTSDK_API BTRESULT Btsdk_DunHangUp(void);

/* PAN event receiver: (event, length, data valid during the call). */
/* data holds `length` bytes: as many as the event's length word says, but never more
 * than the event carried. */
typedef void (*BtsdkPanEventCallback)(BTUINT16 event, BTUINT16 length, BTUINT8* data);

/* role is 0x1115, 0x1116 or 0x1117 (772 otherwise); 0 when the service cannot be asked. */
BTSDK_API BTRESULT Btsdk_RegisterPANService(BTUINT16 role, BTUINT16 length, const BTUINT8* data);
BTSDK_API BTRESULT Btsdk_UnregisterPANService(void);
BTSDK_API void Btsdk_PAN_RegIndCbk(BtsdkPanEventCallback callback);

BTSDK_END_DECLS

#endif
