// What the manager shows of the adapter and of a remote device, read from the service.
#pragma once

#include <QList>
#include <QString>

#include <cstddef>

struct DeviceInfo {
    quint32 handle = 0;
    QString name;     // its name, or its address when it has none
    QString address;  // "5C:F3:70:8A:21:C4"
    quint32 deviceClass = 0;
    bool paired = false;
    bool connected = false;
};

struct AdapterInfo {
    QString name;
    QString address;
    bool ready = false;  // Bluetooth is on
};

DeviceInfo readDevice(quint32 device);
AdapterInfo readAdapter();
// The devices the service knows, in its order.
QList<quint32> knownDevices();
// A Bluetooth address as people write it, most significant byte first.
QString addressText(const unsigned char* bytes);
// The text of a fixed-size record field, which need not hold a NUL.
QString fieldText(const char* field, size_t size);
