// Personal-area-network area: the local server and its events.
#include <vector>

#include "call.h"
#include "corv_marshal.h"
#include "corvclient/btsdk_profiles.h"
#include "signal_subscription.h"

using namespace corv;

BtsdkPanEventCallback g_PanCbkFunc = nullptr;
int g_PanCbkFuncReg = 0;

namespace {

void onPanEvent(DBusGProxy*, guint event, guint length, GArray* data, gpointer) {
    BtsdkPanEventCallback callback = g_PanCbkFunc;
    if (!callback || !data) return;
    // The callback gets exactly `length` bytes: the event's, zero past their end.
    std::vector<BTUINT8> block(length, 0);
    for (guint i = 0; i < length && i < data->len; ++i) block[i] = g_array_index(data, guint8, i);
    callback(static_cast<BTUINT16>(event), static_cast<BTUINT16>(length), block.data());
}

}  // namespace

extern "C" {

BTRESULT Btsdk_RegisterPANService(BTUINT16 role, BTUINT16 length, const BTUINT8* data) {
    if (role != 0x1115 && role != 0x1116 && role != 0x1117) return BTSDK_ER_INVALID_PARAMETER;
    if (length && !data) return BTSDK_ER_INVALID_PARAMETER;
    const ByteArray bytes(data, length);
    guint result = 0;
    callSync<method::RegisterPanService>("Btsdk_RegisterPANService Error: %s\n",
                                         ins(guint{role}, guint{length}, &bytes), outs(&result));
    return result;
}

BTRESULT Btsdk_UnregisterPANService(void) {
    return callForResult<method::UnregisterPanService>("Btsdk_UnregisterPANService Error: %s\n");
}

void Btsdk_PAN_RegIndCbk(BtsdkPanEventCallback callback) {
    if (!callback) return;
    g_PanCbkFunc = callback;
    DBusGProxy* proxy = proxyFor(ProxyId::Pan);
    if (proxy && !g_PanCbkFuncReg) {
        g_PanCbkFuncReg = 1;
        subscribeSignal(proxy, signal::PanEvent, G_CALLBACK(onPanEvent),
                        g_cclosure_user_marshal_VOID__UINT_UINT_BOXED);
    }
    callForResult<method::PanRegisterEventCbk>("Btsdk_PAN_RegIndCbk Error: %s\n");
}

}  // extern "C"
