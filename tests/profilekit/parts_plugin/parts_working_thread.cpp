#include "parts_working_thread.h"

#include "corvclient/btsdk.h"
#include "parts_hooks.h"

namespace {

constexpr uint kStackSize = 65536;

// (1, 4, 0) before connecting, (1, 3, 0) when the call returned, then the connection or
// the error.
OperationOutcome connectDevice(OperationJob& job) {
    Btsdk_StopDeviceDiscovery();
    job.report(4, 0);
    BTCONNHDL connection = 0;
    const BTRESULT result = Btsdk_ConnectEx(job.wparam, static_cast<BTUINT16>(job.lparam), nullptr, &connection);
    job.report(3, 0);
    return result == BTSDK_OK ? OperationOutcome::success(connection) : OperationOutcome::failure(result);
}

// A cancelled connect that came up anyway is undone and reports nothing.
OperationOutcome connectShortcut(OperationJob& job) {
    Btsdk_StopDeviceDiscovery();
    if (job.cancelled()) return OperationOutcome::silent();
    BTCONNHDL connection = 0;
    const BTRESULT result = Btsdk_ConnectShortCutEx(job.wparam, nullptr, &connection);
    if (job.cancelled()) {
        if (result == BTSDK_OK) Btsdk_Disconnect(connection);
        return OperationOutcome::silent();
    }
    return result == BTSDK_OK ? OperationOutcome::success(connection) : OperationOutcome::failure(result);
}

OperationOutcome devicePaired(OperationJob& job) {
    const PairedRecord* record = job.recordAs<PairedRecord>();
    if (!record) return OperationOutcome::failure();
    BTUINT8 paired = 0;
    const BTRESULT result = Btsdk_IsDevicePaired(record->device, &paired);
    return result == BTSDK_OK ? OperationOutcome::success(paired) : OperationOutcome::failure(result);
}

}  // namespace

WorkingThread::WorkingThread(QObject* parent)
    : ProfileWorker({{kOpConnect, connectDevice}, {kOpConnectShortcut, connectShortcut}, {kOpPaired, devicePaired}},
                    kStackSize, parent) {}
