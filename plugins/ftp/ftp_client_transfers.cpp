// The browser window's transfers and remote deletes: the requests, their items carried
// out one after another on the worker, the worker's reports, progress and cancel.
#include <QFileInfo>
#include <QMessageBox>

#include <cstdio>

#include "bt_ftp_client.h"
#include "cvcommon/cv_skin.h"
#include "ftp_items.h"
#include "ftp_operation_record.h"
#include "my_tree_widget.h"
#include "profilekit/com_progress_dlg.h"
#include "ui_bt_ftp_client.h"

namespace {

constexpr quint32 kReadOnlyRefusal = 1729;
constexpr quint8 kUserCancel = 1;

}  // namespace

void BtFtpClient::actionUpload() { UploadRequest(selectedUrls(LocalPane)); }

void BtFtpClient::actionDownload() { DownloadRequest(selectedUrls(RemotePane)); }

// One request at a time: a request while another runs would be refused by the worker.
bool BtFtpClient::busy() {
    if (m_nOpState == Idle && !m_batch.active()) return false;
    statusBar()->showMessage(tr("Another operation is in progress."));
    return true;
}

void BtFtpClient::UploadRequest(const QList<QUrl>& urls) {
    if (urls.isEmpty() || busy() || !m_hConnection || !linkUp()) return;
    QList<TransferBatch::Item> items;
    for (const QUrl& url : urls) {
        QString local = urlPath(url);
        while (local.size() > 1 && local.endsWith(QLatin1Char('/'))) local.chop(1);
        const QString name = lastComponent(local);
        if (name.isEmpty() || name == QLatin1String("/")) continue;
        items.append({name, local, QFileInfo(local).isDir()});
    }
    startBatch(TransferBatch::Upload, items);
}

void BtFtpClient::DownloadRequest(const QList<QUrl>& urls) {
    if (urls.isEmpty() || busy()) return;
    std::printf("DownloadRequest %s\n", urls.first().toString().toUtf8().constData());
    std::fflush(stdout);
    if (!m_hConnection || !linkUp()) return;
    startBatch(TransferBatch::Download, selectedRemoteItems(urls));
}

void BtFtpClient::DeleteRmtRequest(const QList<QUrl>& urls) {
    if (urls.isEmpty() || busy() || !m_hConnection || !linkUp()) return;
    startBatch(TransferBatch::Delete, selectedRemoteItems(urls));
}

// The URLs' names among the selected remote items, each with its path in the local
// folder; a name that is not selected is dropped.
QList<TransferBatch::Item> BtFtpClient::selectedRemoteItems(const QList<QUrl>& urls) const {
    QList<TransferBatch::Item> items;
    const QString folder = ui->comboBox_Local->currentText();
    for (const QUrl& url : urls) {
        const QString name = lastComponent(urlPath(url));
        if (const QTreeWidgetItem* item = remoteItemNamed(name, true))
            items.append({name, childPath(folder, name), ftpitems::isFolder(item)});
    }
    return items;
}

void BtFtpClient::startBatch(TransferBatch::Kind kind, const QList<TransferBatch::Item>& items) {
    if (items.isEmpty()) return;
    if (kind != TransferBatch::Delete) m_transferStatus.receive();
    m_readOnlyRefusal = false;
    m_batch.start(kind, items);
    startNextItem();
}

// Items answered No to the replace question are skipped; the first one that goes ahead
// starts on the worker, and its report starts the next.
void BtFtpClient::startNextItem() {
    while (m_batch.hasNext()) {
        const TransferBatch::Item item = m_batch.next();
        auto record = std::make_unique<FtpOperationRecord>(m_hConnection, item.remoteName, item.localPath,
                                                           item.isFolder);
        if (m_batch.kind() == TransferBatch::Delete) {
            m_nOpState = Deleting;
            m_worker.StartOperation(WorkingThread::Delete, 0, 0, std::move(record));
            return;
        }
        const bool upload = m_batch.kind() == TransferBatch::Upload;
        if (upload) {
            const QTreeWidgetItem* existing = remoteItemNamed(item.remoteName, false);
            if (existing && !confirmReplace(item.remoteName, ftpitems::isFolder(existing))) {
                m_batch.skipped();
                continue;
            }
        } else {
            const QFileInfo existing(item.localPath);
            if ((existing.exists() || existing.isSymLink()) && !confirmReplace(item.remoteName, existing.isDir())) {
                m_batch.skipped();
                continue;
            }
        }
        m_nOpState = upload ? Uploading : Downloading;
        s_transferStatus.registerFor(m_hConnection);
        m_worker.StartOperation(upload ? WorkingThread::Put : WorkingThread::Get, 0, 0, std::move(record));
        statusBar()->showMessage(upload ? tr("Uploading ...") : tr("Downloading ..."));
        const QString remoteFolder = ui->comboBox_Remote->currentText();
        const QString localFolder = item.isFolder ? item.localPath : folderPart(item.localPath);
        m_strProgSrc = upload ? localFolder : remoteFolder;
        m_strProgDst = upload ? remoteFolder : localFolder;
        showCompProgressDlg();
        return;
    }
    finishBatch();
}

