#include "profile_windows.h"

#include <QAction>

#include "profilekit/profile_status_class.h"
#include "profilekit/rmt_profile_property_class.h"

ProfileWindows::ProfileWindows(QWidget* window) : QObject(window), window_(window) {}

void ProfileWindows::showServerStatus(quint32 server) { showStatus(Kind::Server, server); }

void ProfileWindows::showShortcutStatus(quint32 shortcut) { showStatus(Kind::Shortcut, shortcut); }

void ProfileWindows::showStatus(Kind kind, quint32 handle) {
    QPointer<ProfileStatusClass>& open = status_[Key(int(kind), handle)];
    if (!open) {
        open = kind == Kind::Server ? new ProfileStatusClass(handle, window_)
                                    : new ProfileStatusClass(handle, true, window_);
        open->setAttribute(Qt::WA_DeleteOnClose);
        open->setObjectName(QStringLiteral("profileStatus"));
    }
    open->show();
    open->raise();
    open->activateWindow();
}

void ProfileWindows::showShortcutProperties(quint32 shortcut) {
    // Guarded: the main window deletes its dialogs when it goes while this one still runs.
    QPointer<RmtProfilePropertyClass> dialog = new RmtProfilePropertyClass(shortcut, window_);
    dialog->setObjectName(QStringLiteral("profileProperties"));
    dialog->exec();
    delete dialog;
}

QAction* ProfileWindows::statusAction(Kind kind, quint32 handle) {
    auto* action = new QAction(tr("Status…"));
    action->setObjectName(QStringLiteral("statusAction"));
    connect(action, &QAction::triggered, this, [this, kind, handle] { showStatus(kind, handle); });
    return action;
}

QAction* ProfileWindows::serverStatusAction(quint32 server) { return statusAction(Kind::Server, server); }

QAction* ProfileWindows::shortcutStatusAction(quint32 shortcut) { return statusAction(Kind::Shortcut, shortcut); }

QAction* ProfileWindows::shortcutPropertiesAction(quint32 shortcut) {
    auto* action = new QAction(tr("Properties…"));
    action->setObjectName(QStringLiteral("propertiesAction"));
    connect(action, &QAction::triggered, this, [this, shortcut] { showShortcutProperties(shortcut); });
    return action;
}
