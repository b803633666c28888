/* Bluetooth start and stop, readiness, the service's settings files and trace records. */
#ifndef CORVCLIENT_BTSDK_INIT_H
#define CORVCLIENT_BTSDK_INIT_H

#include "btsdk_types.h"

BTSDK_BEGIN_DECLS

/* Trace receiver: (always 0, record kind, value, record bytes valid during the call). */
typedef void (*BtsdkTraceCallback)(BTUINT32 zero, BTUINT8 kind, BTINT32 value, BTUINT8* data);

/* Waited calls: do not call them on the thread that alone dispatches the library's
 * connection (an application's GLib loop thread), as the reply is dispatched there. */
BTSDK_API BTRESULT Btsdk_StartBluetooth(void);
BTSDK_API BTRESULT Btsdk_StopBluetooth(void);
BTSDK_API BTBOOL Btsdk_IsSDKInitialized(void);
BTSDK_API BTBOOL Btsdk_IsBluetoothReady(void);
BTSDK_API BTRESULT Btsdk_WritePrivateProfileString(const char* section, const char* key,
                                                   const char* value, const char* file);
BTSDK_API BTRESULT Btsdk_WritePrivateProfileInt(const char* section, const char* key,
                                                BTUINT32 value, const char* file);
BTSDK_API BTRESULT Btsdk_RegisterTraceCallback(BtsdkTraceCallback callback);
BTSDK_API BTRESULT Btsdk_UnRegisterTraceCallback(void);
BTSDK_API void Btsdk_FreeMemory(void* memory);

BTSDK_END_DECLS

#endif
