#include "profilekit/received_file.h"

#include <QMetaObject>
#include <QMutexLocker>
#include <QObject>
#include <QThread>

namespace {

quint32 callHost(HostInvokeFunc host, QStringList list) {
    return host(ReceivedFileHandOver::kFileCommand, ReceivedFileHandOver::kFileReceived,
                ReceivedFileHandOver::kPathSize, &list);
}

}  // namespace

void ReceivedFileHandOver::open(QObject* plugin) {
    QMutexLocker lock(&m_lock);
    m_plugin = plugin;
}

void ReceivedFileHandOver::close() {
    QMutexLocker lock(&m_lock);
    m_plugin = nullptr;
}

void ReceivedFileHandOver::locked(const std::function<void()>& change) {
    QMutexLocker lock(&m_lock);
    change();
}

quint32 ReceivedFileHandOver::handOver(const Reader& read) {
    File file;
    {
        QMutexLocker lock(&m_lock);
        if (!m_plugin) return 0;
        file = read(m_plugin);
        if (!file.host) return 0;
        if (QThread::currentThread() != m_plugin->thread()) {
            // Posted while the object is known to live; a queued call dies with its object.
            const HostInvokeFunc host = file.host;
            const QStringList list = file.list;
            QMetaObject::invokeMethod(m_plugin, [host, list] { callHost(host, list); }, Qt::QueuedConnection);
            return 0;
        }
    }
    // On the plug-in's own thread, which alone deletes the object.
    return callHost(file.host, file.list);
}
