// Object-push area: the inbox server, pushing and pulling objects, and card exchange.
#include "call.h"
#include "corv_marshal.h"
#include "corvclient/btsdk_ftp.h"
#include "signal_subscription.h"
#include "transfer_signals.h"
#include "transfer_wait.h"

using namespace corv;

namespace corv {
BtsdkFtpStatusCallback g_OppStatusCbk = nullptr;
BtsdkFtpReceiveCallback g_OppReceiveCbk = nullptr;
unsigned char g_OppCbkFuncReg[3];
}  // namespace corv

namespace {

enum OppSignal { kStatus, kReceived, kComplete };

void onStatus(DBusGProxy*, guint first, guint last, const char* filename, guint filesize,
              guint cursize, gpointer) {
    reportStatus(g_OppStatusCbk, first, last, filename, filesize, cursize);
}

void onReceived(DBusGProxy*, GArray* record, gpointer) { reportReceivedFile(g_OppReceiveCbk, record); }

// Subscribes one of the area's signals once (the completion signal is only declared).
void ConnectOppDbusSignal(OppSignal type) {
    DBusGProxy* proxy = proxyFor(ProxyId::Opp);
    if (!proxy || g_OppCbkFuncReg[type]) return;
    g_OppCbkFuncReg[type] = 1;
    switch (type) {
        case kStatus:
            subscribeSignal(proxy, signal::OppTransferStatus, G_CALLBACK(onStatus),
                            g_cclosure_user_marshal_VOID__UINT_UINT_STRING_UINT_UINT);
            break;
        case kReceived:
            subscribeSignal(proxy, signal::OppDealReceiveFile, G_CALLBACK(onReceived),
                            g_cclosure_marshal_VOID__BOXED);
            break;
        case kComplete:
            dbus_g_proxy_add_signal(proxy, signal::OppTransferComplete.name, G_TYPE_UINT,
                                    G_TYPE_INVALID);
            break;
    }
}

template <const Method& M>
BTRESULT transfer(const char* failText, BTCONNHDL connection, const char* path) {
    if (!connection || !path) return BTSDK_ER_INVALID_PARAMETER;
    if (!libraryStarted() || !proxyFor(ProxyId::Opp)) return BTSDK_ER_FAIL;
    ConnectOppDbusSignal(kComplete);
    TransferWait wait(ProxyId::Opp, signal::OppTransferComplete.name);
    guint immediate = 0;
    if (!callSync<M>(failText, ins(guint{connection}, path), outs(&immediate))) return BTSDK_ER_FAIL;
    return wait.wait();
}

}  // namespace

extern "C" {

BTUINT32 Btsdk_RegisterOPPService(const char* inbox, const char* outbox, const char* card) {
    if (!inbox || !outbox || !card) return BTSDK_ER_INVALID_PARAMETER;
    return callForResult<method::RegisterOppService>("Btsdk_RegisterOPPService Error: %s\n", inbox,
                                                     outbox, card);
}

void Btsdk_UnregisterOPPService(void) {
    callForResult<method::UnregisterOppService>("Btsdk_UnregisterOPPService Error: %s\n");
}

void Btsdk_OPPRegisterStatusCallback(BTCONNHDL connection, BtsdkFtpStatusCallback callback) {
    if (!callback) return;
    g_OppStatusCbk = callback;
    ConnectOppDbusSignal(kStatus);
    callForResult<method::OppRegisterStatusCbk>("Btsdk_OPPRegisterStatusCallback Error: %s\n",
                                                guint{connection});
}

void Btsdk_OPPRegisterDealReceiveFileCB(BtsdkFtpReceiveCallback callback) {
    if (!callback) return;
    g_OppReceiveCbk = callback;
    ConnectOppDbusSignal(kReceived);
    callForResult<method::OppRegisterDealReceiveFileCbk>(
        "Btsdk_OPPRegisterDealReceiveFileCB Error: %s\n");
}

BTRESULT Btsdk_OPPPushObj(BTCONNHDL connection, const char* path) {
    return transfer<method::OppPushObj>("Btsdk_OPPPushObj Error: %s\n", connection, path);
}

BTRESULT Btsdk_OPPPullObj(BTCONNHDL connection, const char* path) {
    return transfer<method::OppPullObj>("Btsdk_OPPPullObj Error: %s\n", connection, path);
}

void Btsdk_OPPExchangeObj(BTCONNHDL connection, const char* first, const char* second,
                          BTUINT32* first_value, BTUINT32* second_value) {
    if (!first || !second || !first_value || !second_value) return;
    guint result = 0;
    callSync<method::OppExchangeObj>("Btsdk_OPPExchangeObj Error: %s\n",
                                     ins(guint{connection}, first, second),
                                     outs(first_value, second_value, &result));
}

void Btsdk_OPPCancelTransfer(BTCONNHDL connection) {
    callForResult<method::OppCancelTransfer>("Btsdk_OPPCancelTransfer Error: %s\n",
                                             guint{connection});
}

}  // extern "C"
