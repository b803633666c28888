#include "plugin_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace {

QMenu* newMenu(QWidget* owner, const QString& objectName) {
    auto* menu = new QMenu(owner);
    menu->setObjectName(objectName);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    return menu;
}

void addOwnActions(QMenu* menu, const QList<QAction*>& ownActions) {
    for (QAction* action : ownActions) {
        action->setParent(menu);
        menu->addAction(action);
    }
}

}  // namespace

QMenu* popupMenu(QWidget* owner, const QString& objectName, const QList<QAction*>& pluginActions,
                 const QList<QAction*>& ownActions, const QPoint& globalPos) {
    QMenu* menu = newMenu(owner, objectName);
    if (pluginActions.isEmpty()) {
        QAction* none = menu->addAction(QCoreApplication::translate("PluginMenu", "No profile actions"));
        none->setEnabled(false);
    }
    menu->addActions(pluginActions);
    if (!ownActions.isEmpty()) {
        menu->addSeparator();
        addOwnActions(menu, ownActions);
    }
    menu->popup(globalPos);
    return menu;
}

QMenu* popupItemMenu(QWidget* owner, const QString& objectName, const QList<QAction*>& pluginActions,
                     const std::function<QList<QAction*>()>& makeOwnActions, const QPoint& globalPos) {
    QMenu* menu = newMenu(owner, objectName);
    if (pluginActions.isEmpty())
        addOwnActions(menu, makeOwnActions());
    else
        menu->addActions(pluginActions);
    menu->popup(globalPos);
    return menu;
}
