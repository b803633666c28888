/* Profile connections: open, close, inspect and list them. */
#ifndef CORVCLIENT_BTSDK_CONN_H
#define CORVCLIENT_BTSDK_CONN_H

#include <glib.h>

#include "btsdk_types.h"

BTSDK_BEGIN_DECLS

#define BTSDK_CONN_PROPERTY_LEN 28
#define BTSDK_CONNECT_EX_COMPLETE_EVENT 116

/* Connection property record: the service's 28-byte record, field by field. */
typedef struct BtsdkConnectionProperty {
    BTUINT32 flags;
    BTDEVHDL device;
    BTSVCHDL service;
    BTUINT16 service_class;
    BTUINT16 padding;
    BTUINT32 duration_ms;
    BTUINT32 received_bytes;
    BTUINT32 sent_bytes;
} BtsdkConnectionProperty;

/* The record that "signal_connect_ex_complete" fills: set g_conn_call_param to one
 * before the signal can arrive, then wait on its condition while done is 0. */
typedef struct BtsdkConnCallParam {
    GCond cond;
    GMutex mutex;
    int done;
    BTUINT32 result;
    BTCONNHDL connection;
} BtsdkConnCallParam;

BTSDK_API extern BTUINT32 g_ConnCbkFuncReg[117];
BTSDK_API extern BtsdkConnCallParam* g_conn_call_param;

/* Waited calls. The parameter block of Btsdk_ConnectEx starts with its size, which the
 * library writes: 772 bytes for object push (0x1105), 160 for audio sink (0x110B), 8
 * otherwise; the block must be at least that large. A null block sends no parameters. */
BTSDK_API BTRESULT Btsdk_Connect(BTDEVHDL device, BTUINT32 service_class, BTCONNHDL* connection);
BTSDK_API BTRESULT Btsdk_ConnectEx(BTDEVHDL device, BTUINT16 service_class, void* param,
                                   BTCONNHDL* connection);
BTSDK_API BTRESULT Btsdk_Disconnect(BTCONNHDL connection);
BTSDK_API BTRESULT Btsdk_GetConnectionProperty(BTCONNHDL connection,
                                               BtsdkConnectionProperty* property);
/* Copy at most max handles; return how many were copied. */
BTSDK_API BTUINT32 Btsdk_GetAllIncomingConnections(BTCONNHDL* handles, BTUINT32 max);
BTSDK_API BTUINT32 Btsdk_GetAllOutgoingConnections(BTCONNHDL* handles, BTUINT32 max);
BTSDK_API BTSDKHANDLE Btsdk_StartEnumConnection(void);
BTSDK_API BTCONNHDL Btsdk_EnumConnection(BTSDKHANDLE enumeration,
                                         BtsdkConnectionProperty* property);
BTSDK_API BTRESULT Btsdk_EndEnumConnection(BTSDKHANDLE enumeration);
BTSDK_API BTUINT16 Btsdk_GetServerPort(BTCONNHDL connection);
BTSDK_API BTUINT16 Btsdk_GetACLHandle(BTCONNHDL connection);
BTSDK_API void ConnectConnDbusSignal(BTUINT32 event);

BTSDK_END_DECLS

#endif
