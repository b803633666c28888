// The local servers: each with its profile picture, status word and class name, the
// plug-in's tool-tip, context menu (then the manager's own actions) and default action.
#pragma once

#include <QObject>

class ProfileWindows;
class QTreeWidget;
class QTreeWidgetItem;

class ServerList : public QObject {
    Q_OBJECT
public:
    ServerList(QTreeWidget* view, ProfileWindows* windows);
    void reload();
    quint32 selectedServer() const;
    // Opens the context menu of the server's row, as a right click on it does.
    void showMenuOf(quint32 server);

private:
    void showMenu(const QPoint& pos);
    void runDefaultAction(QTreeWidgetItem* item);
    QTreeWidget* view_;
    ProfileWindows* windows_;
};
