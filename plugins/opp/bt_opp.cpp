#include "bt_opp.h"

#include <QAction>
#include <QDesktopServices>
#include <QUrl>

#include "cvcommon/profile_ini.h"
#include "cvcommon/shortcut_helpers.h"
#include "oppproperty_class.h"
#include "profilekit/modal_dialog.h"
#include "profilekit/profile_status_class.h"
#include "profilekit/rmt_profile_property_class.h"
#include "profilekit/server_actions.h"
#include "profilekit/server_switch.h"
#include "profilekit/settings_file.h"
#include "working_thread.h"

BtOpp* BtOpp::s_pThis = nullptr;

namespace {

constexpr char kSection[] = "OPPSERVER";

}  // namespace

// The library reports progress on its thread: the relay's report becomes this object's
// status signal there, and reaches the slot queued, on the user-interface thread.
BtOpp::BtOpp(QWidget* parent)
    : m_pParent(parent),
      m_cancel([] { return std::make_unique<WorkingThread>(); }, WorkingThread::Cancel) {
    connect(this, &BtOpp::signalOppStatusCallback, this, &BtOpp::slotOppStatusCallback, Qt::QueuedConnection);
    connect(
        &m_transferStatus, &TransferStatusRelay::statusReported, this,
        [this](quint8 first, quint8 last, const QByteArray& filename, quint32 filesize, quint32 cursize) {
            Q_EMIT signalOppStatusCallback(first, last, QString::fromUtf8(filename), filesize, cursize);
        },
        Qt::DirectConnection);
    openHandOver();
}

void BtOpp::destroy() {
    closeHandOver();
    delete s_pThis;
    s_pThis = nullptr;
}

QAction* BtOpp::newAction(const QString& text, void (BtOpp::*slot)()) {
    auto* action = new QAction(text, this);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

void BtOpp::createActions() {
    if (m_actSendFile) return;
    m_actSendFile = newAction(tr("&Send File"), &BtOpp::actionSendFile);
    m_actProperty = newAction(tr("&Properties"), &BtOpp::actionProfileProperty);
    m_actStatus = newAction(tr("&Status"), &BtOpp::actionProfileStatus);
    m_actOpenInbox = newAction(tr("&Open inbox folder"), &BtOpp::actionOpenInbox);
    m_actSvrEnable = newAction(tr("&Disable"), &BtOpp::actionSvrEnable);
    m_actSvrStatus = newAction(tr("&Status"), &BtOpp::actionSvrStatus);
    m_actSvrProperty = newAction(tr("&Properties"), &BtOpp::actionSvrProperty);
    m_sep1 = new QAction(this);
    m_sep1->setSeparator(true);
    m_sep2 = new QAction(this);
    m_sep2->setSeparator(true);
}

QList<QAction*> BtOpp::GetActionList() {
    createActions();
    QList<QAction*> list;
    if (!CvCm_IsShortcutConnected(m_hShortcut)) list << m_actSendFile;
    return list << m_actStatus << m_actProperty;
}

QList<QAction*> BtOpp::GetRemoteActionList() {
    createActions();
    if (CvCm_IsShortcutConnected(m_hShortcut)) return {};
    return {m_actSendFile};
}

// The server entries act on the second service handle.
QList<QAction*> BtOpp::GetLocalSvrActionList(unsigned int server) {
    SetSeviceHandle(0, server);
    createActions();
    return ServerActionList(server, {m_actOpenInbox, m_sep1, m_actSvrEnable, m_actSvrStatus, m_sep2, m_actSvrProperty},
                            tr("&Enable"), tr("&Disable"));
}

QString BtOpp::getProfileTip(unsigned int shortcut, unsigned int server) {
    QString tip;
    if (shortcut) {
        SetShortcutHanlde(shortcut);
        tip = CvCm_IsShortcutConnected(shortcut) ? tr("Double-click to show service's status.\n")
                                                 : tr("Double-click to send a file to the remote device.\n");
    } else if (server) {
        BTUINT16 status = 0;
        tip = Btsdk_GetServerStatus(server, &status) == BTSDK_OK && status == BTSDK_SERVER_IN_USE
                  ? tr("Double-click to show service's status.\n")
                  : tr("Double-click to view the inbox.\n");
    }
    return tip + tr("Right-click to get more options.");
}

void BtOpp::performDefaultActionByShortcut(unsigned int shortcut) {
    SetShortcutHanlde(shortcut);
    if (CvCm_IsShortcutConnected(shortcut))
        actionProfileStatus();
    else
        actionSendFile();
}

void BtOpp::performLocalSvrDefaultAction(unsigned int server) {
    PerformServerDefaultAction(server, m_pParent, [this] { actionOpenInbox(); });
}

void BtOpp::actionOpenInbox() {
    char folder[260] = {};
    GetPrivateProfileString(kSection, "INBOXFOLDER", "/", folder, sizeof folder, CommonSettingsPath());
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromUtf8(folder)));
}

void BtOpp::actionProfileProperty() {
    ModalDialog<RmtProfilePropertyClass> dialog(m_hShortcut, m_pParent);
    dialog.exec();
}

void BtOpp::actionProfileStatus() {
    ModalDialog<ProfileStatusClass> dialog(m_hShortcut, true, m_pParent);
    dialog.exec();
}

void BtOpp::actionSvrEnable() { SwitchProfileServer(m_hService[1], kSection); }

void BtOpp::actionSvrStatus() {
    ModalDialog<ProfileStatusClass> dialog(m_hService[1], m_pParent);
    dialog.exec();
}

void BtOpp::actionSvrProperty() { OpppropertyClass::ShowSvrPropertyDlg(m_hService[1], nullptr, 0); }
