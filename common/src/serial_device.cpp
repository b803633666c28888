#include "cvcommon/serial_device.h"

#include "cvcommon/serial_device_path.h"

QString CvCm_GetSerialDevicePath(int port) {
    const std::string found = CvCm_FindSerialDevice(port);
    return found.empty() ? QStringLiteral("/dev/ttyB%1").arg(port) : QString::fromLocal8Bit(found.c_str());
}
