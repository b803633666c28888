#include "profilekit/transfer_cancel.h"

#include <utility>

TransferCancel::TransferCancel(WorkerFactory makeWorker, quint32 opType, QObject* parent)
    : QObject(parent), m_makeWorker(std::move(makeWorker)), m_opType(opType) {}

TransferCancel::~TransferCancel() { finish(); }

void TransferCancel::start(quint32 connection) {
    if (!m_worker) {
        m_worker = m_makeWorker();
        connect(m_worker.get(), &QThread::finished, this, &TransferCancel::workerFinished);
    }
    m_worker->StartOperation(m_opType, connection, 0);
}

// A cancel started again before this queued report came keeps its worker.
void TransferCancel::workerFinished() {
    if (m_worker && !m_worker->busy()) m_worker.reset();
}

// The worker's destructor waits for its operation.
void TransferCancel::finish() { m_worker.reset(); }
