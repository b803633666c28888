// The services of the selected device, found by browsing it: each with its profile
// picture and class, a "Create shortcut" action, the plug-in's actions and tool-tip of
// its shortcut when it has one, and a default action that goes through that shortcut.
#pragma once

#include <QObject>

class QTreeWidget;
class QTreeWidgetItem;

class ServiceList : public QObject {
    Q_OBJECT
public:
    explicit ServiceList(QTreeWidget* view);
    // Lists what the service knows of the device's services (0: none).
    void show(quint32 device);
    quint32 device() const { return device_; }
    quint32 selectedService() const;
    // Selects the first listed service of the class and returns it, or 0.
    quint32 selectClass(quint16 serviceClass);
    // The shortcut of the device's service, made when missing; 0 when it cannot be made.
    quint32 createShortcut(quint32 service);

Q_SIGNALS:
    void shortcutsChanged();

private:
    void showMenu(const QPoint& pos);
    void runDefaultAction(QTreeWidgetItem* item);
    QTreeWidget* view_;
    quint32 device_ = 0;
};
