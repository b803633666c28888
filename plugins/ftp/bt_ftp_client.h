// BtFtpClient: the two-pane window in which the user browses a remote device's file
// transfer service: the local file system on the left, the device's folders on the
// right. It connects the shortcut's service, lists folders, moves files and folders both
// ways (several at once, one after another, through one progress window), creates,
// renames and deletes entries, and shows progress. Every blocking call runs on its
// WorkingThread; the window reacts to the reports on the user-interface thread.
#pragma once

#include <QIcon>
#include <QList>
#include <QMainWindow>
#include <QUrl>

#include <atomic>
#include <memory>

#include "corvclient/btsdk.h"
#include "link_watch.h"
#include "local_files.h"
#include "profilekit/transfer_cancel.h"
#include "profilekit/transfer_status.h"
#include "transfer_batch.h"
#include "working_thread.h"

namespace Ui {
class BtFtpClientClass;
}
class ComProgressDlg;
class MyTreeWidget;
class QComboBox;
class QMenu;
class QMouseEvent;
class QTreeWidgetItem;

Q_DECLARE_METATYPE(FTP_FIND_DATA)

class BtFtpClient : public QMainWindow {
    Q_OBJECT

public:
    BtFtpClient(unsigned long connection, QWidget* parent);
    ~BtFtpClient() override;

    // Stores the shortcut and shows the remote root, connecting first.
    void setShortcutHandle(unsigned int shortcut);
    unsigned int shortcutHandle() const { return m_hShortcut; }
    // True while the remote delete confirmation shows.
    bool isConfirmingDelete() const { return m_bConfirmingDelete; }
    static QString GetSizeString(unsigned int n);

    // The client library's receivers, on its threads: they copy what they get and hand it
    // to the window whose listing or transfer runs.
    static void BTSDK_FTP_UIShowBrowseFile(FTP_FIND_DATA* entry);
    static void FTP_StatusCallback(BTUINT8 first, BTUINT8 last, const char* filename, BTUINT32 filesize,
                                   BTUINT32 cursize);

Q_SIGNALS:
    void BrowseFileFound(quint32 listing, const FTP_FIND_DATA& entry);
    void FtpStatusCallback(quint8 first, quint8 last, const QByteArray& filename, quint32 filesize,
                           quint32 cursize);
    void UserCancelTrasfer();
    void sgnTransStatus(quint8 first, quint8 last, quint8* filename, quint32 filesize, quint32 cursize);
    void hideBtFtpClient(QWidget* pWnd);

public Q_SLOTS:
    void ShowBrowseFile(quint32 listing, const FTP_FIND_DATA& entry);
    void cdUpLocal();
    void UpdateLocCombox(const QString& path);
    void UpdateLocTree(const QString& path);
    void itemDoubleClickedLocal(QTreeWidgetItem* item, int column);
    void cdUpRmt();
    void UpdateRmtCombox(const QString& path);
    void UpdateRmtTree(const QString& path);
    void itemDoubleClickedRmt(QTreeWidgetItem* item, int column);
    void itemClickedRmt(QTreeWidgetItem* item, int column);
    void UpdateActionRmt();
    void UpdateActionLocal();
    void UploadRequest(const QList<QUrl>& urls);
    void DownloadRequest(const QList<QUrl>& urls);
    void DeleteRmtRequest(const QList<QUrl>& urls);
    void action_Home();
    void action_Up();
    void OperationInd(quint32 opType, quint32 wparam, quint32 lparam);
    void procFtpStatusCallback(quint8 first, quint8 last, const QByteArray& filename, quint32 filesize,
                               quint32 cursize);
    void procUserAction(quint8 action);
    void currentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    void procLocMousePressEvent(QMouseEvent* event);
    void procRmtMousePressEvent(QMouseEvent* event);
    void actionUpload();
    void actionDownload();
    void actionNewFile();
    void actionNewFolder();
    void actionRename();
    void refreshRemote();
    void actionListView();
    void actionDetailView();
    void actionDelete();
    void actionHddDevice();
    void actionUsbDevice();
    void focusChanged(QWidget* old, QWidget* now);
    void itemEditDone();
    // Connects again after the connection was lost, and lists the folder shown before.
    void reconnect();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    enum OpState { Idle = 0, Connecting = 1, Downloading = 2, Uploading = 3, Cancelling = 5, Deleting = 6 };
    enum Pane { NoPane, LocalPane, RemotePane };

