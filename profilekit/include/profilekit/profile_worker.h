// ProfileWorker: the worker thread a plug-in's WorkingThread derives from. It runs one
// blocking client-library operation at a time off the user-interface thread and reports
// through OperationInd(opType, wparam, lparam), wparam being the outcome (1 success,
// 2 failure, or a plug-in's own code) and lparam a value such as a connection handle or
// an error code.
//
// A plug-in's WorkingThread supplies its operation table to the constructor: operation
// code → function that makes the Btsdk_ calls and returns the final report. A function
// may send intermediate reports through job.report() and looks at job.cancelled()
// between steps. Connect OperationInd to a slot of an object on the user-interface thread
// (an automatic connection queues every report there, in order).
//
// StartOperation refuses an operation while another runs: the refused one is reported
// under its own code with outcome 2 (queued, like every report) and its record is
// released at once. A record (heap data such as transfer paths) goes to the worker with
// its ownership; the worker releases it when the operation has ended.
#pragma once

#include <QMutex>
#include <QThread>

#include <atomic>
#include <functional>
#include <map>
#include <memory>

#include "profilekit_api.h"

// Base of the records that operations take; a plug-in derives its own.
struct PROFILEKIT_EXPORT OperationRecord {
    virtual ~OperationRecord();
};

// The final report of an operation; silent() when the operation reports nothing more.
struct OperationOutcome {
    bool reported = true;
    quint32 wparam = 0;
    quint32 lparam = 0;

    static OperationOutcome success(quint32 value = 0) { return {true, 1, value}; }
    static OperationOutcome failure(quint32 value = 0) { return {true, 2, value}; }
    static OperationOutcome code(quint32 outcome, quint32 value = 0) { return {true, outcome, value}; }
    static OperationOutcome silent() { return {false, 0, 0}; }
};

class ProfileWorker;

// One operation as its function sees it, on the worker thread.
class PROFILEKIT_EXPORT OperationJob {
public:
    quint32 opType = 0, wparam = 0, lparam = 0;
    std::unique_ptr<OperationRecord> record;

    // The record as the operation's own type; null when there is none of that type.
    template <typename Record>
    Record* recordAs() const {
        return dynamic_cast<Record*>(record.get());
    }
    // An intermediate report (opType, outcome, value).
    void report(quint32 outcome, quint32 value) const;
    bool cancelled() const;

private:
    friend class ProfileWorker;
    ProfileWorker* worker_ = nullptr;
};

class PROFILEKIT_EXPORT ProfileWorker : public QThread {
    Q_OBJECT

public:
    using Operation = std::function<OperationOutcome(OperationJob& job)>;
    using OperationTable = std::map<quint32, Operation>;

    // stackSize 0 keeps the platform's default.
    ProfileWorker(OperationTable operations, uint stackSize, QObject* parent = nullptr);
    // Marks a running operation cancelled and waits for it.
    ~ProfileWorker() override;

    // Starts the operation at low priority; false when refused (one runs: reported under
    // opType with outcome 2) or unknown (not in the table: nothing reported). The record
    // is released in both cases.
    bool StartOperation(quint32 opType, quint32 wparam, quint32 lparam,
                        std::unique_ptr<OperationRecord> record = nullptr);
    bool busy() const;
    // Asks the running operation to stop at its next check; cleared by each start.
    void cancel();
    bool isCancelled() const { return cancelled_; }
    // Cancels and waits; a derived worker whose operations use its own members calls
    // this in its destructor.
    void finish();

Q_SIGNALS:
    void OperationInd(quint32 opType, quint32 wparam, quint32 lparam);

protected:
    void run() override;

private:
    const OperationTable operations_;
    mutable QMutex mutex_;
    bool busy_ = false;  // from an accepted start to the end of its run()
    std::atomic<bool> cancelled_{false};
    std::unique_ptr<OperationJob> pending_;
};