// Only Yes replaces: a box closed with Escape or its close button keeps what is there.
bool BtFtpClient::confirmReplace(const QString& name, bool isFolder) {
    const QString text = isFolder ? tr("This folder already contains a folder named %1\n Would you like to replace it ?")
                                  : tr("This folder already contains a file named %1\n Would you like to replace it ?");
    return QMessageBox::question(this, tr("Confirm File Replace"), text.arg(name),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void BtFtpClient::OperationInd(quint32 opType, quint32 wparam, quint32 lparam) {
    const bool outcome = wparam == WorkingThread::Succeeded || wparam == WorkingThread::Failed;
    switch (opType) {
        case WorkingThread::Connect:
            if (wparam == WorkingThread::ConnectStarting) {
                ui->actQuit->setEnabled(false);
            } else if (wparam == WorkingThread::ConnectReturned) {
                ui->actQuit->setEnabled(true);
            } else if (outcome) {
                m_nOpState = Idle;
                setWaitCursor(false);
                if (wparam == WorkingThread::Succeeded)
                    connected(lparam);
                else
                    showLinkNotice(tr("Cannot connect to the FTP service."));
            }
            break;
        case WorkingThread::Get:
        case WorkingThread::Put:
        case WorkingThread::Delete:
            if (outcome && m_batch.active()) itemReported(wparam == WorkingThread::Succeeded, lparam);
            break;
        default:
            break;
    }
}

// The item that the user cancelled is not counted as failed. A failure on a link that is
// gone ends the request: the rest would fail too.
void BtFtpClient::itemReported(bool ok, quint32 code) {
    if (ok)
        m_batch.succeeded();
    else if (!m_batch.cancelled())
        m_batch.failed();
    if (!ok && m_batch.kind() == TransferBatch::Upload && code == kReadOnlyRefusal) m_readOnlyRefusal = true;
    if (!ok && shortcutLink(m_hShortcut) != ShortcutLink::Up) m_batch.abandon();
    m_nOpState = Idle;
    startNextItem();
}

// The panes are listed again, which finds a link that is gone and says so; the status bar
// then tells the request's outcome.
void BtFtpClient::finishBatch() {
    const TransferBatch::Kind kind = m_batch.kind();
    const bool single = m_batch.count() == 1, failed = m_batch.anyFailed(), cancelled = m_batch.cancelled();
    const bool ran = m_batch.attempted() != 0 || cancelled;
    const bool cancelledItem = single && cancelled && m_batch.done() == 0;
    const QString summary = m_batch.finish();
    if (kind == TransferBatch::Delete) {
        if (!ran) return;
        refreshRemote();
        statusBar()->showMessage(!single ? summary : failed ? tr("Delete was not successful.") : tr("Delete succeeded."));
        if (failed && m_hConnection)
            QMessageBox::warning(this, tr("Delete failed"),
                                 tr("\tDelete failed!\nYou may have not enough permissions to delete."));
        return;
    }
    closeProgressDlg();
    m_transferStatus.release();
    if (!ran) return;
    UpdateLocTree(ui->treeWidget_Local->currentPath());
    refreshRemote();
    const bool download = kind == TransferBatch::Download;
    if (!single)
        statusBar()->showMessage(summary);
    else if (cancelledItem)
        statusBar()->showMessage(download ? tr("Download cancelled.") : tr("Upload cancelled."));
    else if (download)
        statusBar()->showMessage(failed ? tr("Download was not successful.") : tr("Download succeeded."));
    else
        statusBar()->showMessage(failed ? tr("Upload was not successful.") : tr("Upload succeeded."));
    if (m_readOnlyRefusal)
        QMessageBox::warning(this, tr("Upload failed"),
                             tr("\tUpload failed!\nRemote device may have set its FTP service Read Only."));
}

void BtFtpClient::showCompProgressDlg() {
    if (!m_pProgressDlg) {
        m_pProgressDlg = new ComProgressDlg(m_strProgSrc, m_strProgDst, this);
        // It guards this window only: the manager's other windows stay usable meanwhile.
        m_pProgressDlg->setWindowModality(Qt::WindowModal);
        m_pProgressDlg->setWindowIcon(QIcon(CCvSkin::GetImgPath(11, 100, 0)));
        connect(m_pProgressDlg, &ComProgressDlg::userActionInd, this, &BtFtpClient::procUserAction);
        connect(this, &BtFtpClient::sgnTransStatus, m_pProgressDlg, &ComProgressDlg::slotProcTransStatus);
    } else {
        m_pProgressDlg->setRoute(m_strProgSrc, m_strProgDst);
    }
    if (m_batch.count() > 1) m_pProgressDlg->setItemPosition(m_batch.position(), m_batch.count());
    m_pProgressDlg->show();
}

void BtFtpClient::closeProgressDlg() {
    if (!m_pProgressDlg) return;
    disconnect(m_pProgressDlg, nullptr, this, nullptr);
    delete m_pProgressDlg;
    m_pProgressDlg = nullptr;
}

// A report that starts a file without its size takes the size from the remote pane.
void BtFtpClient::procFtpStatusCallback(quint8 first, quint8 last, const QByteArray& filename, quint32 filesize,
                                        quint32 cursize) {
    quint32 size = filesize;
    if (first && size == 0) {
        if (const FTP_FIND_DATA* entry =
                ftpitems::remoteEntry(remoteItemNamed(lastComponent(QString::fromUtf8(filename)), false)))
            size = entry->size;
    }
    if (!m_pProgressDlg) return;
    QByteArray name = filename;
    Q_EMIT sgnTransStatus(first, last, reinterpret_cast<quint8*>(name.data()), size, cursize);
}

// A cancel runs on a second worker, since the transfer's call blocks the first; the rest
// of the request's items are not carried out.
void BtFtpClient::procUserAction(quint8 action) {
    if (action != kUserCancel || (m_nOpState != Downloading && m_nOpState != Uploading)) return;
    m_batch.cancel();
    m_nOpState = Cancelling;
    Q_EMIT UserCancelTrasfer();
    m_cancel.start(m_hConnection);
}
