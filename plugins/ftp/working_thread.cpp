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

// A get or a put: the folder call for a folder, else the file call; a put's failure
// carries its code.
template <typename Call>
OperationOutcome transfer(OperationJob& job, quint32 type, Call folderCall, Call fileCall, bool withCode) {
    const auto* record = job.recordAs<FtpOperationRecord>();
    if (!record) return OperationOutcome::failure();
    const FtpOperationData& d = record->data;
    g_nTransferType = type;
    const BTRESULT result = (d.isFolder ? folderCall : fileCall)(d);
    return result == BTSDK_OK ? OperationOutcome::success() : OperationOutcome::failure(withCode ? result : 0);
}

using TransferCall = BTRESULT (*)(const FtpOperationData&);

OperationOutcome getObject(OperationJob& job) {
    return transfer<TransferCall>(
        job, WorkingThread::Get,
        [](const FtpOperationData& d) { return Btsdk_FTPGetDir(d.connection, d.remote, d.local); },
        [](const FtpOperationData& d) { return Btsdk_FTPGetFile(d.connection, d.remote, d.local); }, false);
}

OperationOutcome putObject(OperationJob& job) {
    return transfer<TransferCall>(
        job, WorkingThread::Put,
        [](const FtpOperationData& d) { return Btsdk_FTPPutDir(d.connection, d.local, d.remote); },
        [](const FtpOperationData& d) { return Btsdk_FTPPutFile(d.connection, d.local, d.remote); }, true);
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
