#include "profilekit/connect_progress.h"

#include <QIcon>
#include <QMessageBox>
#include <QProgressDialog>

#include <utility>

#include "cvcommon/cv_skin.h"
#include "cvcommon/shortcut_helpers.h"
#include "profilekit/profile_worker.h"

namespace {

constexpr int kPictureWindow = 11, kKeyConnect = 100;

}  // namespace

ConnectProgress::ConnectProgress(QWidget* parent) : parent_(parent) {}

ConnectProgress::~ConnectProgress() {
    closeWindow();
    if (worker_) {
        // The reports still queued for this object are dropped with it.
        disconnect(worker_.get(), nullptr, this, nullptr);
        worker_->finish();
    }
}

QString ConnectProgress::connectingTo(const QString& device) { return tr("Connecting to %1...").arg(device); }

QProgressDialog* ConnectProgress::window() const { return window_; }

void ConnectProgress::warn(const QString& text) { QMessageBox::warning(parent_, QString(), text, QMessageBox::Ok); }

bool ConnectProgress::mayConnect(unsigned int shortcut) {
    if (worker_) {
        warn(tr("A connecting operation is in progress, please try again later."));
        return false;
    }
    if (!shortcut) return false;
    if (CvCm_IsShortcutConnected(shortcut)) {
        warn(tr("A connection to this device already exists."));
        return false;
    }
    return true;
}

bool ConnectProgress::start(std::unique_ptr<ProfileWorker> worker, const Request& request) {
    if (worker_) {
        warn(tr("A connecting operation is in progress, please try again later."));
        return false;
    }
    worker_ = std::move(worker);
    request_ = request;
    cancelled_ = false;
    connect(worker_.get(), &ProfileWorker::OperationInd, this, &ConnectProgress::report);
    connect(worker_.get(), &QThread::finished, this, &ConnectProgress::workerFinished);

    window_ = new QProgressDialog(request.label, request.cancellable ? tr("Cancel") : QString(), 0, 100, parent_);
    window_->setWindowIcon(QIcon(CCvSkin::GetImgPath(kPictureWindow, kKeyConnect, 0)));
    window_->setWindowModality(Qt::ApplicationModal);
    window_->setAutoClose(false);
    window_->setAutoReset(false);
    window_->setMinimumDuration(0);
    if (request.cancellable) connect(window_, &QProgressDialog::canceled, this, &ConnectProgress::cancelConnect);
    window_->show();
    if (worker_->StartOperation(request.opType, request.wparam, request.lparam)) return true;
    workerFinished();
    return false;
}

void ConnectProgress::report(quint32 opType, quint32 outcome, quint32 value) {
    const bool final = opType == request_.opType && (outcome == 1 || outcome == request_.failure);
    if (final) closeWindow();
    Q_EMIT OperationInd(opType, outcome, value);
    if (final && outcome == request_.failure && !cancelled_) {
        warn(tr("Cannot connect to the remote device."));
    }
}

void ConnectProgress::cancelConnect() {
    cancelled_ = true;
    if (worker_) worker_->cancel();
}

void ConnectProgress::workerFinished() {
    closeWindow();
    worker_.reset();
    Q_EMIT finished();
}

void ConnectProgress::closeWindow() {
    if (!window_) return;
    delete window_.data();
    window_ = nullptr;
}
