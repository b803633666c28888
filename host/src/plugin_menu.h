// Context menus of servers, services and shortcuts. The plug-in's actions belong to the
// plug-in (the menu only shows them); the manager's own become the menu's children. Each
// menu opens at globalPos without blocking and deletes itself when it closes.
#pragma once

#include <QList>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class QPoint;
class QWidget;

// A remote service's menu: the plug-in's actions (a note when it has none), then the
// manager's own.
QMenu* popupMenu(QWidget* owner, const QString& objectName, const QList<QAction*>& pluginActions,
                 const QList<QAction*>& ownActions, const QPoint& globalPos);

// A local server's or a shortcut's menu: when the plug-in has actions for the item they
// are the whole menu; otherwise it holds the manager's own, which makeOwnActions makes
// only then.
QMenu* popupItemMenu(QWidget* owner, const QString& objectName, const QList<QAction*>& pluginActions,
                     const std::function<QList<QAction*>()>& makeOwnActions, const QPoint& globalPos);
