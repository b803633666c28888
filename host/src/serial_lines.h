// The serial lines of serial port and dial-up connections, shown where the user sees the
// connections: the device that a terminal program opens for each.
#pragma once

#include <QString>
#include <QStringList>

// The device of the connection's line; empty for a connection without a COM port.
QString serialDeviceOf(quint32 connection);
// The devices of the remote devices' connections to the local server, in their order.
QStringList serialDevicesOfServer(quint32 server);
// "<status> on <devices>", or the status alone when there are none (empty ones left out).
QString withSerialDevices(const QString& status, const QStringList& devices);
