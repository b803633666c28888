// Personal-area-network area: the local server and its events.
#include <vector>

#include "call.h"
#include "corv_marshal.h"
#include "corvclient/btsdk_profiles.h"
#include "signal_decoders.h"
#include "signal_subscription.h"

using namespace corv;

BtsdkPanEventCallback g_PanCbkFunc = nullptr;
int g_PanCbkFuncReg = 0;

namespace {

void onPanEvent(DBusGProxy*, guint event, guint length, GArray* data, gpointer) {
    BtsdkPanEventCallback callback = g_PanCbkFunc;
    if (!callback || !data) return;
    // The callback gets a fresh block of the event's bytes, freed when it returns.
    std::vector<BTUINT8> block = panEventBlock(data, length);
    callback(static_cast<BTUINT16>(event), static_cast<BTUINT16>(block.size()), block.data());
}

}  // namespace

extern "C" {

BTRESULT Btsdk_RegisterPANService(BTUINT16 role, BTUINT16 length, const BTUINT8* data) {
    if (role != 0x1115 && role != 0x1116 && role != 0x1117) return BTSDK_ER_INVALID_PARAMETER;
    if (length && !data) return BTSDK_ER_INVALID_PARAMETER;
    const ByteArray bytes(data, length);
    // A failed call is the general failure: the caller goes on only on 0.
    return callForResult<method::RegisterPanService>("Btsdk_RegisterPANService Error: %s\n",
                                                     guint{role}, guint{length}, &bytes);
}

BTRESULT Btsdk_UnregisterPANService(void) {
    return callForResult<method::UnregisterPanService>("Btsdk_UnregisterPANService Error: %s\n");
}

void Btsdk_PAN_RegIndCbk(BtsdkPanEventCallback callback) {
    if (!callback) return;
    g_PanCbkFunc = callback;
    if (!g_PanCbkFuncReg && subscribeOnce(ProxyId::Pan, signal::PanEvent, G_CALLBACK(onPanEvent),
                                          g_cclosure_user_marshal_VOID__UINT_UINT_BOXED)) {
        g_PanCbkFuncReg = 1;
    }
    callForResult<method::PanRegisterEventCbk>("Btsdk_PAN_RegIndCbk Error: %s\n");
}

}  // extern "C"
