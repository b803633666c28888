#include "serial_lines.h"

#include <QCoreApplication>

#include "corvclient/btsdk.h"
#include "cvcommon/serial_device.h"

QString serialDeviceOf(quint32 connection) {
    BTUINT16 port = Btsdk_GetServerPort(connection);
    return port ? CvCm_GetSerialDevicePath(port) : QString();
}

QStringList serialDevicesOfServer(quint32 server) {
    QStringList devices;
    BTSDKHANDLE enumeration = Btsdk_StartEnumConnection();
    if (!enumeration) return devices;
    BtsdkConnectionProperty property{};
    while (BTCONNHDL connection = Btsdk_EnumConnection(enumeration, &property)) {
        if (property.service != server) continue;
        const QString device = serialDeviceOf(connection);
        if (!device.isEmpty()) devices << device;
    }
    Btsdk_EndEnumConnection(enumeration);
    return devices;
}

QString withSerialDevices(const QString& status, const QStringList& devices) {
    QStringList shown = devices;
    shown.removeAll(QString());
    if (shown.isEmpty()) return status;
    return QCoreApplication::translate("SerialLines", "%1 on %2").arg(status, shown.join(QStringLiteral(", ")));
}
