// The browser window's remote pane: connecting, listing, entries arriving from the
// library, navigation and new remote folders.
#include <QMessageBox>
#include <QMutex>
#include <QTimer>

#include <cstring>

#include "bt_ftp_client.h"
#include "ftp_items.h"
#include "my_tree_widget.h"
#include "ui_bt_ftp_client.h"

namespace {

constexpr int kMaxNumbered = 50;

// The window named by the listing callback; set and cleared on the user-interface
// thread, read on the library's threads, so under a lock, which a window's destructor
// also takes: no entry reaches a window that is gone.
QMutex s_callbackLock;
BtFtpClient* m_pBrowsingClient = nullptr;

}  // namespace

TransferStatusChannel BtFtpClient::s_transferStatus{Btsdk_FTPRegisterStatusCallback, &BtFtpClient::FTP_StatusCallback};

void BtFtpClient::setBrowsingClient(BtFtpClient* client) {
    QMutexLocker lock(&s_callbackLock);
    m_pBrowsingClient = client;
}

void BtFtpClient::releaseCallbacks(BtFtpClient* client) {
    client->m_transferStatus.release();
    QMutexLocker lock(&s_callbackLock);
    if (m_pBrowsingClient == client) m_pBrowsingClient = nullptr;
}

void BtFtpClient::BTSDK_FTP_UIShowBrowseFile(FTP_FIND_DATA* entry) {
    if (!entry) return;
    QMutexLocker lock(&s_callbackLock);
    if (BtFtpClient* client = m_pBrowsingClient) Q_EMIT client->BrowseFileFound(client->m_listing, *entry);
}

void BtFtpClient::FTP_StatusCallback(BTUINT8 first, BTUINT8 last, const char* filename, BTUINT32 filesize,
                                     BTUINT32 cursize) {
    if (first == 0 && last == 0 && filesize == 0 && cursize == 0) return;
    s_transferStatus.report(first, last, filename, filesize, cursize);
}

void BtFtpClient::UpdateRmtCombox(const QString& path) {
    updateFolderBox(ui->comboBox_Remote, path);
    setUpEnabled(RemotePane, path);
    UpdateRmtTree(path);
}

void BtFtpClient::UpdateRmtTree(const QString& path) {
    ui->actUpload->setEnabled(false);
    ui->actDelete->setEnabled(false);
    // Without a connection, connect (the listing follows); a connection found gone is
    // reported, and connecting again is left to the user.
    if (!m_hConnection) {
        if (m_nOpState == Idle) connectService();
        return;
    }
    if (!linkUp()) return;
    clearRemote();
    if (Btsdk_FTPSetRmtDir(m_hConnection, "/") != BTSDK_OK ||
        (path != QLatin1String("/") && Btsdk_FTPSetRmtDir(m_hConnection, path.toUtf8().constData()) != BTSDK_OK)) {
        linkUp();  // a refusal for want of the link is told as such
        return;
    }
    ui->treeWidget_Remote->setCurrentPath(path);
    setUpEnabled(RemotePane, path);
    setBrowsingClient(this);
    const QString name = path == QLatin1String("/") ? path : lastComponent(path);
    Btsdk_FTPBrowseFolder(m_hConnection, name.toUtf8().constData(), &BtFtpClient::BTSDK_FTP_UIShowBrowseFile, 0);
}

// Entries of a listing that was replaced meanwhile are dropped; the others wait to be
// inserted together, so that a folder of many thousand entries shows at once.
void BtFtpClient::clearRemote() {
    ++m_listing;
    qDeleteAll(m_pendingFolders);
    qDeleteAll(m_pendingFiles);
    m_pendingFolders.clear();
    m_pendingFiles.clear();
    m_rmtFolderCount = 0;
    m_pCurItem = nullptr;
    ui->treeWidget_Remote->clear();
}

