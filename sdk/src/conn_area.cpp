// Connection area: open, close, inspect and list profile connections.
#include <cstring>

#include "call.h"
#include "corv_marshal.h"
#include "conn_param.h"
#include "corvclient/btsdk_conn.h"
#include "handle_list.h"
#include "records.h"
#include "signal_subscription.h"

using namespace corv;

BTUINT32 g_ConnCbkFuncReg[117];
BtsdkConnCallParam* g_conn_call_param = nullptr;

namespace {

BTRESULT connectWaited(BTDEVHDL device, BTUINT32 serviceClass, const ByteArray* param,
                       BTCONNHDL* connection) {
    // The connect operations make the area proxy on the second request connection when
    // they are its first use.
    if (libraryStarted()) proxyFor(ProxyId::Conn, ConnectionSlot::Request2);
    guint handle = 0, result = BTSDK_ER_FAIL;
    bool ok = param ? callWaited<method::ConnectEx>("Btsdk_ConnectEx async error.",
                                                    "ConnectExCbk Error: %s\n",
                                                    ins(guint{device}, guint{serviceClass}, param),
                                                    outs(&handle, &result))
                    : callWaited<method::Connect>("Btsdk_Connect async error.",
                                                  "ConnectExCbk Error: %s\n",
                                                  ins(guint{device}, guint{serviceClass}),
                                                  outs(&handle, &result));
    if (ok && result == BTSDK_OK) *connection = handle;
    return result;
}

BTUINT32 allConnections(bool incoming, BTCONNHDL* handles, BTUINT32 max) {
    OutBytes bytes;
    guint count = 0;
    bool ok = incoming ? callSync<method::GetAllIncomingConnections>(
                             "Btsdk_GetAllIncomingConnections Error: %s\n", ins(guint{max}),
                             outs(&bytes, &count))
                       : callSync<method::GetAllOutgoingConnections>(
                             "Btsdk_GetAllOutgoingConnections Error: %s\n", ins(guint{max}),
                             outs(&bytes, &count));
    return ok ? copyHandles(bytes, count, handles, max) : 0;
}

void ConnectExCompleteHandler(DBusGProxy*, guint connection, guint result, gpointer) {
    BtsdkConnCallParam* param = g_conn_call_param;
    if (!param) return;
    g_mutex_lock(&param->mutex);
    param->connection = connection;
    param->result = result;
    param->done = 1;
    g_cond_signal(&param->cond);
    g_mutex_unlock(&param->mutex);
}

}  // namespace

extern "C" {

BTRESULT Btsdk_Connect(BTDEVHDL device, BTUINT32 service_class, BTCONNHDL* connection) {
    if (!device || !connection) return BTSDK_ER_INVALID_PARAMETER;
    return connectWaited(device, service_class, nullptr, connection);
}

BTRESULT Btsdk_ConnectEx(BTDEVHDL device, BTUINT16 service_class, void* param,
                         BTCONNHDL* connection) {
    if (!device || !connection) return BTSDK_ER_INVALID_PARAMETER;
    const ByteArray bytes = connectParamBytes(param, service_class);
    return connectWaited(device, service_class, &bytes, connection);
}

BTRESULT Btsdk_Disconnect(BTCONNHDL connection) {
    if (!connection) return BTSDK_ER_INVALID_PARAMETER;
    return callForResult<method::Disconnect>("Btsdk_Disconnect Error: %s\n", guint{connection});
}

BTRESULT Btsdk_GetConnectionProperty(BTCONNHDL connection, BtsdkConnectionProperty* property) {
    if (!connection || !property) return BTSDK_ER_INVALID_PARAMETER;
    OutBytes bytes;
    guint result = BTSDK_ER_FAIL;
    if (callSync<method::GetConnectionProperty>("Btsdk_GetConnectionProperty Error: %s\n",
                                                ins(guint{connection}), outs(&bytes, &result))) {
        uint8_t image[BTSDK_CONN_PROPERTY_LEN];
        bytes.copyTo(image, sizeof image);
        unpackConnectionProperty(image, *property);
    }
    return result;
}

BTUINT32 Btsdk_GetAllIncomingConnections(BTCONNHDL* handles, BTUINT32 max) {
    return allConnections(true, handles, max);
}

BTUINT32 Btsdk_GetAllOutgoingConnections(BTCONNHDL* handles, BTUINT32 max) {
    return allConnections(false, handles, max);
}

BTSDKHANDLE Btsdk_StartEnumConnection(void) {
    guint enumeration = 0;
    callSync<method::StartEnumConnection>("Btsdk_StartEnumConnection Error: %s\n", ins(),
                                          outs(&enumeration));
    return enumeration;
}

BTCONNHDL Btsdk_EnumConnection(BTSDKHANDLE enumeration, BtsdkConnectionProperty* property) {
    if (!property) return 0;
    OutBytes bytes;
    guint connection = 0;
    if (!callSync<method::EnumConnection>("Btsdk_EnumConnection Error: %s\n",
                                          ins(guint{enumeration}), outs(&bytes, &connection))) {
        return 0;
    }
    uint8_t image[BTSDK_CONN_PROPERTY_LEN];
    bytes.copyTo(image, sizeof image);
    unpackConnectionProperty(image, *property);
    return connection;
}

BTRESULT Btsdk_EndEnumConnection(BTSDKHANDLE enumeration) {
    gint result = static_cast<gint>(BTSDK_ER_FAIL);
    callSync<method::EndEnumConnection>("Btsdk_EndEnumConnection Error: %s\n",
                                        ins(guint{enumeration}), outs(&result));
    return static_cast<BTRESULT>(result);
}

BTUINT16 Btsdk_GetServerPort(BTCONNHDL connection) {
    if (!connection) return 0;
    guint port = 0;
    callSync<method::GetServerPort>("Btsdk_GetServerPort async error", ins(guint{connection}),
                                    outs(&port));
    return static_cast<BTUINT16>(port & 0xFFFF);
}

BTUINT16 Btsdk_GetACLHandle(BTCONNHDL connection) {
    if (!connection) return 0;
    guint acl = 0;
    callSync<method::GetAclHandle>("Btsdk_GetACLHandle async error", ins(guint{connection}),
                                   outs(&acl));
    return static_cast<BTUINT16>(acl & 0xFFFF);
}

void ConnectConnDbusSignal(BTUINT32 event) {
    if (event != BTSDK_CONNECT_EX_COMPLETE_EVENT || g_ConnCbkFuncReg[event]) return;
    if (subscribeOnce(ProxyId::Conn, signal::ConnectExComplete, G_CALLBACK(ConnectExCompleteHandler),
                      g_cclosure_user_marshal_VOID__UINT_UINT)) {
        g_ConnCbkFuncReg[event] = 1;
    }
}

}  // extern "C"
