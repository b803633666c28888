// The local servers: each with its profile picture, status word and class name, the
// plug-in's tool-tip, context menu and default action. The manager's own actions (status
// window, start, stop) make the menu when the plug-in has none for the server.
#pragma once

#include <QList>
#include <QObject>

class ProfileWindows;
class QAction;
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
    QList<QAction*> ownActions(quint32 server);
    void runDefaultAction(QTreeWidgetItem* item);
    QTreeWidget* view_;
    ProfileWindows* windows_;
};
