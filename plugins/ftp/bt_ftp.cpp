#include "bt_ftp.h"

#include <QAction>
#include <QDesktopServices>
#include <QMutex>
#include <QStringList>
#include <QThread>
#include <QUrl>

#include <algorithm>
#include <cstring>

#include "bt_ftp_client.h"
#include "cvcommon/class_names.h"
#include "cvcommon/profile_ini.h"
#include "cvcommon/settings_paths.h"
#include "cvcommon/shortcut_helpers.h"
#include "ftpproperty_class.h"
#include "profilekit/profile_status_class.h"
#include "profilekit/rmt_profile_property_class.h"
#include "profilekit/server_switch.h"
#include "profilekit/share_folder_check.h"

BtFtp* BtFtp::s_pThis = nullptr;

namespace {

constexpr BTUINT16 kIdle = 1, kStopped = 2, kConnected = 3;
constexpr int kBold = 75, kNormal = 50;
constexpr BTUINT32 kReceivedStatus = 0x06A00300;
constexpr quint32 kFileCommand = 1, kFileReceived = 7, kPathSize = 260;
constexpr char kSection[] = "FTPSERVER";

// Guards s_pThis against its deletion and the receive buffers against two files that
// arrive at once on the library's threads.
QMutex s_receiveLock;

QByteArray settingsPath() {
    char path[256] = {};
    CvCm_GetCommonSettingFilePath(path, sizeof path);
    return path;
}

bool serverStatus(unsigned int server, BTUINT16* status) { return Btsdk_GetServerStatus(server, status) == BTSDK_OK; }

void setWeight(QAction* action, int weight) {
    QFont font = action->font();
    font.setWeight(weight);
    action->setFont(font);
}

// A folder check at start-up: a folder that cannot be made is tried with "USERNAME" in
// place of "user" (in any case); the new folder is written back.
void checkFtpShareFolder(const char* section, const char* key, char* folder, const QByteArray& path) {
    if (CheckShareFolder(folder, Qt::CaseInsensitive)) Btsdk_WritePrivateProfileString(section, key, folder, path);
}

}  // namespace

BtFtp::BtFtp(QWidget* parent) : m_pParent(parent) {}

BtFtp::~BtFtp() = default;

void BtFtp::destroy() {
    BtFtp* self = nullptr;
    {
        QMutexLocker lock(&s_receiveLock);
        self = s_pThis;
        s_pThis = nullptr;
    }
    delete self;
}

