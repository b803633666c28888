// The progress of a file transfer, from the client library to the window that runs it
// (the file-transfer browser, the object-push send), for ComProgressDlg.
//
// The library calls a plug-in's plain status callback on a library thread. The plug-in
// keeps one TransferStatusChannel for it (static, named with its own register call:
// Btsdk_FTPRegisterStatusCallback or Btsdk_OPPRegisterStatusCallback, and its callback),
// and its callback passes every report to report(). The channel copies the report (the
// file name as bytes) and, under its lock, has the relay that receives now emit
// statusReported; connected to a slot of the window, Qt queues the report to the
// user-interface thread. Each window has a relay; the window makes it receive when its
// transfer starts and releases it when the transfer ends and in its destructor, under
// the same lock, so no report reaches a window that is gone.
//
//     TransferStatusChannel BtFtpClient::s_transferStatus{Btsdk_FTPRegisterStatusCallback,
//                                                          &BtFtpClient::FTP_StatusCallback};
//     void BtFtpClient::FTP_StatusCallback(...) { s_transferStatus.report(...); }
#pragma once

#include <QByteArray>
#include <QMutex>
#include <QObject>

#include "corvclient/btsdk.h"
#include "profilekit_api.h"

class TransferStatusRelay;

class PROFILEKIT_EXPORT TransferStatusChannel {
public:
    using RegisterCall = void (*)(BTCONNHDL connection, BtsdkFtpStatusCallback callback);

    TransferStatusChannel(RegisterCall registerCall, BtsdkFtpStatusCallback callback);
    TransferStatusChannel(const TransferStatusChannel&) = delete;
    TransferStatusChannel& operator=(const TransferStatusChannel&) = delete;

    // Registers the plug-in's callback for the connection's transfers (any thread).
    void registerFor(BTCONNHDL connection) const;
    // One report of the library, on its thread; filename may be null.
    void report(BTUINT8 first, BTUINT8 last, const char* filename, BTUINT32 filesize, BTUINT32 cursize);
    // The relay that receives now, or null.
    TransferStatusRelay* receiver() const;

private:
    friend class TransferStatusRelay;
    void setReceiver(TransferStatusRelay* relay);
    void release(TransferStatusRelay* relay);

    const RegisterCall m_register;
    const BtsdkFtpStatusCallback m_callback;
    mutable QMutex m_lock;
    TransferStatusRelay* m_receiver = nullptr;
};

class PROFILEKIT_EXPORT TransferStatusRelay : public QObject {
    Q_OBJECT

public:
    explicit TransferStatusRelay(TransferStatusChannel& channel, QObject* parent = nullptr);
    ~TransferStatusRelay() override;

    // Makes this relay the channel's receiver, in place of any other.
    void receive();
    // Stops receiving when this relay is the receiver; once it returns, no report comes.
    void release();

Q_SIGNALS:
    // Emitted on the library's thread: connect it queued (or to a signal that is).
    void statusReported(quint8 first, quint8 last, const QByteArray& filename, quint32 filesize, quint32 cursize);

private:
    TransferStatusChannel& m_channel;
};
