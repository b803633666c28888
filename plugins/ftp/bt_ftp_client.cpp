// The browser window: its form, actions, panes, focus, views, menus and its end.
#include "bt_ftp_client.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>

#include "cvcommon/class_names.h"
#include "cvcommon/cv_skin.h"
#include "cvcommon/profile_ini.h"
#include "cvcommon/service_classes.h"
#include "ftp_items.h"
#include "my_tree_widget.h"
#include "profilekit/com_progress_dlg.h"
#include "profilekit/settings_file.h"
#include "profilekit/skin_icon.h"
#include "profilekit/utf8_cut.h"
#include "ui_bt_ftp_client.h"

namespace {

constexpr int kIconKind = skinpicture::kIcon;
const char kDefaultLocalFolder[] = "/home/user/My Documents";

QIcon skinIcon(int key) { return SkinIcon(key, QStyle::SP_FileIcon); }

// The local folder shown first; a folder that is not there gives way to the home folder.
QString defaultLocalFolder() {
    char folder[256] = {};
    GetPrivateProfileString("FtpClient", "DefaultLocalFolder", kDefaultLocalFolder, folder, sizeof folder,
                            CommonSettingsPath());
    // A long value is cut to the buffer: a character broken there is dropped.
    const QString path = utf8cut::decode(folder, int(qstrnlen(folder, sizeof folder)));
    return QFileInfo(path).isDir() ? path : QDir::homePath();
}

}  // namespace

BtFtpClient::BtFtpClient(unsigned long connection, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::BtFtpClientClass>()),
      m_hConnection(static_cast<quint32>(connection)) {
    qRegisterMetaType<FTP_FIND_DATA>("FTP_FIND_DATA");
    qRegisterMetaType<quint8>("quint8");
    ui->setupUi(this);
    QString title;
    CvCm_GetSvcDisplayName(btclass::kFileTransfer, &title);
    setWindowTitle(title);
    setWindowIcon(skinIcon(skinpicture::kBluetooth));
    resize(734, 532);
    m_strFolderIcon = CCvSkin::GetImgPath(kIconKind, skinpicture::kFolder, 0);
    m_strFileIcon = CCvSkin::GetImgPath(kIconKind, skinpicture::kFile, 0);
    m_folderIcon = QIcon(m_strFolderIcon);
    m_fileIcon = QIcon(m_strFileIcon);
    setUpActions();
    setUpPanes();
    connectSignals();

    m_strHddRoot = m_strDevRoot = defaultLocalFolder();
    m_strUsbRoot = QStringLiteral("/media");
    for (const QString& folder : {QStringLiteral("/"), QDir::homePath()}) updateFolderBox(ui->comboBox_Local, folder);
    UpdateLocCombox(m_strDevRoot);
    updateFolderBox(ui->comboBox_Remote, QStringLiteral("/"));
    setUpEnabled(RemotePane, QStringLiteral("/"));
}

BtFtpClient::~BtFtpClient() {
    // Hiding the window while it is taken down moves the focus, which must not reach it.
    disconnect(qApp, nullptr, this, nullptr);
    m_linkWatch.stop();
    // A connect still running reports to no one now: its wait cursor goes with the window.
    setWaitCursor(false);
    closeProgressDlg();
    // No callback of the library reaches this window any more. The library's status
    // callback stays registered: it is the same for every window, and another window's
    // transfer may be running.
    releaseCallbacks(this);
    if (m_worker.busy() && (m_nOpState == Downloading || m_nOpState == Uploading || m_nOpState == Cancelling))
        Btsdk_FTPCancelTransfer(m_hConnection);
    m_worker.wait();
    m_cancel.finish();
    if (m_hShortcut) Btsdk_DisconnectShortCut(m_hShortcut);
    qDeleteAll(m_pendingFolders);
    qDeleteAll(m_pendingFiles);
}

void BtFtpClient::setUpActions() {
    const struct {
        QAction* action;
        int icon;
    } icons[] = {{ui->actUpload, 111},   {ui->actDownload, 112}, {ui->actNewFile, 110},   {ui->actNewFolder, 106},
                 {ui->actDelete, 117},   {ui->actList, 113},     {ui->actDetails, 114},   {ui->actHddDevice, 118},
                 {ui->actUsbDevice, 119}, {ui->actUpLocal, 109}, {ui->actUpRemote, 109}, {ui->actUpOneFolder, 109},
                 {ui->actRefresh, 115}};
    for (const auto& entry : icons) entry.action->setIcon(skinIcon(entry.icon));
    ui->actList->setChecked(true);
    ui->actHddDevice->setChecked(true);
    for (QAction* action : {ui->actUpload, ui->actDownload, ui->actDelete, ui->actRename})
        action->setEnabled(false);
    // The keys work wherever the focus is in the window, as the menu entries do.
    addActions({ui->actDelete, ui->actRename});
    ui->toolButton_UpLocal->setDefaultAction(ui->actUpLocal);
    ui->toolButton_UpRemote->setDefaultAction(ui->actUpRemote);
    ui->toolButton_Refresh->setDefaultAction(ui->actRefresh);
}