QAction* BtFtp::newAction(void (BtFtp::*slot)()) {
    auto* action = new QAction(this);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

void BtFtp::createActions() {
    if (m_actProperty) return;
    m_actOpen = newAction(&BtFtp::actionExploer);
    m_actDisconnect = newAction(&BtFtp::actionDisconnect);
    m_actProperty = newAction(&BtFtp::actionProfileProperty);
    m_actProperty->setText(tr("&Properties"));
    m_actStatus = newAction(&BtFtp::actionProfileStatus);
    m_actStatus->setText(tr("&Status"));
    m_sep1 = new QAction(this);
    m_sep1->setSeparator(true);
    m_sep2 = new QAction(this);
    m_sep2->setSeparator(true);
    m_actOpenShare = newAction(&BtFtp::actionOpenShare);
    m_actOpenShare->setText(tr("&Open shared folder"));
    m_actSvrEnable = newAction(&BtFtp::actionSvrEnable);
    m_actSvrEnable->setText(tr("&Disable"));
    m_actSvrStatus = newAction(&BtFtp::actionSvrStatus);
    m_actSvrStatus->setText(tr("&Status"));
    m_actSvrProperty = newAction(&BtFtp::actionSvrProperty);
    m_actSvrProperty->setText(tr("&Properties"));
}

QList<BtFtpClient*> BtFtp::clientWindows() const {
    QList<BtFtpClient*> windows;
    for (const QPointer<BtFtpClient>& entry : m_lstClientWnd) {
        BtFtpClient* window = entry.data();
        if (window && window->shortcutHandle() == m_hShortcut) windows << window;
    }
    return windows;
}

// One "&Disconnect" for each browser window of the shortcut, except a window that is
// asking whether to delete remote files.
QList<QAction*> BtFtp::disconnectEntries() const {
    QList<QAction*> list;
    for (const BtFtpClient* window : clientWindows())
        if (!window->isConfirmingDelete()) list << m_actDisconnect;
    return list;
}

QList<QAction*> BtFtp::GetActionList() {
    createActions();
    if (!CvCm_IsShortcutConnected(m_hShortcut)) {
        m_actOpen->setText(tr("&Open"));
        return {m_actOpen, m_actStatus, m_actProperty};
    }
    m_actDisconnect->setText(tr("&Disconnect"));
    return disconnectEntries() << m_actStatus << m_actProperty;
}

QList<QAction*> BtFtp::GetRemoteActionList() {
    createActions();
    if (!CvCm_IsShortcutConnected(m_hShortcut)) {
        m_actOpen->setText(tr("&Open File Explorer"));
        return {m_actOpen};
    }
    QString name;
    CvCm_GetSvcDisplayName(kFtpClass, &name);
    m_actDisconnect->setText(tr("&Disconnect %1").arg(name));
    return disconnectEntries();
}

QList<QAction*> BtFtp::GetLocalSvrActionList(unsigned int server) {
    SetSvrHandle(server);
    createActions();
    BTUINT16 status = 0;
    serverStatus(server, &status);
    if (status == kStopped) {
        setWeight(m_actSvrEnable, kBold);
        m_actSvrEnable->setText(tr("&Enable"));
        setWeight(m_actOpenShare, kNormal);
    } else if (status == kIdle) {
        setWeight(m_actSvrEnable, kNormal);
        m_actSvrEnable->setText(tr("&Disable"));
        setWeight(m_actOpenShare, kBold);
    }
    return {m_actOpenShare, m_sep1, m_actSvrEnable, m_actSvrStatus, m_sep2, m_actSvrProperty};
}

QString BtFtp::getProfileTip(unsigned int shortcut, unsigned int server) {
    QString tip;
    if (shortcut) {
        tip = CvCm_IsShortcutConnected(shortcut) ? tr("Double-click to show service's status.\n")
                                                 : tr("Double-click to open the file explorer.\n");
    } else if (server) {
        BTUINT16 status = 0;
        tip = serverStatus(server, &status) && status == kConnected ? tr("Double-click to show service's status.\n")
                                                                    : tr("Double-click to view the shared folder.\n");
    }
    return tip + tr("Right-click to get more options.");
}

void BtFtp::performDefaultActionByShortcut(unsigned int shortcut) {
    SetShortcutHanlde(shortcut);
    if (CvCm_IsShortcutConnected(shortcut))
        actionProfileStatus();
    else
        actionExploer();
}

void BtFtp::performLocalSvrDefaultAction(unsigned int server) {
    BTUINT16 status = 0;
    if (!serverStatus(server, &status)) return;
    if (status == kStopped) {
        Btsdk_StartServer(server);
    } else if (status == kIdle) {
        openShareFolder();
    } else if (status == kConnected) {
        ProfileStatusClass dialog(server, m_pParent);
        dialog.exec();
    }
}

void BtFtp::openShareFolder() {
    char folder[260] = {};
    GetPrivateProfileString(kSection, "SHAREFOLDER", "/", folder, sizeof folder, settingsPath());
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromUtf8(folder)));
}

void BtFtp::actionProfileStatus() {
    ProfileStatusClass dialog(m_hShortcut, true, m_pParent);
    dialog.exec();
}

void BtFtp::actionProfileProperty() {
    RmtProfilePropertyClass dialog(m_hShortcut, m_pParent);
    dialog.exec();
}

void BtFtp::actionOpenShare() { openShareFolder(); }

void BtFtp::actionExploer() {
    const QList<BtFtpClient*> open = clientWindows();
    if (!open.isEmpty()) {
        open.first()->raise();
        open.first()->activateWindow();
        return;
    }
    auto* window = new BtFtpClient(0, m_pParent);
    connect(window, &BtFtpClient::hideBtFtpClient, this, &BtFtp::handleMainWndClose);
    window->setAttribute(Qt::WA_DeleteOnClose);
    m_lstClientWnd.append(window);
    window->show();
    window->setShortcutHandle(m_hShortcut);
}