    void setUpActions();
    void setUpPanes();
    void placeOnScreen();
    void connectSignals();
    MyTreeWidget* tree(Pane pane) const;
    QComboBox* folderBox(Pane pane) const;
    Pane paneOf(QWidget* widget) const;
    void updateFolderBox(QComboBox* box, const QString& path);
    void setUpEnabled(Pane pane, const QString& path);
    void setViewMode(int mode);
    void showViewMode(Pane pane);
    void popupMenu(QMenu* menu, QMouseEvent* event);
    void openMenu(Pane pane, QMouseEvent* event);
    QList<QUrl> selectedUrls(Pane pane) const;

    // Remote side.
    void connectService();
    void connected(quint32 connection);
    void setWaitCursor(bool on);
    // Whether the shortcut's connection is still up; when it is not, says so.
    bool linkUp();
    // Forgets the connection and the remote listing, says why and offers to reconnect.
    void linkLost(ShortcutLink link);
    void showLinkNotice(const QString& text);
    void clearRemote();
    void flushEntries();
    QTreeWidgetItem* remoteItemNamed(const QString& name, bool selectedOnly) const;
    void editNewRemoteFolder();
    void createRemoteFolder(QTreeWidgetItem* item);

    // Local side.
    void newLocalEntry(bool folder);
    void editItem(MyTreeWidget* pane, QTreeWidgetItem* item);
    void renameLocal(QTreeWidgetItem* item);
    void deleteLocal();
    void deleteRemote();
    bool confirmDeleteHint(QTreeWidgetItem* item, bool isFolder, int count);
    void warnDenied(const localfiles::DeleteResult& result);

    // Transfers and remote deletes, one item of the batch at a time.
    bool busy();
    QList<TransferBatch::Item> selectedRemoteItems(const QList<QUrl>& urls) const;
    void startBatch(TransferBatch::Kind kind, const QList<TransferBatch::Item>& items);
    void startNextItem();
    bool confirmReplace(const QString& name, bool isFolder);
    void itemReported(bool ok, quint32 code);
    void finishBatch();
    void showCompProgressDlg();
    void closeProgressDlg();
    // The window that receives the library's listing entries; the one that receives its
    // progress reports is the receiver of s_transferStatus (m_transferStatus).
    static void setBrowsingClient(BtFtpClient* client);
    static void releaseCallbacks(BtFtpClient* client);
    static TransferStatusChannel s_transferStatus;

    std::unique_ptr<Ui::BtFtpClientClass> ui;
    bool m_bConfirmingDelete = false;
    QString m_strDevRoot, m_strHddRoot, m_strUsbRoot;
    ComProgressDlg* m_pProgressDlg = nullptr;
    // The cancel of a transfer runs on a second worker, made for it.
    TransferCancel m_cancel{[] { return std::make_unique<WorkingThread>(); }, WorkingThread::Cancel};
    TransferStatusRelay m_transferStatus{s_transferStatus};
    quint32 m_hConnection = 0;
    unsigned int m_hShortcut = 0;
    QString m_strDevName;
    QTreeWidgetItem* m_pCurItem = nullptr;
    WorkingThread m_worker;
    int m_nOpState = Idle;
    QString m_strFolderIcon, m_strFileIcon;
    QIcon m_folderIcon, m_fileIcon;
    QString m_strProgSrc, m_strProgDst;
    bool m_bNewRmtFolder = false;

    Pane m_focusPane = NoPane;
    bool m_waitCursor = false;
    bool m_placed = false;
    LinkWatch m_linkWatch;
    // The remote folder listed once a connection comes up.
    QString m_folderAfterConnect = QStringLiteral("/");
    TransferBatch m_batch;
    bool m_readOnlyRefusal = false;
    // Listing entries: each listing has a number, so that entries of an earlier one still
    // queued are dropped; entries wait in batches to be shown together.
    std::atomic<quint32> m_listing{0};
    QList<QTreeWidgetItem*> m_pendingFolders, m_pendingFiles;
    int m_rmtFolderCount = 0;
    bool m_flushQueued = false;
    QTreeWidgetItem* m_editItem = nullptr;
    QString m_editOldName;
    Pane m_editPane = NoPane;
};
