#include "working_thread.h"

namespace {

constexpr uint kStackSize = 65536;

OperationOutcome cancelTransfer(OperationJob& job) {
    Btsdk_OPPCancelTransfer(job.wparam);
    return OperationOutcome::success();
}

}  // namespace

WorkingThread::WorkingThread(StatusRegister statusRegister, QObject* parent)
    : ProfileWorker(OperationTable{{Push, [this](OperationJob& job) { return push(job); }}, {Cancel, cancelTransfer}},
                    kStackSize, parent),
      m_statusRegister(statusRegister) {}

WorkingThread::~WorkingThread() { finish(); }

// A cancel that comes while the connection is made ends the push once it is there; one
// that comes before the push starts skips it.
OperationOutcome WorkingThread::push(OperationJob& job) {
    m_hConnection = 0;
    const auto* record = job.recordAs<PushRecord>();
    if (!record) return OperationOutcome::code(PushFailed);
    Btsdk_StopDeviceDiscovery();
    if (job.cancelled()) return OperationOutcome::silent();
    BTCONNHDL connection = 0;
    const BTRESULT connected = Btsdk_ConnectShortCutEx(job.wparam, nullptr, &connection);
    if (job.cancelled()) {
        if (connected == BTSDK_OK) Btsdk_Disconnect(connection);
        return OperationOutcome::silent();
    }
    if (connected != BTSDK_OK) return OperationOutcome::code(ConnectFailed);
    m_hConnection = connection;
    if (m_statusRegister) m_statusRegister(connection);
    OperationOutcome outcome = OperationOutcome::silent();
    if (!job.cancelled() && Btsdk_OPPPushObj(connection, record->path.toUtf8().constData()) != BTSDK_OK)
        outcome = OperationOutcome::code(PushFailed);
    m_hConnection = 0;
    Btsdk_Disconnect(connection);
    return outcome;
}