void BtFtpClient::setUpPanes() {
    ui->treeWidget_Local->setKind(MyTreeWidget::Local);
    ui->treeWidget_Remote->setKind(MyTreeWidget::Remote);
    for (MyTreeWidget* pane : {ui->treeWidget_Local, ui->treeWidget_Remote}) {
        pane->setViewMode(MyTreeWidget::List);
        pane->setEditTriggers(QAbstractItemView::NoEditTriggers);
    }
    ui->splitter->setStretchFactor(0, 1);
    ui->splitter->setStretchFactor(1, 1);
    ui->frame_LinkNotice->hide();
}

// Centred on the parent's window (on the screen without one) and kept, frame and all,
// inside the screen's available area, however the parent lies.
void BtFtpClient::placeOnScreen() {
    const QWidget* anchor = parentWidget() ? parentWidget()->window() : nullptr;
    const bool overAnchor = anchor && anchor->isVisible();
    QScreen* screen = overAnchor ? QGuiApplication::screenAt(anchor->frameGeometry().center()) : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QSize decoration = frameGeometry().size() - size();
    resize(size().boundedTo(area.size() - decoration));
    QRect frame(QPoint(), size() + decoration);
    frame.moveCenter(overAnchor ? anchor->frameGeometry().center() : area.center());
    frame.moveLeft(qBound(area.left(), frame.left(), area.left() + area.width() - frame.width()));
    frame.moveTop(qBound(area.top(), frame.top(), area.top() + area.height() - frame.height()));
    move(frame.topLeft());
}

// Placed when first shown, once the window's frame is known.
void BtFtpClient::showEvent(QShowEvent* event) {
    if (!m_placed) {
        m_placed = true;
        placeOnScreen();
    }
    QMainWindow::showEvent(event);
}

void BtFtpClient::connectSignals() {
    connect(qApp, &QApplication::focusChanged, this, &BtFtpClient::focusChanged);
    connect(&m_worker, &WorkingThread::OperationInd, this, &BtFtpClient::OperationInd);
    connect(this, &BtFtpClient::BrowseFileFound, this, &BtFtpClient::ShowBrowseFile, Qt::QueuedConnection);
    // The window's progress signal goes out on the library's thread, under the channel's lock.
    connect(&m_transferStatus, &TransferStatusRelay::statusReported, this, &BtFtpClient::FtpStatusCallback,
            Qt::DirectConnection);
    connect(this, &BtFtpClient::FtpStatusCallback, this, &BtFtpClient::procFtpStatusCallback,
            Qt::QueuedConnection);
    MyTreeWidget* local = ui->treeWidget_Local;
    MyTreeWidget* remote = ui->treeWidget_Remote;
    for (MyTreeWidget* pane : {local, remote}) {
        // Handled once the view has taken the editor down, since it may open a message box.
        connect(pane->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
                [this] { QMetaObject::invokeMethod(this, &BtFtpClient::itemEditDone, Qt::QueuedConnection); });
        connect(pane, &QTreeWidget::currentItemChanged, this, &BtFtpClient::currentItemChanged);
        connect(pane, &MyTreeWidget::UploadRequest, this, &BtFtpClient::UploadRequest);
        connect(pane, &MyTreeWidget::DownloadRequest, this, &BtFtpClient::DownloadRequest);
    }
    connect(local, &QTreeWidget::itemDoubleClicked, this, &BtFtpClient::itemDoubleClickedLocal);
    connect(remote, &QTreeWidget::itemDoubleClicked, this, &BtFtpClient::itemDoubleClickedRmt);
    connect(remote, &QTreeWidget::itemClicked, this, &BtFtpClient::itemClickedRmt);
    connect(local, &QTreeWidget::itemSelectionChanged, this, &BtFtpClient::UpdateActionLocal);
    connect(remote, &QTreeWidget::itemSelectionChanged, this, &BtFtpClient::UpdateActionRmt);
    connect(local, &MyTreeWidget::SignalMousePressEvent, this, &BtFtpClient::procLocMousePressEvent);
    connect(remote, &MyTreeWidget::SignalMousePressEvent, this, &BtFtpClient::procRmtMousePressEvent);
    connect(ui->comboBox_Local, &QComboBox::textActivated, this, &BtFtpClient::UpdateLocCombox);
    connect(ui->comboBox_Remote, &QComboBox::textActivated, this, &BtFtpClient::UpdateRmtCombox);

    connect(ui->actUpload, &QAction::triggered, this, &BtFtpClient::actionUpload);
    connect(ui->actDownload, &QAction::triggered, this, &BtFtpClient::actionDownload);
    connect(ui->actNewFile, &QAction::triggered, this, &BtFtpClient::actionNewFile);
    connect(ui->actNewFolder, &QAction::triggered, this, &BtFtpClient::actionNewFolder);
    connect(ui->actDelete, &QAction::triggered, this, &BtFtpClient::actionDelete);
    connect(ui->actRename, &QAction::triggered, this, &BtFtpClient::actionRename);
    connect(ui->actQuit, &QAction::triggered, this, &QWidget::close);
    connect(ui->actList, &QAction::triggered, this, &BtFtpClient::actionListView);
    connect(ui->actDetails, &QAction::triggered, this, &BtFtpClient::actionDetailView);
    connect(ui->actUpOneFolder, &QAction::triggered, this, &BtFtpClient::action_Up);
    connect(ui->actHome, &QAction::triggered, this, &BtFtpClient::action_Home);
    connect(ui->actRefresh, &QAction::triggered, this, &BtFtpClient::refreshRemote);
    connect(ui->actHddDevice, &QAction::triggered, this, &BtFtpClient::actionHddDevice);
    connect(ui->actUsbDevice, &QAction::triggered, this, &BtFtpClient::actionUsbDevice);
    connect(ui->actUpLocal, &QAction::triggered, this, &BtFtpClient::cdUpLocal);
    connect(ui->actUpRemote, &QAction::triggered, this, &BtFtpClient::cdUpRmt);
    connect(ui->pushButton_Reconnect, &QPushButton::clicked, this, &BtFtpClient::reconnect);
    connect(&m_linkWatch, &LinkWatch::lost, this, [this](ShortcutLink link) {
        if (m_nOpState == Idle && m_hConnection) linkLost(link);
    });
}

