#include "working_thread.h"

#include <atomic>

#include "corvclient/btsdk.h"
#include "ftp_operation_record.h"

namespace {

std::atomic<quint32> g_nTransferType{0};

constexpr uint kStackSize = 65536;

OperationOutcome connectService(OperationJob& job) {
    job.report(WorkingThread::ConnectStarting, 0);
    Btsdk_StopDeviceDiscovery();
    BTCONNHDL connection = 0;
    const BTRESULT result = Btsdk_ConnectEx(job.wparam, static_cast<BTUINT16>(job.lparam & 0xFFFF), nullptr,
                                            &connection);
    job.report(WorkingThread::ConnectReturned, 0);
    return result == BTSDK_OK ? OperationOutcome::success(connection) : OperationOutcome::failure(result);
}

OperationOutcome getObject(OperationJob& job) {
    const auto* record = job.recordAs<FtpOperationRecord>();
    if (!record) return OperationOutcome::failure();
    const FtpOperationData& d = record->data;
    g_nTransferType = WorkingThread::Get;
    const BTRESULT result = d.isFolder ? Btsdk_FTPGetDir(d.connection, d.remote, d.local)
                                       : Btsdk_FTPGetFile(d.connection, d.remote, d.local);
    return result == BTSDK_OK ? OperationOutcome::success() : OperationOutcome::failure();
}

OperationOutcome putObject(OperationJob& job) {
    const auto* record = job.recordAs<FtpOperationRecord>();
    if (!record) return OperationOutcome::failure();
    const FtpOperationData& d = record->data;
    g_nTransferType = WorkingThread::Put;
    const BTRESULT result = d.isFolder ? Btsdk_FTPPutDir(d.connection, d.local, d.remote)
                                       : Btsdk_FTPPutFile(d.connection, d.local, d.remote);
    return result == BTSDK_OK ? OperationOutcome::success() : OperationOutcome::failure(result);
}

OperationOutcome disconnectService(OperationJob& job) {
    const BTRESULT result = Btsdk_Disconnect(job.wparam);
    g_nTransferType = 0;
    return result == BTSDK_OK ? OperationOutcome::success() : OperationOutcome::failure();
}

OperationOutcome cancelTransfer(OperationJob& job) {
    const BTRESULT result = Btsdk_FTPCancelTransfer(job.wparam);
    const quint32 type = g_nTransferType.exchange(0);
    return result == BTSDK_OK ? OperationOutcome::success(type) : OperationOutcome::failure(type);
}

OperationOutcome deleteObject(OperationJob& job) {
    const auto* record = job.recordAs<FtpOperationRecord>();
    if (!record) return OperationOutcome::failure();
    const FtpOperationData& d = record->data;
    const BTRESULT result =
        d.isFolder ? Btsdk_FTPDeleteDir(d.connection, d.remote) : Btsdk_FTPDeleteFile(d.connection, d.remote);
    return result == BTSDK_OK ? OperationOutcome::success() : OperationOutcome::failure();
}

}  // namespace

WorkingThread::WorkingThread(QObject* parent)
    : ProfileWorker(OperationTable{{Connect, connectService},
                                   {Get, getObject},
                                   {Put, putObject},
                                   {Disconnect, disconnectService},
                                   {Cancel, cancelTransfer},
                                   {Delete, deleteObject}},
                    kStackSize, parent) {}

WorkingThread::~WorkingThread() { finish(); }

quint32 WorkingThread::transferType() { return g_nTransferType; }
