// The stored shortcuts: each with its profile picture (the connected one while connected),
// its device and status, the plug-in's tool-tip, context menu (then the manager's own
// actions) and default action.
#pragma once

#include <QObject>

class ProfileWindows;
class QTreeWidget;
class QTreeWidgetItem;

class ShortcutList : public QObject {
    Q_OBJECT
public:
    ShortcutList(QTreeWidget* view, ProfileWindows* windows);
    void reload();
    quint32 selectedShortcut() const;
    // Opens the context menu of the shortcut's row, as a right click on it does.
    void showMenuOf(quint32 shortcut);

private:
    void showMenu(const QPoint& pos);
    void runDefaultAction(QTreeWidgetItem* item);
    QTreeWidget* view_;
    ProfileWindows* windows_;
};