void BtFtpClient::ShowBrowseFile(quint32 listing, const FTP_FIND_DATA& entry) {
    if (listing != m_listing) return;
    auto* item = new ftpitems::RemoteItem(entry, m_folderIcon, m_fileIcon);
    (ftpitems::isFolder(item) ? m_pendingFolders : m_pendingFiles).append(item);
    if (!m_flushQueued) {
        m_flushQueued = true;
        QTimer::singleShot(0, this, &BtFtpClient::flushEntries);
    }
}

// Folders go above the files, in the order the device sent them.
void BtFtpClient::flushEntries() {
    m_flushQueued = false;
    MyTreeWidget* pane = ui->treeWidget_Remote;
    if (!m_pendingFolders.isEmpty()) {
        pane->insertTopLevelItems(m_rmtFolderCount, m_pendingFolders);
        m_rmtFolderCount += m_pendingFolders.size();
        m_pendingFolders.clear();
    }
    if (!m_pendingFiles.isEmpty()) {
        pane->addTopLevelItems(m_pendingFiles);
        m_pendingFiles.clear();
    }
    if (pane->viewMode() == MyTreeWidget::Details) pane->resizeColumnToContents(ftpitems::Name);
}

void BtFtpClient::cdUpRmt() {
    const QString folder = ui->comboBox_Remote->currentText();
    if (folder == QLatin1String("/")) {
        UpdateRmtTree(folder);
        return;
    }
    const int slash = folder.lastIndexOf(QLatin1Char('/'));
    UpdateRmtCombox(slash <= 0 ? QStringLiteral("/") : folder.left(slash));
}

void BtFtpClient::refreshRemote() { UpdateRmtTree(ui->comboBox_Remote->currentText()); }

void BtFtpClient::itemDoubleClickedRmt(QTreeWidgetItem* item, int) {
    m_pCurItem = item;
    if (!item) return;
    if (ftpitems::isFolder(item))
        UpdateRmtCombox(ui->treeWidget_Remote->pathOf(item->text(ftpitems::Name)));
    else
        DownloadRequest({pathUrl(ui->treeWidget_Remote->pathOf(item->text(ftpitems::Name)))});
}

void BtFtpClient::itemClickedRmt(QTreeWidgetItem* item, int) { m_pCurItem = item; }

QTreeWidgetItem* BtFtpClient::remoteItemNamed(const QString& name, bool selectedOnly) const {
    const QList<QTreeWidgetItem*> items =
        selectedOnly ? ui->treeWidget_Remote->selectedItems()
                     : ui->treeWidget_Remote->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    for (QTreeWidgetItem* item : items)
        if (item->text(ftpitems::Name) == name) return item;
    return nullptr;
}

void BtFtpClient::editNewRemoteFolder() {
    if (!m_hConnection) return;
    QString name = tr("new folder");
    for (int i = 1; remoteItemNamed(name, false) && i <= kMaxNumbered; ++i) name = tr("new folder%1").arg(i);
    QTreeWidgetItem* item = ftpitems::newFolderItem(name, m_folderIcon);
    ui->treeWidget_Remote->insertTopLevelItem(0, item);
    ui->treeWidget_Remote->sortItems(ftpitems::Name, Qt::AscendingOrder);
    m_bNewRmtFolder = true;
    editItem(ui->treeWidget_Remote, item);
}

void BtFtpClient::createRemoteFolder(QTreeWidgetItem* item) {
    m_bNewRmtFolder = false;
    const QString name = item->text(ftpitems::Name);
    const int bearers = ui->treeWidget_Remote->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive).size();
    if (bearers > 1) {
        QMessageBox::warning(this, tr("Create Folder Failed"),
                             tr("Can't create the folder!\nFile or folder with the name '%1' already exists.")
                                 .arg(name));
    } else if (Btsdk_FTPCreateDir(m_hConnection, name.toUtf8().constData()) != BTSDK_OK) {
        QMessageBox::warning(this, tr("Create Folder Failed"),
                             tr("Can't create the folder:%1!\nWithout permission.").arg(name));
    }
    refreshRemote();
}
