#include "profilekit/profile_worker.h"

#include <QMutexLocker>

#include <utility>

OperationRecord::~OperationRecord() = default;

void OperationJob::report(quint32 outcome, quint32 value) const {
    Q_EMIT worker_->OperationInd(opType, outcome, value);
}

bool OperationJob::cancelled() const { return worker_->isCancelled(); }

ProfileWorker::ProfileWorker(OperationTable operations, uint stackSize, QObject* parent)
    : QThread(parent), operations_(std::move(operations)) {
    if (stackSize) setStackSize(stackSize);
}

ProfileWorker::~ProfileWorker() { finish(); }

void ProfileWorker::finish() {
    cancel();
    wait();
}

bool ProfileWorker::busy() const {
    QMutexLocker lock(&mutex_);
    return busy_;
}

void ProfileWorker::cancel() { cancelled_ = true; }

bool ProfileWorker::StartOperation(quint32 opType, quint32 wparam, quint32 lparam,
                                   std::unique_ptr<OperationRecord> record) {
    if (operations_.find(opType) == operations_.end()) return false;
    {
        QMutexLocker lock(&mutex_);
        if (busy_) {
            lock.unlock();
            // Reported later on this object's thread, as a report from the worker would be,
            // so that the caller's slot never runs inside this call.
            QMetaObject::invokeMethod(
                this, [this, opType] { Q_EMIT OperationInd(opType, 2, 0); }, Qt::QueuedConnection);
            return false;
        }
        busy_ = true;
    }
    // The last run() may still be returning after it cleared busy_.
    wait();
    pending_ = std::make_unique<OperationJob>();
    pending_->opType = opType;
    pending_->wparam = wparam;
    pending_->lparam = lparam;
    pending_->record = std::move(record);
    pending_->worker_ = this;
    cancelled_ = false;
    start(QThread::LowPriority);
    return true;
}

void ProfileWorker::run() {
    const std::unique_ptr<OperationJob> job = std::move(pending_);
    const OperationOutcome outcome = operations_.at(job->opType)(*job);
    if (outcome.reported) Q_EMIT OperationInd(job->opType, outcome.wparam, outcome.lparam);
    job->record.reset();
    QMutexLocker lock(&mutex_);
    busy_ = false;
}
