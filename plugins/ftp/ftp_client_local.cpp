// The browser window's local pane (listing, navigation, new entries, rename) and the
// delete action of both panes.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

#include "bt_ftp_client.h"
#include "ftp_items.h"
#include "my_tree_widget.h"
#include "ui_bt_ftp_client.h"

void BtFtpClient::UpdateLocCombox(const QString& path) {
    updateFolderBox(ui->comboBox_Local, path);
    UpdateLocTree(path);
}

void BtFtpClient::UpdateLocTree(const QString& path) {
    MyTreeWidget* pane = ui->treeWidget_Local;
    pane->clear();
    m_pCurItem = nullptr;
    pane->setCurrentPath(path);
    setUpEnabled(LocalPane, path);
    QList<QTreeWidgetItem*> items;
    for (const QFileInfo& info : localfiles::listFolder(path, m_strDevRoot == m_strUsbRoot))
        items << ftpitems::localItem(info, m_folderIcon, m_fileIcon);
    pane->addTopLevelItems(items);
    if (pane->viewMode() == MyTreeWidget::Details) pane->resizeColumnToContents(ftpitems::Name);
}

void BtFtpClient::cdUpLocal() {
    QDir folder(ui->comboBox_Local->currentText());
    if (folder.cdUp()) UpdateLocCombox(folder.absolutePath());
}

void BtFtpClient::itemDoubleClickedLocal(QTreeWidgetItem* item, int) {
    m_pCurItem = item;
    if (!item) return;
    const QString path = ui->treeWidget_Local->pathOf(item->text(ftpitems::Name));
    if (ftpitems::isFolder(item))
        UpdateLocCombox(path);
    else
        UploadRequest({pathUrl(path)});
}

void BtFtpClient::actionNewFile() {
    if (m_focusPane == LocalPane) newLocalEntry(false);
}

void BtFtpClient::actionNewFolder() {
    if (m_focusPane == LocalPane)
        newLocalEntry(true);
    else if (m_focusPane == RemotePane)
        editNewRemoteFolder();
}

void BtFtpClient::newLocalEntry(bool folder) {
    const QString where = ui->comboBox_Local->currentText();
    const QString name = localfiles::freeName(where, folder ? tr("new folder") : tr("new file"));
    const QString path = QDir(where).filePath(name);
    bool made = false;
    if (!name.isEmpty()) {
        QFile file(path);
        made = folder ? QDir(where).mkdir(name) : file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
    }
    if (!made) {
        if (folder)
            QMessageBox::critical(this, tr("Create folder failed"),
                                  tr("can't create the folder:%1,without permission to create it.").arg(path));
        else
            QMessageBox::critical(this, tr("Create file failed"),
                                  tr("can't create the file:%1,without permission to create it.").arg(path));
        return;
    }
    UpdateLocTree(where);
    const QList<QTreeWidgetItem*> found =
        ui->treeWidget_Local->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!found.isEmpty()) editItem(ui->treeWidget_Local, found.first());
}

void BtFtpClient::actionRename() {
    if (m_focusPane != LocalPane) return;
    QTreeWidgetItem* item = ui->treeWidget_Local->currentItem();
    if (item) editItem(ui->treeWidget_Local, item);
}

void BtFtpClient::editItem(MyTreeWidget* pane, QTreeWidgetItem* item) {
    m_editItem = item;
    m_editOldName = item->text(ftpitems::Name);
    m_editPane = pane == ui->treeWidget_Local ? LocalPane : RemotePane;
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    pane->setCurrentItem(item);
    pane->scrollToItem(item);
    pane->editItem(item, ftpitems::Name);
}

void BtFtpClient::itemEditDone() {
    QTreeWidgetItem* item = m_editItem;
    const Pane pane = m_editPane;
    m_editItem = nullptr;
    m_editPane = NoPane;
    if (!item) return;
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    if (pane == RemotePane && m_bNewRmtFolder)
        createRemoteFolder(item);
    else if (pane == LocalPane)
        renameLocal(item);
}

void BtFtpClient::renameLocal(QTreeWidgetItem* item) {
    const QString name = item->text(ftpitems::Name);
    const QString folder = ui->treeWidget_Local->currentPath();
    const QDir dir(folder);
    if (name == m_editOldName) return;
    if (name.isEmpty()) {
        QMessageBox::critical(this, tr("Rename Fail"), tr("Can't leave the file name blank:%1!\n").arg(m_editOldName));
    } else if (QFileInfo(dir.filePath(name)).exists() || QFileInfo(dir.filePath(name)).isSymLink()) {
        QMessageBox::critical(this, tr("Rename Fail"),
                              tr("Can't rename the file:%1!\nFile with the name '%2' already exists.")
                                  .arg(m_editOldName, name));
    } else if (!QFile::rename(dir.filePath(m_editOldName), dir.filePath(name))) {
        QMessageBox::critical(this, tr("Rename Fail"), tr("Can't rename the file:%1!").arg(m_editOldName));
    }
    UpdateLocTree(folder);
}

void BtFtpClient::actionDelete() {
    if (m_focusPane == LocalPane)
        deleteLocal();
    else if (m_focusPane == RemotePane)
        deleteRemote();
}

void BtFtpClient::deleteLocal() {
    MyTreeWidget* pane = ui->treeWidget_Local;
    const QList<QTreeWidgetItem*> items = pane->selectedItems();
    if (items.isEmpty()) return;
    const QString folder = pane->currentPath();
    QStringList names;
    for (const QTreeWidgetItem* item : items) names << item->text(ftpitems::Name);
    if (!confirmDeleteHint(items.first(), ftpitems::isFolder(items.first()), items.size())) return;
    for (const QString& name : names) {
        const QString path = QDir(folder).filePath(name);
        const QFileInfo info(path);
        const localfiles::DeleteResult result =
            info.isDir() && !info.isSymLink() ? localfiles::deleteDir(path) : localfiles::deleteFile(folder, name);
        if (result.denied) {
            warnDenied(result);
            break;
        }
    }
    UpdateLocTree(folder);
}

void BtFtpClient::warnDenied(const localfiles::DeleteResult& result) {
    const QString text = result.folderEntry
                             ? tr("can't delete the directory:%1/%2,without permission to delete it.")
                             : tr("can't delete the file:%1/%2,without permission to delete it.");
    QMessageBox::warning(this, tr("delete failed"), text.arg(result.folder, result.name));
}

void BtFtpClient::deleteRemote() {
    const QList<QTreeWidgetItem*> items = ui->treeWidget_Remote->selectedItems();
    if (items.isEmpty()) return;
    m_bConfirmingDelete = true;
    const bool confirmed = confirmDeleteHint(items.first(), ftpitems::isFolder(items.first()), items.size());
    m_bConfirmingDelete = false;
    if (confirmed) DeleteRmtRequest(selectedUrls(RemotePane));
}

bool BtFtpClient::confirmDeleteHint(QTreeWidgetItem* item, bool isFolder, int count) {
    const QString name = item->text(ftpitems::Name);
    const QString text = count > 1 ? tr("Are you sure delete the %1 items?").arg(count)
                         : isFolder ? tr("Are you sure delete the folder:%1?").arg(name)
                                    : tr("Are you sure delete the file:%1?").arg(name);
    QMessageBox box(QMessageBox::Question, tr("Confirm File Delete"), text, QMessageBox::Yes | QMessageBox::No, this);
    box.setWindowModality(Qt::WindowModal);
    return box.exec() == QMessageBox::Yes;
}
