// The stored shortcuts: each with its profile picture (the connected one while connected),
// its device and status, the plug-in's tool-tip, context menu and default action.
#pragma once

#include <QObject>

class QTreeWidget;
class QTreeWidgetItem;

class ShortcutList : public QObject {
    Q_OBJECT
public:
    explicit ShortcutList(QTreeWidget* view);
    void reload();
    // Opens the context menu of the shortcut's row, as a right click on it does.
    void showMenuOf(quint32 shortcut);

private:
    void showMenu(const QPoint& pos);
    void runDefaultAction(QTreeWidgetItem* item);
    QTreeWidget* view_;
};
