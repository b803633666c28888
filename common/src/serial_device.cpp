#include "cvcommon/serial_device.h"

#include "cvcommon/serial_device_path.h"

QString CvCm_GetSerialDevicePath(int port) {
    const std::string found = CvCm_FindSerialDevice(port);
    if (!found.empty()) return QString::fromLocal8Bit(found.c_str());
    // Where the service will put it: the folder it was given, else /dev as installed.
    QString folder = QString::fromLocal8Bit(qgetenv("CORVANE_DEVICE_DIR"));
    if (folder.isEmpty()) folder = QStringLiteral("/dev");
    return folder + QStringLiteral("/ttyB%1").arg(port);
}
