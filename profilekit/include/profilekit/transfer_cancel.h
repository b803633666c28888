// TransferCancel: the cancel of a running transfer, on a second worker, since the
// transfer's own call blocks the plug-in's first worker until it ends. The plug-in names
// the worker and its cancel operation (the file-transfer browser: its WorkingThread's
// operation 5, Btsdk_FTPCancelTransfer; object push: operation 4,
// Btsdk_OPPCancelTransfer), so the part does not care which call cancels. The worker is
// made for a cancel and deleted once it has finished; its reports are not looked at (a
// cancelled transfer ends through its own failure report).
#pragma once

#include <QObject>

#include <functional>
#include <memory>

#include "profilekit/profile_worker.h"
#include "profilekit_api.h"

class PROFILEKIT_EXPORT TransferCancel : public QObject {
    Q_OBJECT

public:
    using WorkerFactory = std::function<std::unique_ptr<ProfileWorker>()>;

    TransferCancel(WorkerFactory makeWorker, quint32 opType, QObject* parent = nullptr);
    // Waits for a cancel that still runs.
    ~TransferCancel() override;

    // Starts the cancel of the connection's transfer; while one runs the worker refuses it.
    void start(quint32 connection);
    // True from a start until its worker has finished and is deleted.
    bool running() const { return m_worker != nullptr; }
    // Waits for a running cancel and deletes its worker.
    void finish();

private:
    void workerFinished();

    const WorkerFactory m_makeWorker;
    const quint32 m_opType;
    std::unique_ptr<ProfileWorker> m_worker;
};
