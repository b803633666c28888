// The browser window's connection to the device: connecting with the wait cursor, the
// title that names the device, and what the window does when the link or the service is
// gone: it says so and offers to connect again.
#include <QApplication>

#include "bt_ftp_client.h"
#include "cvcommon/class_names.h"
#include "cvcommon/service_classes.h"
#include "cvcommon/shortcut_helpers.h"
#include "ui_bt_ftp_client.h"

namespace {

// A device name of the longest kind a device may have (248 bytes) with its NUL.
constexpr unsigned short kDeviceNameSize = 256;

}  // namespace

void BtFtpClient::setShortcutHandle(unsigned int shortcut) {
    m_hShortcut = shortcut;
    BtsdkShortcutProperty property{};
    property.shortcut = shortcut;
    m_strDevName = CvCm_ReadShortcutProperty(&property) ? CvCm_GetRmtDevName(property.device, kDeviceNameSize) : QString();
    QString service;
    CvCm_GetSvcDisplayName(btclass::kFileTransfer, &service);
    setWindowTitle(m_strDevName.isEmpty() ? service : tr("%1 - %2").arg(m_strDevName, service));
    UpdateRmtCombox(QStringLiteral("/"));
}

void BtFtpClient::setWaitCursor(bool on) {
    if (on == m_waitCursor) return;
    m_waitCursor = on;
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void BtFtpClient::connectService() {
    m_nOpState = Connecting;
    BtsdkShortcutProperty property{};
    property.shortcut = m_hShortcut;
    if (!CvCm_ReadShortcutProperty(&property)) {
        m_nOpState = Idle;
        linkLost(ShortcutLink::ServiceGone);
        return;
    }
    ui->frame_LinkNotice->hide();
    statusBar()->showMessage(tr("Connecting..."));
    setWaitCursor(true);
    m_worker.StartOperation(WorkingThread::Connect, property.device, btclass::kFileTransfer);
}

void BtFtpClient::connected(quint32 connection) {
    statusBar()->showMessage(tr("Connected."));
    m_hConnection = connection;
    m_linkWatch.watch(m_hShortcut);
    const QString folder = m_folderAfterConnect;
    m_folderAfterConnect = QStringLiteral("/");
    UpdateRmtCombox(folder);
}

void BtFtpClient::reconnect() {
    if (m_nOpState == Idle && !m_hConnection) connectService();
}

bool BtFtpClient::linkUp() {
    const ShortcutLink link = shortcutLink(m_hShortcut);
    if (link == ShortcutLink::Up) return true;
    linkLost(link);
    return false;
}

// The remote pane would show what the device may no longer have: it is cleared, and the
// folder it showed is listed again once connected.
void BtFtpClient::linkLost(ShortcutLink link) {
    m_linkWatch.stop();
    if (m_hConnection) {
        m_folderAfterConnect = ui->treeWidget_Remote->currentPath().isEmpty() ? QStringLiteral("/")
                                                                             : ui->treeWidget_Remote->currentPath();
        m_hConnection = 0;
    }
    clearRemote();
    const QString device = m_strDevName.isEmpty() ? tr("the device") : m_strDevName;
    showLinkNotice(link == ShortcutLink::ServiceGone ? tr("The Bluetooth service is not available.")
                                                     : tr("The connection to %1 was lost.").arg(device));
}

void BtFtpClient::showLinkNotice(const QString& text) {
    statusBar()->showMessage(text);
    ui->label_LinkNotice->setText(text);
    ui->frame_LinkNotice->show();
}