QString BtFtpClient::GetSizeString(unsigned int n) { return ftpitems::sizeText(n); }

// The remote pane's parts stand for any pane but the local one; callers rule out NoPane.
MyTreeWidget* BtFtpClient::tree(Pane pane) const {
    return pane == LocalPane ? ui->treeWidget_Local : ui->treeWidget_Remote;
}

QComboBox* BtFtpClient::folderBox(Pane pane) const {
    return pane == LocalPane ? ui->comboBox_Local : ui->comboBox_Remote;
}

BtFtpClient::Pane BtFtpClient::paneOf(QWidget* widget) const {
    for (Pane pane : {LocalPane, RemotePane}) {
        for (QWidget* part : {static_cast<QWidget*>(tree(pane)), static_cast<QWidget*>(folderBox(pane))})
            if (widget && (widget == part || part->isAncestorOf(widget))) return pane;
    }
    return NoPane;
}

// Each folder once (matched with case); "/" in the local box moves to the end.
void BtFtpClient::updateFolderBox(QComboBox* box, const QString& path) {
    int index = box->findText(path, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (box == ui->comboBox_Local && path == QLatin1String("/") && index >= 0) {
        box->removeItem(index);
        index = -1;
    }
    if (index < 0) {
        box->addItem(m_folderIcon, path);
        index = box->count() - 1;
    }
    const QSignalBlocker quiet(box);
    box->setCurrentIndex(index);
}

void BtFtpClient::setUpEnabled(Pane pane, const QString& path) {
    const bool belowRoot = path != QLatin1String("/");
    (pane == LocalPane ? ui->actUpLocal : ui->actUpRemote)->setEnabled(belowRoot);
    if (m_focusPane == pane || m_focusPane == NoPane) ui->actUpOneFolder->setEnabled(belowRoot);
}

void BtFtpClient::focusChanged(QWidget*, QWidget* now) {
    const Pane pane = paneOf(now);
    if (pane == NoPane) return;
    m_focusPane = pane;
    if (now == tree(pane)) {
        for (QAction* action : {ui->actUpload, ui->actDownload, ui->actDelete, ui->actRename})
            action->setEnabled(false);
        ui->actNewFile->setEnabled(pane == LocalPane);
        tree(pane == LocalPane ? RemotePane : LocalPane)->clearSelection();
        if (pane == LocalPane)
            UpdateActionLocal();
        else
            UpdateActionRmt();
    }
    showViewMode(pane);
    ui->actUpOneFolder->setEnabled(tree(pane)->currentPath() != QLatin1String("/"));
}

void BtFtpClient::UpdateActionLocal() {
    if (m_focusPane != LocalPane) return;
    const bool any = !ui->treeWidget_Local->selectedItems().isEmpty();
    for (QAction* action : {ui->actUpload, ui->actDelete, ui->actRename}) action->setEnabled(any);
}

// Renaming is for local entries only, so a remote selection leaves Rename off.
void BtFtpClient::UpdateActionRmt() {
    if (m_focusPane != RemotePane) return;
    const bool any = !ui->treeWidget_Remote->selectedItems().isEmpty();
    for (QAction* action : {ui->actDownload, ui->actDelete}) action->setEnabled(any);
}

void BtFtpClient::currentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem*) { m_pCurItem = current; }

