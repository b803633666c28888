// The local servers: each with its profile picture, status word and class name, the
// plug-in's tool-tip, context menu and default action.
#pragma once

#include <QObject>

class QTreeWidget;
class QTreeWidgetItem;

class ServerList : public QObject {
    Q_OBJECT
public:
    explicit ServerList(QTreeWidget* view);
    void reload();

private:
    void showMenu(const QPoint& pos);
    void runDefaultAction(QTreeWidgetItem* item);
    QTreeWidget* view_;
};
