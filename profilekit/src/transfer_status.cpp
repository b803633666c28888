#include "profilekit/transfer_status.h"

#include <QMutexLocker>

TransferStatusChannel::TransferStatusChannel(RegisterCall registerCall, BtsdkFtpStatusCallback callback)
    : m_register(registerCall), m_callback(callback) {}

void TransferStatusChannel::registerFor(BTCONNHDL connection) const { m_register(connection, m_callback); }

void TransferStatusChannel::report(BTUINT8 first, BTUINT8 last, const char* filename, BTUINT32 filesize,
                                   BTUINT32 cursize) {
    // The library's name lives for the call only.
    const QByteArray name = filename ? QByteArray(filename) : QByteArray();
    QMutexLocker lock(&m_lock);
    if (m_receiver) Q_EMIT m_receiver->statusReported(first, last, name, filesize, cursize);
}

TransferStatusRelay* TransferStatusChannel::receiver() const {
    QMutexLocker lock(&m_lock);
    return m_receiver;
}

void TransferStatusChannel::setReceiver(TransferStatusRelay* relay) {
    QMutexLocker lock(&m_lock);
    m_receiver = relay;
}

void TransferStatusChannel::release(TransferStatusRelay* relay) {
    QMutexLocker lock(&m_lock);
    if (m_receiver == relay) m_receiver = nullptr;
}

TransferStatusRelay::TransferStatusRelay(TransferStatusChannel& channel, QObject* parent)
    : QObject(parent), m_channel(channel) {}

TransferStatusRelay::~TransferStatusRelay() { release(); }

void TransferStatusRelay::receive() { m_channel.setReceiver(this); }

void TransferStatusRelay::release() { m_channel.release(this); }
