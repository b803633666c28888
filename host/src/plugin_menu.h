// Context menus of servers, services and shortcuts: the plug-in's actions first (they
// belong to the plug-in; the menu only shows them), then the manager's own.
#pragma once

#include <QList>
#include <QString>

class QAction;
class QMenu;
class QPoint;
class QWidget;

// Opens the menu at globalPos without blocking and returns it; it deletes itself when
// it closes. hostActions become the menu's children.
QMenu* popupMenu(QWidget* owner, const QString& objectName, const QList<QAction*>& pluginActions,
                 const QList<QAction*>& hostActions, const QPoint& globalPos);
