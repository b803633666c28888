#include "plugin_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

QMenu* popupMenu(QWidget* owner, const QString& objectName, const QList<QAction*>& pluginActions,
                 const QList<QAction*>& hostActions, const QPoint& globalPos) {
    auto* menu = new QMenu(owner);
    menu->setObjectName(objectName);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (pluginActions.isEmpty()) {
        QAction* none = menu->addAction(QCoreApplication::translate("PluginMenu", "No profile actions"));
        none->setEnabled(false);
    }
    menu->addActions(pluginActions);
    if (!hostActions.isEmpty()) {
        menu->addSeparator();
        for (QAction* action : hostActions) {
            action->setParent(menu);
            menu->addAction(action);
        }
    }
    menu->popup(globalPos);
    return menu;
}
