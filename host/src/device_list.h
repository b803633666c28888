// The known and discovered remote devices as pictures of their class, with the pairing
// mark on the paired ones; inquiry results are added as they come.
#pragma once

#include <QObject>
#include <QString>

class QListWidget;
class QPoint;
class QListWidgetItem;

class DeviceList : public QObject {
    Q_OBJECT
public:
    explicit DeviceList(QListWidget* view);
    // Lists every device the service knows.
    void reload();
    // Adds the device, or reads it anew when it is listed already.
    void update(quint32 device);
    quint32 selectedDevice() const;
    // The device of the item at the viewport position, or 0.
    quint32 deviceAt(const QPoint& pos) const;
    void select(quint32 device);
    // The listed device shown under this name, or 0.
    quint32 deviceNamed(const QString& name) const;

Q_SIGNALS:
    void selected(quint32 device);

private:
    QListWidgetItem* itemOf(quint32 device) const;
    QListWidget* view_;
};
