// Sending a file to the remote device of a shortcut: the chooser, the progress window, the
// push on the worker, its cancel on a second worker, the warnings, and the end of a send.
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include "bt_opp.h"
#include "cvcommon/class_names.h"
#include "cvcommon/profile_ini.h"
#include "profilekit/com_progress_dlg.h"
#include "profilekit/object_push_slot.h"
#include "profilekit/settings_file.h"
#include "profilekit/skin_icon.h"
#include "working_thread.h"

TransferStatusChannel BtOpp::s_transferStatus{Btsdk_OPPRegisterStatusCallback, &BtOpp::OPP_StatusCallback};

void BtOpp::OPP_StatusCallback(BTUINT8 first, BTUINT8 last, const char* filename, BTUINT32 filesize,
                               BTUINT32 cursize) {
    s_transferStatus.report(first, last, filename, filesize, cursize);
}

void BtOpp::warn(const QString& text) { QMessageBox::warning(m_pParent, QString(), text, QMessageBox::Ok); }

// One push at a time in the process: a send of this plug-in, or the host's own push of
// dropped files, which holds the object-push slot meanwhile.
void BtOpp::actionSendFile() {
    const QString busy = tr("A sending operation is in progress, please try again later.");
    if (m_pSendThread) return warn(busy);
    const unsigned int shortcut = m_hShortcut;
    char folder[260] = {};
    GetPrivateProfileString("OPPSERVER", "SENDFOLDER", "", folder, sizeof folder, CommonSettingsPath());
    const QString sendFolder = QString::fromUtf8(folder);
    if (!sendFolder.isEmpty() && !QDir(sendFolder).exists()) QDir().mkpath(sendFolder);
    const QString path = QFileDialog::getOpenFileName(m_pParent, tr("Open File"), sendFolder);
    if (path.isEmpty()) return;
    if (m_pSendThread || !ObjectPushSlot::take()) return warn(busy);

    m_strFilePath = path;
    m_pSendThread = new WorkingThread([](BTCONNHDL connection) { s_transferStatus.registerFor(connection); },
                                      m_pParent);
    connect(m_pSendThread, &QThread::finished, this, &BtOpp::sendingThreadFinished);
    connect(m_pSendThread, &WorkingThread::OperationInd, this, &BtOpp::OperationInd);
    m_bCancelled = false;
    m_transferStatus.receive();
    showProgressDlg(shortcut);
    if (!m_pSendThread->StartOperation(WorkingThread::Push, shortcut, 0, std::make_unique<PushRecord>(path)))
        sendingThreadFinished();
}

void BtOpp::showProgressDlg(unsigned int shortcut) {
    QString src = m_strFilePath.left(m_strFilePath.lastIndexOf(QLatin1Char('/')));
    QString dest = QStringLiteral("/");
    m_pProgressDlg = new ComProgressDlg(src, dest, m_pParent);
    // The manager stays usable while the file travels.
    m_pProgressDlg->setWindowModality(Qt::NonModal);
    m_pProgressDlg->setWindowTitle(tr("Connecting to %1...").arg(CvCm_GetDeviceNameByShortcut(shortcut)));
    m_pProgressDlg->setWindowIcon(SkinIcon(skinpicture::kBluetooth, QStyle::SP_DriveNetIcon));
    connect(m_pProgressDlg, &ComProgressDlg::userActionInd, this, &BtOpp::procUserAction);
    connect(this, &BtOpp::signalOppStatusToProgress, m_pProgressDlg, &ComProgressDlg::slotProcTransStatus);
    m_pProgressDlg->show();
}

void BtOpp::slotOppStatusCallback(quint8 first, quint8 last, QString filename, quint32 filesize, quint32 cursize) {
    if (!m_pProgressDlg) return;
    if (first) m_pProgressDlg->setWindowTitle(tr("Copying..."));
    QByteArray name = filename.toUtf8();
    Q_EMIT signalOppStatusToProgress(first, last, reinterpret_cast<quint8*>(name.data()), filesize, cursize);
}

// A send the user cancelled ends without a word.
void BtOpp::OperationInd(quint32 opType, quint32 wparam, quint32) {
    if (opType != WorkingThread::Push || m_bCancelled) return;
    if (wparam == WorkingThread::PushFailed)
        warn(tr("Failed to send the file to the remote device."));
    else if (wparam == WorkingThread::ConnectFailed)
        warn(tr("Cannot connect to the remote device."));
}

// Before the connection is there the push ends once it comes; after, its transfer is
// cancelled on the second worker.
void BtOpp::procUserAction(quint8) {
    if (!m_pSendThread) return;
    m_pSendThread->cancel();
    if (const BTCONNHDL connection = m_pSendThread->connectionHandle()) m_cancel.start(connection);
    m_bCancelled = true;
}

void BtOpp::sendingThreadFinished() {
    if (!m_pSendThread) return;
    m_transferStatus.release();
    delete m_pSendThread;
    m_pSendThread = nullptr;
    closeProgressDlg();
    m_cancel.finish();
    ObjectPushSlot::release();
}

void BtOpp::closeProgressDlg() {
    if (!m_pProgressDlg) return;
    disconnect(m_pProgressDlg, nullptr, this, nullptr);
    m_pProgressDlg->done(0);
    delete m_pProgressDlg;
    m_pProgressDlg = nullptr;
}

BtOpp::~BtOpp() {
    closeProgressDlg();
    if (!m_pSendThread) return;
    disconnect(m_pSendThread, nullptr, this, nullptr);
    m_pSendThread->cancel();
    if (const BTCONNHDL connection = m_pSendThread->connectionHandle()) Btsdk_OPPCancelTransfer(connection);
    m_pSendThread->wait();
    m_transferStatus.release();
    delete m_pSendThread;
    m_pSendThread = nullptr;
    ObjectPushSlot::release();
}
