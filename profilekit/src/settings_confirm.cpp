#include "profilekit/settings_confirm.h"

#include <QMessageBox>

#include "corvclient/btsdk.h"

bool SettingsChangeConfirm::ConfirmSettingChange(unsigned int server, QWidget* parent) {
    constexpr BTUINT16 kInUse = 3;
    BTUINT16 status = 0;
    if (!server || Btsdk_GetServerStatus(server, &status) != BTSDK_OK) return false;
    if (status != kInUse) return true;
    return QMessageBox::warning(parent, tr("Confirm Settings Warning"),
                                tr("WARNING: A remote device has connected to this service. If you continue to "
                                   "change the settings, the connection will be disconnected. \n\nAre you sure "
                                   "you want to change the settings?"),
                                QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}
