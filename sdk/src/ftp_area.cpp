// File-transfer area: the local server, browsing and changing remote folders, and the
// blocking transfers of files and folders.

#include "call.h"
#include "corv_marshal.h"
#include "corvclient/btsdk_ftp.h"
#include "signal_decoders.h"
#include "signal_subscription.h"
#include "text_cut.h"
#include "transfer_signals.h"
#include "transfer_wait.h"

using namespace corv;

namespace corv {
BtsdkEventCallback g_FtpCbkFunc[3];
unsigned char g_FtpCbkFuncReg[4];
}  // namespace corv

namespace {

constexpr int kTransferComplete = 3;
constexpr size_t kFindDataLen = 324;
static_assert(sizeof(FTP_FIND_DATA) == kFindDataLen);

template <typename F>
F callbackOf(int type) {
    return reinterpret_cast<F>(g_FtpCbkFunc[type]);
}

void onBrowseFile(DBusGProxy*, GArray* entry, gpointer) {
    auto callback = callbackOf<BtsdkFtpBrowseCallback>(BTSDK_FTP_BROWSE_CBK);
    if (!callback || !entry) return;
    FTP_FIND_DATA copy = browseEntry(entry);  // a fresh entry, freed when the callback returns
    callback(&copy);
}

void onTransferStatus(DBusGProxy*, guint first, guint last, const char* filename, guint filesize,
                      guint cursize, gpointer) {
    reportStatus(callbackOf<BtsdkFtpStatusCallback>(BTSDK_FTP_STATUS_CBK), first, last, filename,
                 filesize, cursize);
}

void onReceiveFile(DBusGProxy*, GArray* record, gpointer) {
    reportReceivedFile(callbackOf<BtsdkFtpReceiveCallback>(BTSDK_FTP_RECEIVE_CBK), record);
}

// Subscribes the signal of a callback type (3: the completion signal, declared only) once,
// on the given proxy.
void ConnectFtpDbusSignalOn(DBusGProxy* proxy, int type) {
    if (g_FtpCbkFuncReg[type]) return;
    g_FtpCbkFuncReg[type] = 1;
    switch (type) {
        case BTSDK_FTP_BROWSE_CBK:
            subscribeOnceOn(proxy, ProxyId::Ftp, signal::FtpShowBrowseFile, G_CALLBACK(onBrowseFile),
                            g_cclosure_marshal_VOID__BOXED);
            break;
        case BTSDK_FTP_STATUS_CBK:
            subscribeOnceOn(proxy, ProxyId::Ftp, signal::FtpTransferStatus,
                            G_CALLBACK(onTransferStatus),
                            g_cclosure_user_marshal_VOID__UINT_UINT_STRING_UINT_UINT);
            break;
        case BTSDK_FTP_RECEIVE_CBK:
            subscribeOnceOn(proxy, ProxyId::Ftp, signal::FtpDealReceiveFile,
                            G_CALLBACK(onReceiveFile), g_cclosure_marshal_VOID__BOXED);
            break;
        case kTransferComplete:
            declareOnceOn(proxy, ProxyId::Ftp, signal::FtpTransferComplete);
            break;
    }
}

void ConnectFtpDbusSignal(int type) {
    if (DBusGProxy* proxy = proxySlot(ProxyId::Ftp)) ConnectFtpDbusSignalOn(proxy, type);
}

const TransferArea kFtpTransfers{ProxyId::Ftp, signal::FtpTransferComplete, [](DBusGProxy* proxy) {
                                     ConnectFtpDbusSignalOn(proxy, BTSDK_FTP_STATUS_CBK);
                                     ConnectFtpDbusSignalOn(proxy, kTransferComplete);
                                 }};

// A blocking transfer: its completion signal, not the method's answer, gives the result.
template <const Method& M>
BTRESULT transfer(const char* failText, BTCONNHDL connection, const char* first, const char* second) {
    if (!connection || !first || !second) return BTSDK_ER_INVALID_PARAMETER;
    if (!libraryStarted() || !proxyFor(ProxyId::Ftp, ConnectionSlot::Request2)) return BTSDK_ER_FAIL;
    return runBlockingTransfer(kFtpTransfers, first, second, [&](guint& immediate) {
        return callSync<M>(failText, ins(guint{connection}, first, second), outs(&immediate));
    });
}

template <const Method& M>
BTRESULT onNamed(const char* failText, BTCONNHDL connection, const char* name) {
    if (!connection || !name) return BTSDK_ER_INVALID_PARAMETER;
    return callForResult<M>(failText, guint{connection}, name);
}

}  // namespace

