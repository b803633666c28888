#include "push_batch.h"

#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

#include "corvclient/btsdk.h"
#include "front_window.h"
#include "profilekit/com_progress_dlg.h"
#include "profilekit/object_push_slot.h"
#include "profilekit/profile_worker.h"
#include "profilekit/transfer_cancel.h"
#include "profilekit/transfer_status.h"

namespace {

constexpr BTUINT16 kObjectPush = 0x1105;
constexpr quint32 kParamSize = 772;  // the object-push connect parameter block
constexpr quint32 kSend = 1, kCancel = 2;
// Reports of the send operation besides its final one (1 done, 2 could not connect).
constexpr quint32 kConnected = 3, kFileSent = 4, kFileFailed = 5;
constexpr BTRESULT kCancelledResult = 8;

void statusCallback(BTUINT8 first, BTUINT8 last, const char* filename, BTUINT32 filesize, BTUINT32 cursize);
TransferStatusChannel s_status{Btsdk_OPPRegisterStatusCallback, statusCallback};
void statusCallback(BTUINT8 first, BTUINT8 last, const char* filename, BTUINT32 filesize, BTUINT32 cursize) {
    s_status.report(first, last, filename, filesize, cursize);
}

struct FilesRecord : OperationRecord {
    explicit FilesRecord(QStringList all) : files(std::move(all)) {}
    QStringList files;
};

// On the worker: connect, push each file in turn, disconnect.
OperationOutcome sendFiles(OperationJob& job) {
    const FilesRecord* record = job.recordAs<FilesRecord>();
    if (!record) return OperationOutcome::failure(BTSDK_ER_INVALID_PARAMETER);
    quint8 param[kParamSize] = {};
    BTCONNHDL connection = 0;
    BTRESULT result = job.lparam ? Btsdk_ConnectShortCutEx(job.lparam, param, &connection)
                                 : Btsdk_ConnectEx(job.wparam, kObjectPush, param, &connection);
    if (result != BTSDK_OK) return OperationOutcome::failure(result);
    job.report(kConnected, connection);
    s_status.registerFor(connection);
    for (const QString& file : record->files) {
        if (job.cancelled()) break;
        result = Btsdk_OPPPushObj(connection, QFile::encodeName(file).constData());
        job.report(result == BTSDK_OK ? kFileSent : kFileFailed, result);
    }
    Btsdk_Disconnect(connection);
    return OperationOutcome::success();
}

OperationOutcome cancelTransfer(OperationJob& job) {
    Btsdk_OPPCancelTransfer(job.wparam);
    return OperationOutcome::silent();
}

QStringList fileNames(const QStringList& paths) {
    QStringList names;
    for (const QString& path : paths) names.append(QFileInfo(path).fileName());
    return names;
}

}  // namespace

PushBatch* PushBatch::start(const Target& target, const QStringList& files, QWidget* parent) {
    if (!ObjectPushSlot::take()) {
        QMessageBox::information(parent, tr("Send files"),
                                 tr("A file is being sent already. Try again once that is over."));
        return nullptr;
    }
    auto* batch = new PushBatch(target, files, parent);
    batch->begin();
    return batch;
}

PushBatch::PushBatch(const Target& target, const QStringList& files, QWidget* parent)
    : QObject(parent),
      parent_(parent),
      target_(target),
      files_(files),
      relay_(std::make_unique<TransferStatusRelay>(s_status)),
      cancel_(std::make_unique<TransferCancel>(
          [] {
              return std::make_unique<ProfileWorker>(ProfileWorker::OperationTable{{kCancel, cancelTransfer}}, 0);
          },
          kCancel)),
      worker_(std::make_unique<ProfileWorker>(ProfileWorker::OperationTable{{kSend, sendFiles}}, 0)) {}

PushBatch::~PushBatch() {
    if (worker_->busy()) {
        worker_->cancel();
        if (connection_) Btsdk_OPPCancelTransfer(connection_);
    }
    worker_.reset();
    cancel_.reset();
    relay_.reset();
    delete progress_.data();
    ObjectPushSlot::release();
}

void PushBatch::begin() {
    QString source, destination = target_.name;
    progress_ = new ComProgressDlg(source, destination, parent_);
    progress_->setObjectName(QStringLiteral("pushProgress"));
    progress_->setWindowTitle(tr("Connecting to %1...").arg(target_.name));
    showPosition();
    connect(progress_, &ComProgressDlg::userActionInd, this, &PushBatch::cancel);
    connect(relay_.get(), &TransferStatusRelay::statusReported, this, &PushBatch::status, Qt::QueuedConnection);
    connect(worker_.get(), &ProfileWorker::OperationInd, this, &PushBatch::report);
    relay_->receive();
    progress_->show();
    worker_->StartOperation(kSend, target_.device, target_.shortcut, std::make_unique<FilesRecord>(files_));
}

void PushBatch::showPosition() {
    if (!progress_ || next_ >= files_.size()) return;
    progress_->setItemPosition(next_ + 1, files_.size());
    progress_->setRoute(files_.at(next_), target_.name);
}

void PushBatch::status(quint8 first, quint8 last, const QByteArray& filename, quint32 filesize, quint32 cursize) {
    if (!progress_) return;
    QByteArray name = filename;
    progress_->slotProcTransStatus(first, last, reinterpret_cast<quint8*>(name.data()), filesize, cursize);
}

void PushBatch::report(quint32 opType, quint32 outcome, quint32 value) {
    if (opType != kSend) return;
    switch (outcome) {
        case kConnected:
            connection_ = value;
            if (cancelled_) cancel_->start(connection_);
            break;
        case kFileSent:
        case kFileFailed:
            if (outcome == kFileSent)
                ++sent_;
            else if (cancelled_ && value == kCancelledResult)
                notSent_.append(files_.at(next_));
            else
                failed_.append(files_.at(next_));
            ++next_;
            showPosition();
            break;
        default:  // the final report
            finish(outcome == 1 ? BTSDK_OK : value);
    }
}

void PushBatch::cancel() {
    if (cancelled_) return;
    cancelled_ = true;
    worker_->cancel();
    if (connection_) cancel_->start(connection_);
}

void PushBatch::finish(quint32 connectResult) {
    relay_->release();
    if (progress_) {
        progress_->disconnect(this);
        progress_->deleteLater();
    }
    auto* box = new QMessageBox(failed_.isEmpty() && sent_ == files_.size() ? QMessageBox::Information
                                                                            : QMessageBox::Warning,
                                tr("Send files"), summary(connectResult), QMessageBox::Ok, parent_);
    box->setObjectName(QStringLiteral("pushSummary"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    bringToFront(box);
    deleteLater();
}

QString PushBatch::summary(quint32 connectResult) const {
    QStringList lines;
    if (connectResult != BTSDK_OK)
        lines.append(tr("Could not connect to %1 (result %2).").arg(target_.name).arg(connectResult));
    lines.append(tr("%1 of %2 sent to %3.").arg(sent_).arg(files_.size()).arg(target_.name));
    if (!failed_.isEmpty()) lines.append(tr("Failed: %1").arg(fileNames(failed_).join(QStringLiteral(", "))));
    const QStringList notSent = notSent_ + files_.mid(next_);
    if (!notSent.isEmpty()) lines.append(tr("Not sent: %1").arg(fileNames(notSent).join(QStringLiteral(", "))));
    return lines.join(QLatin1Char('\n'));
}
