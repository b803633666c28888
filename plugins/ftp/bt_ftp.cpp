#include "bt_ftp.h"

#include <QAction>
#include <QDesktopServices>
#include <QStringList>
#include <QUrl>

#include <algorithm>
#include <cstring>

#include "bt_ftp_client.h"
#include "cvcommon/class_names.h"
#include "cvcommon/profile_ini.h"
#include "cvcommon/service_classes.h"
#include "cvcommon/shortcut_helpers.h"
#include "ftpproperty_class.h"
#include "profilekit/connection_scan.h"
#include "profilekit/modal_dialog.h"
#include "profilekit/profile_status_class.h"
#include "profilekit/received_file.h"
#include "profilekit/rmt_profile_property_class.h"
#include "profilekit/server_actions.h"
#include "profilekit/server_switch.h"
#include "profilekit/settings_file.h"
#include "profilekit/share_folder_check.h"

BtFtp* BtFtp::s_pThis = nullptr;

namespace {

constexpr BTUINT32 kReceivedStatus = 0x06A00300;
constexpr char kSection[] = "FTPSERVER";

// Files put on the server reach the host through it; it also guards the receive buffers
// against two files that arrive at once on the library's threads.
ReceivedFileHandOver s_received;

// A folder check at start-up: a folder that cannot be made is tried with "USERNAME" in
// place of "user" (in any case); the new folder is written back.
void checkFtpShareFolder(const char* section, const char* key, char* folder, const QByteArray& path) {
    if (CheckShareFolder(folder, Qt::CaseInsensitive)) Btsdk_WritePrivateProfileString(section, key, folder, path);
}

}  // namespace

BtFtp::BtFtp(QWidget* parent) : m_pParent(parent) { s_received.open(this); }

BtFtp::~BtFtp() = default;

void BtFtp::destroy() {
    s_received.close();
    delete s_pThis;
    s_pThis = nullptr;
}

void BtFtp::SetInvokeCvFunction(HostInvokeFunc function) {
    s_received.locked([&] { m_pfnInvokeCv = function; });
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
    CvCm_GetSvcDisplayName(btclass::kFileTransfer, &name);
    m_actDisconnect->setText(tr("&Disconnect %1").arg(name));
    return disconnectEntries();
}

QList<QAction*> BtFtp::GetLocalSvrActionList(unsigned int server) {
    SetSvrHandle(server);
    createActions();
    return ServerActionList(server, {m_actOpenShare, m_sep1, m_actSvrEnable, m_actSvrStatus, m_sep2, m_actSvrProperty},
                            tr("&Enable"), tr("&Disable"));
}

QString BtFtp::getProfileTip(unsigned int shortcut, unsigned int server) {
    QString tip;
    if (shortcut) {
        tip = CvCm_IsShortcutConnected(shortcut) ? tr("Double-click to show service's status.\n")
                                                 : tr("Double-click to open the file explorer.\n");
    } else if (server) {
        BTUINT16 status = 0;
        tip = Btsdk_GetServerStatus(server, &status) == BTSDK_OK && status == BTSDK_SERVER_IN_USE
                  ? tr("Double-click to show service's status.\n")
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
    PerformServerDefaultAction(server, m_pParent, [this] { openShareFolder(); });
}

void BtFtp::openShareFolder() {
    char folder[260] = {};
    GetPrivateProfileString(kSection, "SHAREFOLDER", "/", folder, sizeof folder, CommonSettingsPath());
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromUtf8(folder)));
}

void BtFtp::actionProfileStatus() {
    ModalDialog<ProfileStatusClass> dialog(m_hShortcut, true, m_pParent);
    dialog.exec();
}

void BtFtp::actionProfileProperty() {
    ModalDialog<RmtProfilePropertyClass> dialog(m_hShortcut, m_pParent);
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
    if (AnyConnection(ConnectionSide::Outgoing, [](const BtsdkConnectionProperty& connection) {
            return connection.service_class == btclass::kFileTransfer;
        }))
        return;
    closeClientDlg();
}

void BtFtp::actionSvrEnable() { SwitchProfileServer(m_hServer, kSection); }

void BtFtp::actionSvrStatus() {
    ModalDialog<ProfileStatusClass> dialog(m_hServer, m_pParent);
    dialog.exec();
}

void BtFtp::actionSvrProperty() { FtppropertyClass::ShowSvrPropertyDlg(m_hServer, nullptr, 0); }

// The folders are read, checked and written back outside the receive lock, which no
// library call may be made under; only the copy into the shared buffer takes it.
void BtFtp::StartProfileServer() {
    const QByteArray path = CommonSettingsPath();
    char folder[260] = {};
    GetPrivateProfileString(kSection, "SHAREFOLDER", "", folder, sizeof folder, path);
    const int access = GetPrivateProfileInt(kSection, "DESIRED_ACCESS", 1, path);
    checkFtpShareFolder(kSection, "SHAREFOLDER", folder, path);
    s_received.locked([&] { std::memcpy(m_szShareFolder, folder, sizeof m_szShareFolder); });
    char localFolder[260] = {};
    GetPrivateProfileString("FtpClient", "DefaultLocalFolder", "", localFolder, sizeof localFolder, path);
    checkFtpShareFolder("FtpClient", "DefaultLocalFolder", localFolder, path);
    m_hFtpService = Btsdk_RegisterFTPService(static_cast<BTUINT16>(access), folder);
    Btsdk_FTPRegisterDealReceiveFileCB(&BtFtp::DealFTPServerEvent);
}

// Reads the settings file itself (no library call) under the receive lock.
BTUINT32 BtFtp::DealFTPServerEvent(BtSdkFileTransferReqStru* request) {
    if (!request || request->status != kReceivedStatus) return 0;
    return s_received.handOver([request](QObject* plugin) {
        auto* self = static_cast<BtFtp*>(plugin);
        if (!self->m_pfnInvokeCv) return ReceivedFileHandOver::File();
        GetPrivateProfileString(kSection, "SHAREFOLDER", "", self->m_szShareFolder, sizeof self->m_szShareFolder,
                                CommonSettingsPath());
        std::memset(self->m_szRecvFile, 0, sizeof self->m_szRecvFile);
        std::memcpy(self->m_szRecvFile, request->path, strnlen(request->path, sizeof self->m_szRecvFile - 1));
        return ReceivedFileHandOver::File{
            self->m_pfnInvokeCv, {QString::fromUtf8(self->m_szShareFolder), QString::fromUtf8(self->m_szRecvFile)}};
    });
}
