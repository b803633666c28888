// WorkingThread: the send's worker. Operation 3 pushes one file through a shortcut, on its
// own connection, and operation 4 cancels the transfer of a connection (run on a second
// worker, since the push blocks the first).
//
//   3 push    wparam shortcut, PushRecord   nothing on success or a cancel; (3,3,0) no
//                                           connection, (3,2,0) the push failed
//   4 cancel  wparam connection             (4,1,0)
#pragma once

#include <QString>

#include <atomic>

#include "corvclient/btsdk.h"
#include "profilekit/profile_worker.h"

// The file that operation 3 pushes, owned by the worker.
struct PushRecord : OperationRecord {
    explicit PushRecord(const QString& file) : path(file) {}
    QString path;
};

class WorkingThread : public ProfileWorker {
    Q_OBJECT

public:
    enum Op : quint32 { Push = 3, Cancel = 4 };
    enum Outcome : quint32 { PushFailed = 2, ConnectFailed = 3 };
    // Registers the status callback for a connection, on the worker's thread.
    using StatusRegister = void (*)(BTCONNHDL connection);

    explicit WorkingThread(StatusRegister statusRegister = nullptr, QObject* parent = nullptr);
    ~WorkingThread() override;

    // The running push's connection, 0 until it is made.
    BTCONNHDL connectionHandle() const { return m_hConnection; }

private:
    OperationOutcome push(OperationJob& job);

    const StatusRegister m_statusRegister;
    std::atomic<BTCONNHDL> m_hConnection{0};
};