void BtFtp::actionDisconnect() { closeClientDlg(); }

void BtFtp::closeClientDlg() {
    const QList<BtFtpClient*> open = clientWindows();
    if (!open.isEmpty()) open.first()->close();
}

void BtFtp::handleMainWndClose(QWidget* pWnd) {
    m_lstClientWnd.erase(std::remove_if(m_lstClientWnd.begin(), m_lstClientWnd.end(),
                                        [pWnd](const QPointer<BtFtpClient>& window) {
                                            return !window || window.data() == pWnd;
                                        }),
                         m_lstClientWnd.end());
}

void BtFtp::PerformPostDisc() {
    BTCONNHDL connections[32] = {};
    const BTUINT32 count = Btsdk_GetAllOutgoingConnections(connections, 32);
    for (BTUINT32 i = 0; i < count && i < 32; ++i) {
        BtsdkConnectionProperty property{};
        if (Btsdk_GetConnectionProperty(connections[i], &property) == BTSDK_OK && property.service_class == kFtpClass)
            return;
    }
    closeClientDlg();
}

void BtFtp::actionSvrEnable() { SwitchProfileServer(m_hServer, kSection); }

void BtFtp::actionSvrStatus() {
    ProfileStatusClass dialog(m_hServer, m_pParent);
    dialog.exec();
}

void BtFtp::actionSvrProperty() { FtppropertyClass::ShowSvrPropertyDlg(m_hServer, nullptr, 0); }

void BtFtp::StartProfileServer() {
    const QByteArray path = settingsPath();
    int access = 0;
    {
        QMutexLocker lock(&s_receiveLock);
        GetPrivateProfileString(kSection, "SHAREFOLDER", "", m_szShareFolder, sizeof m_szShareFolder, path);
        access = GetPrivateProfileInt(kSection, "DESIRED_ACCESS", 1, path);
        checkFtpShareFolder(kSection, "SHAREFOLDER", m_szShareFolder, path);
    }
    char localFolder[260] = {};
    GetPrivateProfileString("FtpClient", "DefaultLocalFolder", "", localFolder, sizeof localFolder, path);
    checkFtpShareFolder("FtpClient", "DefaultLocalFolder", localFolder, path);
    char folder[260] = {};
    {
        QMutexLocker lock(&s_receiveLock);
        std::memcpy(folder, m_szShareFolder, sizeof folder);
    }
    m_hFtpService = Btsdk_RegisterFTPService(static_cast<BTUINT16>(access), folder);
    Btsdk_FTPRegisterDealReceiveFileCB(&BtFtp::DealFTPServerEvent);
}

BTUINT32 BtFtp::DealFTPServerEvent(BtSdkFileTransferReqStru* request) {
    if (!request || request->status != kReceivedStatus) return 0;
    QStringList list;
    {
        QMutexLocker lock(&s_receiveLock);
        BtFtp* self = s_pThis;
        if (!self || !self->m_pfnInvokeCv) return 0;
        GetPrivateProfileString(kSection, "SHAREFOLDER", "", self->m_szShareFolder, sizeof self->m_szShareFolder,
                                settingsPath());
        std::memset(self->m_szRecvFile, 0, sizeof self->m_szRecvFile);
        std::memcpy(self->m_szRecvFile, request->path, strnlen(request->path, sizeof self->m_szRecvFile - 1));
        list << QString::fromUtf8(self->m_szShareFolder) << QString::fromUtf8(self->m_szRecvFile);
        if (QThread::currentThread() == self->thread()) return self->handOver(list);
        // Off the user-interface thread: carried there without waiting, since the library
        // calls this under its call mutex, which the user-interface thread may be waiting on.
        QMetaObject::invokeMethod(self, [self, list] { self->handOver(list); }, Qt::QueuedConnection);
    }
    return 0;
}

// Each file has its own list, which lives for the host's call.
BTUINT32 BtFtp::handOver(const QStringList& list) {
    QStringList received = list;
    return m_pfnInvokeCv(kFileCommand, kFileReceived, kPathSize, &received);
}
