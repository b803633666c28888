// ReceivedFileHandOver: a file that a remote device put on a local server (file
// transfer, object push) goes to the host as host(1, 7, 260, list), list being a
// QStringList [folder, file name] of its own for each file, valid for the host's call.
//
// The client library calls the plug-in's receive callback on a library thread while it
// holds its call mutex. The callback passes handOver() a reader: under the receive lock,
// while the plug-in object is open, the reader fills the plug-in's buffers and returns
// the host function and the list. No client-library call may be made under the receive
// lock, neither in the reader nor anywhere else the plug-in takes it (locked()): the
// library would take its call mutex there while the callback holds that mutex and waits
// for the receive lock. The list is carried to the plug-in object's thread without waiting
// for it there (that thread may itself wait for the call mutex); on that thread itself the
// host is called at once, outside the lock, and its answer returned.
//
// The plug-in object opens the hand-over once it is made and closes it before it is
// deleted; close() takes the receive lock, so a callback sees the whole object or none.
#pragma once

#include <QMutex>
#include <QStringList>

#include <functional>

#include "cvcommon/profile_plugin.h"
#include "profilekit_api.h"

class QObject;

class PROFILEKIT_EXPORT ReceivedFileHandOver {
public:
    static constexpr quint32 kFileCommand = 1, kFileReceived = 7, kPathSize = 260;

    struct File {
        HostInvokeFunc host = nullptr;
        QStringList list;  // [folder, file name]
    };
    using Reader = std::function<File(QObject* plugin)>;

    void open(QObject* plugin);
    void close();
    // Runs change under the receive lock (plug-in data the reader also uses).
    void locked(const std::function<void()>& change);
    // From the receive callback: the host's answer on the plug-in's own thread, else 0
    // (also while closed or without a host).
    quint32 handOver(const Reader& read);

private:
    QMutex m_lock;
    QObject* m_plugin = nullptr;
};