void BtFtpClient::showViewMode(Pane pane) {
    const bool details = tree(pane)->viewMode() == MyTreeWidget::Details;
    ui->actList->setChecked(!details);
    ui->actDetails->setChecked(details);
}

void BtFtpClient::setViewMode(int mode) {
    if (m_focusPane != NoPane) {
        tree(m_focusPane)->setViewMode(MyTreeWidget::ViewMode(mode));
        showViewMode(m_focusPane);
    } else {
        ui->actList->setChecked(mode == MyTreeWidget::List);
        ui->actDetails->setChecked(mode == MyTreeWidget::Details);
    }
}

void BtFtpClient::actionListView() { setViewMode(MyTreeWidget::List); }

void BtFtpClient::actionDetailView() { setViewMode(MyTreeWidget::Details); }

void BtFtpClient::action_Home() {
    if (m_focusPane == LocalPane)
        UpdateLocCombox(m_strDevRoot);
    else if (m_focusPane == RemotePane)
        UpdateRmtCombox(QStringLiteral("/"));
}

void BtFtpClient::action_Up() {
    if (m_focusPane == LocalPane)
        cdUpLocal();
    else if (m_focusPane == RemotePane)
        cdUpRmt();
}

void BtFtpClient::actionHddDevice() {
    m_strDevRoot = m_strHddRoot;
    UpdateLocCombox(m_strDevRoot);
    ui->actHddDevice->setChecked(true);
    ui->actUsbDevice->setChecked(false);
}

void BtFtpClient::actionUsbDevice() {
    m_strDevRoot = m_strUsbRoot;
    UpdateLocCombox(m_strDevRoot);
    ui->actUsbDevice->setChecked(true);
    ui->actHddDevice->setChecked(false);
}

QList<QUrl> BtFtpClient::selectedUrls(Pane pane) const {
    QList<QUrl> urls;
    const MyTreeWidget* view = tree(pane);
    for (const QTreeWidgetItem* item : view->selectedItems()) urls << pathUrl(view->pathOf(item->text(0)));
    return urls;
}

void BtFtpClient::procLocMousePressEvent(QMouseEvent* event) { openMenu(LocalPane, event); }

void BtFtpClient::procRmtMousePressEvent(QMouseEvent* event) { openMenu(RemotePane, event); }

// The item under the cursor is remembered; the right button opens the pane's menu, whose
// item entries are enabled only over an item.
void BtFtpClient::openMenu(Pane pane, QMouseEvent* event) {
    MyTreeWidget* view = tree(pane);
    m_pCurItem = view->itemAt(event->pos());
    if (event->button() != Qt::RightButton) return;
    m_focusPane = pane;
    const bool onItem = m_pCurItem != nullptr;
    auto* menu = new QMenu(this);
    menu->setObjectName(pane == LocalPane ? QStringLiteral("menu_LocalContext") : QStringLiteral("menu_RemoteContext"));
    if (pane == LocalPane) {
        ui->actUpload->setEnabled(onItem);
        ui->actRename->setEnabled(onItem);
        menu->addActions({ui->actUpload, ui->actNewFile, ui->actNewFolder, ui->actRename, ui->actDelete});
        menu->addSeparator();
        menu->addActions({ui->actList, ui->actDetails});
        menu->addSeparator();
        menu->addActions({ui->actHddDevice, ui->actUsbDevice});
    } else {
        ui->actDownload->setEnabled(onItem);
        menu->addActions({ui->actDownload, ui->actNewFolder, ui->actDelete});
        menu->addSeparator();
        menu->addAction(ui->actRefresh);
        menu->addSeparator();
        menu->addActions({ui->actList, ui->actDetails});
    }
    ui->actDelete->setEnabled(onItem);
    ui->actNewFile->setEnabled(pane == LocalPane);
    popupMenu(menu, event);
}

void BtFtpClient::popupMenu(QMenu* menu, QMouseEvent* event) {
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void BtFtpClient::closeEvent(QCloseEvent* event) {
    Q_EMIT hideBtFtpClient(this);
    event->accept();
}
