/* The local adapter: name, address, class, discovery mode, LMP information, vendor and
 * HCI commands, and the notice of adapter removal. */
#ifndef CORVCLIENT_BTSDK_LOCAL_H
#define CORVCLIENT_BTSDK_LOCAL_H

#include "btsdk_types.h"

BTSDK_BEGIN_DECLS

/* Copies the name with its NUL into name whenever the call succeeds. The buffer should
 * hold BTSDK_LOCAL_NAME_BUF bytes; when len is not null, *len gives its size and the
 * copy is cut to fit, NUL-terminated and never within a UTF-8 character (a size of 0
 * takes nothing). *len is left as it is. */
BTSDK_API BTRESULT Btsdk_GetLocalName(BTUINT8* name, BTUINT16* len);
BTSDK_API BTRESULT Btsdk_SetLocalName(const BTUINT8* name, BTUINT16 len);
BTSDK_API BTRESULT Btsdk_GetLocalDeviceAddress(BTUINT8* address);
BTSDK_API BTRESULT Btsdk_GetLocalDeviceClass(BTUINT32* device_class);
BTSDK_API BTRESULT Btsdk_SetLocalDeviceClass(BTUINT32 device_class);
BTSDK_API BTRESULT Btsdk_GetDiscoveryMode(BTUINT16* mode);
BTSDK_API BTRESULT Btsdk_SetDiscoveryMode(BTUINT16 mode);
BTSDK_API BTRESULT Btsdk_SetDefaultMode(void);
BTSDK_API BTRESULT Btsdk_GetLocalLMPInfo(BTUINT8* info);
BTSDK_API BTRESULT Btsdk_SendVendorCommand(BTUINT16 len, const BTUINT8* command, BTUINT8* reply);
/* param must hold param_len + 2 bytes; reply must hold reply_len bytes. */
BTSDK_API BTRESULT Btsdk_SendHCICommand(BTUINT16 opcode, BTUINT16 param_len, const BTUINT8* param,
                                        BTUINT16 reply_len, BTUINT8* reply);
BTSDK_API BTRESULT Btsdk_BTDeviceUnplug(void);

BTSDK_END_DECLS

#endif
