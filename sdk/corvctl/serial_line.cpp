#include "serial_line.h"

#include "corvclient/btsdk.h"
#include "cvcommon/serial_device_path.h"

namespace corvctl {

std::string serialLineOf(BTCONNHDL connection) {
    BTUINT16 port = Btsdk_GetServerPort(connection);
    if (!port) return {};
    std::string device = CvCm_FindSerialDevice(port);
    return device.empty() ? "port " + std::to_string(port) + " (no device)" : device;
}

}  // namespace corvctl
