// SettingsChangeConfirm::ConfirmSettingChange: asked by a server property dialog before
// it applies changed settings to its server. No server, or a status that cannot be read,
// gives false; a server no remote device uses gives true; while one is connected
// (status 3) a warning box asks whether to go on (the connection will be dropped), and
// only Yes gives true. The box's parent is the property dialog.
#pragma once

#include <QCoreApplication>

#include "profilekit_api.h"

class QWidget;

class PROFILEKIT_EXPORT SettingsChangeConfirm {
    Q_DECLARE_TR_FUNCTIONS(SettingsChangeConfirm)

public:
    static bool ConfirmSettingChange(unsigned int server, QWidget* parent);
};
