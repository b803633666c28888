// Audio/video area: the one-time service registration and the remote-control
// indications.
#include "call.h"
#include "corv_marshal.h"
#include "corvclient/btsdk_av_hid.h"
#include "signal_subscription.h"

using namespace corv;

BtsdkAvEventCallback m_pfnAvEvent = nullptr;
BtsdkAvCommandCallback m_pfnAvCmd = nullptr;

namespace {

// A call made once per process whose answer is kept and returned from then on. Until a
// call succeeds the answer is the preset: no handle (0) for the registration, the general
// failure for the unregistration, whose answer is a result code.
struct OnceCall {
    bool done = false;
    guint value;
};
OnceCall s_registration{false, 0};
OnceCall s_unregistration{false, BTSDK_ER_FAIL};

template <const Method& M>
guint callOnce(OnceCall& once, const char* failText) {
    if (once.done) return once.value;
    guint value = 0;
    if (callSync<M>(failText, ins(), outs(&value))) {
        once.value = value;
        once.done = true;
    }
    return once.value;
}

void onAvEvent(DBusGProxy*, guint event, GArray*, gpointer) {
    if (BtsdkAvEventCallback callback = m_pfnAvEvent) {
        callback(static_cast<BTUINT16>(event & 0xFFFF), nullptr);
    }
}

void onAvControl(DBusGProxy*, guchar operation, guchar state, gpointer) {
    if (BtsdkAvCommandCallback callback = m_pfnAvCmd) callback(operation, state);
}

}  // namespace

extern "C" {

BTSVCHDL Btsdk_RegisterAVRCPTGService(void) {
    return callOnce<method::RegisterAvService>(s_registration,
                                               "Btsdk_RegisterAVRCPTGService Error: %s\n");
}

BTSVCHDL Btsdk_RegisterA2DPSRCService(void) { return Btsdk_RegisterAVRCPTGService(); }

BTRESULT Btsdk_UnregisterAVRCPTGService(void) {
    return callOnce<method::UnregisterAvService>(s_unregistration,
                                                 "Btsdk_UnregisterAVRCPTGService Error: %s\n");
}

BTRESULT Btsdk_UnregisterA2DPSRCService(void) { return Btsdk_UnregisterAVRCPTGService(); }

void Btsdk_AVRCP_RegIndCbk(BtsdkAvEventCallback callback) {
    if (!callback || callback == m_pfnAvEvent) return;
    m_pfnAvEvent = callback;
    // Subscribed once: a later registration only replaces the callback, so a signal
    // never reaches the application twice.
    subscribeOnce(ProxyId::AvCbk, signal::AvEventInd, G_CALLBACK(onAvEvent),
                  g_cclosure_user_marshal_VOID__UINT_BOXED);
}

void Btsdk_AVRCP_RegPassThrCmdCbk(BtsdkAvCommandCallback callback) {
    if (!callback || callback == m_pfnAvCmd) return;
    m_pfnAvCmd = callback;
    subscribeOnce(ProxyId::AvCbk, signal::AvControlOp, G_CALLBACK(onAvControl),
                  g_cclosure_user_marshal_VOID__UCHAR_UCHAR);
}

}  // extern "C"