extern "C" {

BTRESULT Btsdk_RegisterFtpCallback(const BtsdkCallbackRecord* record) {
    if (!record) return BTSDK_ER_INVALID_PARAMETER;
    // Signals come on the file-transfer thread's connection when it runs.
    ConnectionSlot none = ConnectionSlot::Request;
    DBusGProxy* proxy = proxySlot(ProxyId::Ftp);
    if (!proxy && libraryStarted()) {
        proxy = g_dbus_ftp_connection ? createProxy(ProxyId::Ftp, g_dbus_ftp_connection)
                                      : proxyFor(ProxyId::Ftp, none);
    }
    if (!proxy) return BTSDK_ER_FAIL;
    if (record->event > BTSDK_FTP_RECEIVE_CBK) return BTSDK_OK;
    g_FtpCbkFunc[record->event] = record->callback;
    if (record->callback) ConnectFtpDbusSignal(record->event);
    return BTSDK_OK;
}

BTRESULT Btsdk_RegisterFTPService(BTUINT16 access, const char* folder) {
    if (!folder) return BTSDK_ER_INVALID_PARAMETER;
    return callForResult<method::RegisterFtpService>("Btsdk_RegisterFTPService Error: %s\n",
                                                     guint{access}, folder);
}

BTRESULT Btsdk_UnregisterFTPService(void) {
    return callForResult<method::UnregisterFtpService>("Btsdk_UnregisterFTPService Error: %s\n");
}

BTRESULT Btsdk_FTPGetRmtDir(BTCONNHDL connection, char* dir) {
    if (!connection || !dir) return BTSDK_ER_INVALID_PARAMETER;
    OutString text;
    guint result = BTSDK_ER_FAIL;
    if (callSync<method::FtpGetRmtDir>("Btsdk_FTPGetRmtDir Error: %s\n", ins(guint{connection}),
                                       outs(&text, &result)) &&
        result == BTSDK_OK) {
        copyText(dir, BTSDK_PATH_BUF, text.value ? text.value : "");
    }
    return result;
}

BTRESULT Btsdk_FTPSetRmtDir(BTCONNHDL connection, const char* dir) {
    return onNamed<method::FtpSetRmtDir>("Btsdk_FTPSetRmtDir Error: %s\n", connection, dir);
}

BTRESULT Btsdk_FTPDeleteFile(BTCONNHDL connection, const char* name) {
    return onNamed<method::FtpDeleteFile>("Btsdk_FTPDeleteFile Error: %s\n", connection, name);
}

BTRESULT Btsdk_FTPDeleteDir(BTCONNHDL connection, const char* name) {
    return onNamed<method::FtpDeleteDir>("Btsdk_FTPDeleteDir Error: %s\n", connection, name);
}

BTRESULT Btsdk_FTPCreateDir(BTCONNHDL connection, const char* name) {
    return onNamed<method::FtpCreateDir>("Btsdk_FTPCreateDir Error: %s\n", connection, name);
}

BTRESULT Btsdk_FTPBackDir(BTCONNHDL connection) {
    return callForResult<method::FtpBackDir>("Btsdk_FTPBackDir Error: %s\n", guint{connection});
}

BTRESULT Btsdk_FTPCancelTransfer(BTCONNHDL connection) {
    if (!connection) return BTSDK_ER_INVALID_PARAMETER;
    return callForResult<method::FtpCancelTransfer>("Btsdk_FTPCancelTransfer Error: %s\n",
                                                    guint{connection});
}

BTRESULT Btsdk_FTPBrowseFolder(BTCONNHDL connection, const char* folder,
                               BtsdkFtpBrowseCallback callback, BTUINT8 flag) {
    if (!connection || !folder) return BTSDK_ER_INVALID_PARAMETER;
    BtsdkCallbackRecord record{BTSDK_FTP_BROWSE_CBK, reinterpret_cast<BtsdkEventCallback>(callback)};
    Btsdk_RegisterFtpCallback(&record);
    // Every entry has reached the callback when this returns.
    guint result = BTSDK_ER_FAIL;
    callDraining<method::FtpBrowseFolder>("Btsdk_FTPBrowseFolder Error: %s\n",
                                          ins(guint{connection}, folder, guint{flag}), outs(&result));
    return result;
}

void Btsdk_FTPRegisterStatusCallback(BTCONNHDL connection, BtsdkFtpStatusCallback callback) {
    BtsdkCallbackRecord record{BTSDK_FTP_STATUS_CBK, reinterpret_cast<BtsdkEventCallback>(callback)};
    Btsdk_RegisterFtpCallback(&record);
    callForResult<method::FtpRegisterStatusCbk>("Btsdk_FTPRegisterStatusCallback Error: %s\n",
                                                guint{connection});
}

void Btsdk_FTPRegisterDealReceiveFileCB(BtsdkFtpReceiveCallback callback) {
    BtsdkCallbackRecord record{BTSDK_FTP_RECEIVE_CBK, reinterpret_cast<BtsdkEventCallback>(callback)};
    Btsdk_RegisterFtpCallback(&record);
    callForResult<method::FtpRegisterDealReceiveFileCbk>(
        "Btsdk_FTPRegisterDealReceiveFileCB Error: %s\n");
}

BTRESULT Btsdk_FTPGetFile(BTCONNHDL connection, const char* remote, const char* local) {
    return transfer<method::FtpGetFile>("Btsdk_FTPGetFile Error: %s\n", connection, remote, local);
}

BTRESULT Btsdk_FTPGetDir(BTCONNHDL connection, const char* remote, const char* local) {
    return transfer<method::FtpGetDir>("Btsdk_FTPGetDir Error: %s\n", connection, remote, local);
}

BTRESULT Btsdk_FTPPutFile(BTCONNHDL connection, const char* local, const char* remote) {
    return transfer<method::FtpPutFile>("Btsdk_FTPPutFile Error: %s\n", connection, local, remote);
}

BTRESULT Btsdk_FTPPutDir(BTCONNHDL connection, const char* local, const char* remote) {
    return transfer<method::FtpPutDir>("Btsdk_FTPPutDir Error: %s\n", connection, local, remote);
}

}  // extern "C"
