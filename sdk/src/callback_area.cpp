// The general and user-defined event tables: registration, the one-time subscription of
// each event's signal, and the handlers that call the registered functions.
#include "callback_tables.h"
#include "corv_marshal.h"
#include "frame_state.h"
#include "signal_decoders.h"
#include "signal_subscription.h"

using namespace corv;

namespace corv {
BtsdkEventCallback m_cbkFunc[BTSDK_GENERAL_EVENT_COUNT];
unsigned char m_cbkFuncreg[BTSDK_GENERAL_EVENT_COUNT];
BtsdkEventCallback m_usrCbkFunc[BTSDK_USRDEF_EVENT_COUNT];
unsigned char m_usrCbkFuncReg[BTSDK_USRDEF_EVENT_COUNT];
}  // namespace corv

namespace {

BtsdkEventCallback slot(int event) { return m_cbkFunc[event]; }

}  // namespace

extern "C" {

void PinRequestIndHandler(DBusGProxy*, guint device, gpointer) {
    callEvent(slot(BTSDK_PIN_CODE_IND), device);
}
void LinkKeyRequestIndHandler(DBusGProxy*, guint device, gpointer) {
    callEvent(slot(BTSDK_LINK_KEY_REQ_IND), device);
}
void LinkKeyNotificationIndHandler(DBusGProxy*, guint device, GArray* key, gpointer) {
    if (key) callEvent(slot(BTSDK_LINK_KEY_NOTIF_IND), device, SignalBytes(key, BTSDK_LINKKEY_LEN).data());
}
void AuthenticationFailIndHandler(DBusGProxy*, guint device, gpointer) {
    callEvent(slot(BTSDK_AUTHENTICATION_FAIL_IND), device);
}
void InquiryResultIndHandler(DBusGProxy*, guint device, gpointer) {
    callEvent(slot(BTSDK_INQUIRY_RESULT_IND), device);
}
void InquiryCompleteIndHandler(DBusGProxy*, gpointer) { callEvent(slot(BTSDK_INQUIRY_COMPLETE_IND)); }
void AuthorizationRequestIndHandler(DBusGProxy*, guint first, guint second, gpointer) {
    callEvent(slot(BTSDK_AUTHORIZATION_REQ_IND), first, second);
}
void ConnectionRequestIndHandler(DBusGProxy*, guint first, guint second, guchar byte, gpointer) {
    callEvent(slot(BTSDK_CONNECTION_REQUEST_IND), first, second, BTUINT32{byte});
}
void ConnectionCompleteIndHandler(DBusGProxy*, guint value, gpointer) {
    callEvent(slot(BTSDK_CONNECTION_COMPLETE_IND), value);
}
void ConnectionEventIndHandler(DBusGProxy*, guint first, guint second, GArray* data, gpointer) {
    if (data) {
        callEvent(slot(BTSDK_CONNECTION_EVENT_IND), first, BTUINT32{second & 0xFFFF},
                  SignalBytes(data, kEventBlockMin).data());
    }
}
void VendorEventInd(DBusGProxy*, guint first, guint second, GArray* data, gpointer) {
    if (data)
        callEvent(slot(BTSDK_VENDOR_EVENT_IND), BTUINT32{first & 0xFF}, BTUINT32{second & 0xFF},
                  SignalBytes(data, kEventBlockMin).data());
}
void IoCapRequestInd(DBusGProxy*, guint device, gpointer) { callEvent(slot(BTSDK_IOCAP_REQ_IND), device); }
void UsrCfmRegInd(DBusGProxy*, guint first, guint second, gpointer) {
    callEvent(slot(BTSDK_USR_CFM_REQ_IND), first, second);
}
void PasskeyNotifyIndHandler(DBusGProxy*, guint first, guint second, gpointer) {
    callEvent(slot(BTSDK_PASSKEY_NOTIF_IND), first, second);
}
void SimplePairedCompleteIndHandler(DBusGProxy*, guint first, guint second, gpointer) {
    callEvent(slot(BTSDK_SIMPLE_PAIR_COMPLETE_IND), first, BTUINT32{second & 0xFF});
}
void BtStatusIndHandler(DBusGProxy*, guint status, gpointer) {
    raiseUserEvent(BTSDK_USRDEF_BT_STATUS, status);
}

}  // extern "C"

