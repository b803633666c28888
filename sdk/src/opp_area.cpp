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

// Subscribes one of the area's signals once on the given proxy (the completion signal is
// only declared).
void ConnectOppDbusSignalOn(DBusGProxy* proxy, OppSignal type) {
    if (g_OppCbkFuncReg[type]) return;
    g_OppCbkFuncReg[type] = 1;
    switch (type) {
        case kStatus:
            subscribeOnceOn(proxy, ProxyId::Opp, signal::OppTransferStatus, G_CALLBACK(onStatus),
                            g_cclosure_user_marshal_VOID__UINT_UINT_STRING_UINT_UINT);
            break;
        case kReceived:
            subscribeOnceOn(proxy, ProxyId::Opp, signal::OppDealReceiveFile, G_CALLBACK(onReceived),
                            g_cclosure_marshal_VOID__BOXED);
            break;
        case kComplete:
            declareOnceOn(proxy, ProxyId::Opp, signal::OppTransferComplete);
            break;
    }
}

void ConnectOppDbusSignal(OppSignal type) {
    if (DBusGProxy* proxy = proxyFor(ProxyId::Opp)) ConnectOppDbusSignalOn(proxy, type);
}

const TransferArea kOppTransfers{ProxyId::Opp, signal::OppTransferComplete, [](DBusGProxy* proxy) {
                                     ConnectOppDbusSignalOn(proxy, kStatus);
                                     ConnectOppDbusSignalOn(proxy, kComplete);
                                 }};

// A blocking transfer: its completion signal, not the method's answer, gives the result.
// The object's path stands for both of the transfer's paths.
template <const Method& M>
BTRESULT transfer(const char* failText, BTCONNHDL connection, const char* path) {
    if (!connection || !path) return BTSDK_ER_INVALID_PARAMETER;
    if (!libraryStarted() || !proxyFor(ProxyId::Opp)) return BTSDK_ER_FAIL;
    return runBlockingTransfer(kOppTransfers, path, path, [&](guint& immediate) {
        return callSync<M>(failText, ins(guint{connection}, path), outs(&immediate));
    });
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
