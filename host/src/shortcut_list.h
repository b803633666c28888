// The stored shortcuts: each with its profile picture (the connected one while connected),
// its device and status, the plug-in's tool-tip, context menu and default action. The
// manager's own actions (status and properties windows, deletion) make the menu when the
// plug-in has none for the shortcut.
#pragma once

#include <QList>
#include <QObject>

class ProfileWindows;
class QAction;
class QTreeWidget;
class QTreeWidgetItem;

class ShortcutList : public QObject {
    Q_OBJECT
public:
    ShortcutList(QTreeWidget* view, ProfileWindows* windows);
    void reload();
    quint32 selectedShortcut() const;
    // The object-push shortcut of the row at the viewport position, or 0.
    quint32 objectPushShortcutAt(const QPoint& pos) const;
    // Opens the context menu of the shortcut's row, as a right click on it does.
    void showMenuOf(quint32 shortcut);

private:
    void showMenu(const QPoint& pos);
    QList<QAction*> ownActions(quint32 shortcut);
    QAction* deleteAction(quint32 shortcut);
    void runDefaultAction(QTreeWidgetItem* item);
    QTreeWidget* view_;
    ProfileWindows* windows_;
};