namespace {

struct GeneralEvent {
    const Signal* signal;  // null: no signal feeds the slot
    GCallback handler;
    GClosureMarshal marshal;
};

const GeneralEvent kGeneralEvents[BTSDK_GENERAL_EVENT_COUNT] = {
    {&signal::PinRequestInd, G_CALLBACK(PinRequestIndHandler), g_cclosure_marshal_VOID__UINT},
    {&signal::LinkKeyRequestInd, G_CALLBACK(LinkKeyRequestIndHandler), g_cclosure_marshal_VOID__UINT},
    {&signal::LinkKeyNotificationInd, G_CALLBACK(LinkKeyNotificationIndHandler),
     g_cclosure_user_marshal_VOID__UINT_BOXED},
    {&signal::AuthenticationFailInd, G_CALLBACK(AuthenticationFailIndHandler),
     g_cclosure_marshal_VOID__UINT},
    {&signal::InquiryResultInd, G_CALLBACK(InquiryResultIndHandler), g_cclosure_marshal_VOID__UINT},
    {&signal::InquiryCompleteInd, G_CALLBACK(InquiryCompleteIndHandler),
     g_cclosure_marshal_VOID__VOID},
    {&signal::AuthorizationRequestInd, G_CALLBACK(AuthorizationRequestIndHandler),
     g_cclosure_user_marshal_VOID__UINT_UINT},
    {&signal::ConnectionRequestInd, G_CALLBACK(ConnectionRequestIndHandler),
     g_cclosure_user_marshal_VOID__UINT_UINT_UCHAR},
    {&signal::ConnectionCompleteInd, G_CALLBACK(ConnectionCompleteIndHandler),
     g_cclosure_marshal_VOID__UINT},
    {&signal::ConnectionEventInd, G_CALLBACK(ConnectionEventIndHandler),
     g_cclosure_user_marshal_VOID__UINT_UINT_BOXED},
    {nullptr, nullptr, nullptr},
    {&signal::VendorEventInd, G_CALLBACK(VendorEventInd), g_cclosure_user_marshal_VOID__UINT_UINT_BOXED},
    {&signal::IoCapRequestInd, G_CALLBACK(IoCapRequestInd), g_cclosure_marshal_VOID__UINT},
    {&signal::UsrCfmReqInd, G_CALLBACK(UsrCfmRegInd), g_cclosure_user_marshal_VOID__UINT_UINT},
    {nullptr, nullptr, nullptr},
    {nullptr, nullptr, nullptr},
    {&signal::PasskeyNotificationInd, G_CALLBACK(PasskeyNotifyIndHandler),
     g_cclosure_user_marshal_VOID__UINT_UINT},
    {&signal::SimplePairCompleteInd, G_CALLBACK(SimplePairedCompleteIndHandler),
     g_cclosure_user_marshal_VOID__UINT_UINT},
};

}  // namespace

extern "C" {

void ConnectDbusSignal(BTUINT16 event) {
    if (event >= BTSDK_GENERAL_EVENT_COUNT || !kGeneralEvents[event].signal) return;
    if (m_cbkFuncreg[event]) return;
    const GeneralEvent& e = kGeneralEvents[event];
    if (subscribeOnce(ProxyId::Cbk, *e.signal, e.handler, e.marshal)) m_cbkFuncreg[event] = 1;
}

void ConnectUsrdefDbusSignal(BTUINT16 event) {
    if (event != BTSDK_USRDEF_BT_STATUS || m_usrCbkFuncReg[event]) return;
    if (subscribeOnce(ProxyId::InitSignal, signal::BtStatus, G_CALLBACK(BtStatusIndHandler),
                      g_cclosure_marshal_VOID__UINT)) {
        m_usrCbkFuncReg[event] = 1;
    }
}

BTRESULT Btsdk_RegisterCallback(const BtsdkCallbackRecord* record) {
    if (!record) return BTSDK_ER_INVALID_PARAMETER;
    if (!proxyFor(ProxyId::Cbk)) return BTSDK_ER_FAIL;
    if (record->event >= BTSDK_GENERAL_EVENT_COUNT) return BTSDK_ER_FAIL;
    m_cbkFunc[record->event] = record->callback;
    if (!record->callback) return BTSDK_ER_FAIL;
    ConnectDbusSignal(record->event);
    return BTSDK_OK;
}

BTRESULT Btsdk_RegisterUsrDefCallback(const BtsdkCallbackRecord* record) {
    if (!record) return BTSDK_ER_INVALID_PARAMETER;
    if (!proxyFor(ProxyId::InitSignal)) return BTSDK_ER_FAIL;
    if (record->event >= BTSDK_USRDEF_EVENT_COUNT) return BTSDK_ER_FAIL;
    m_usrCbkFunc[record->event] = record->callback;
    if (!record->callback) return BTSDK_ER_FAIL;
    ConnectUsrdefDbusSignal(record->event);
    return BTSDK_OK;
}

}  // extern "C"
