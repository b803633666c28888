#include "device_lookup.h"

#include <strings.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "command.h"
#include "corvclient/btsdk.h"

namespace corvctl {
namespace {

std::vector<BTDEVHDL> knownDevices() {
    std::vector<BTDEVHDL> devices;
    BTSDKHANDLE enumeration = Btsdk_StartEnumRemoteDevice(0, 0);
    if (!enumeration) return devices;
    BTUINT8 property[BTSDK_REMOTE_DEVICE_PROP_LEN];
    while (BTDEVHDL device = Btsdk_EnumRemoteDevice(enumeration, property)) devices.push_back(device);
    Btsdk_EndEnumRemoteDevice(enumeration);
    return devices;
}

std::string nameOf(BTDEVHDL device) {
    BTUINT8 name[BTSDK_LOCAL_NAME_BUF] = {};
    BTUINT16 len = sizeof name - 1;
    if (Btsdk_GetRemoteDeviceName(device, name, &len) != BTSDK_OK) return {};
    return std::string(reinterpret_cast<char*>(name), len);
}

std::string addressOf(BTDEVHDL device) {
    BTUINT8 address[BTSDK_BDADDR_LEN] = {};
    if (Btsdk_GetRemoteDeviceAddress(device, address) != BTSDK_OK) return "??:??:??:??:??:??";
    return addressText(address);
}

}  // namespace

std::string addressText(const BTUINT8* a) {
    char text[18];
    std::snprintf(text, sizeof text, "%02X:%02X:%02X:%02X:%02X:%02X", a[5], a[4], a[3], a[2], a[1],
                  a[0]);
    return text;
}

BTDEVHDL findDevice(const std::string& text) {
    std::vector<BTDEVHDL> devices = knownDevices();
    BTDEVHDL handle = 0;
    if (parseHandle(text, &handle)) {
        for (BTDEVHDL d : devices)
            if (d == handle) return d;
        return 0;
    }
    for (BTDEVHDL d : devices)
        if (strcasecmp(addressOf(d).c_str(), text.c_str()) == 0) return d;
    for (BTDEVHDL d : devices)
        if (nameOf(d) == text) return d;
    for (BTDEVHDL d : devices)
        if (strcasecmp(nameOf(d).c_str(), text.c_str()) == 0) return d;
    return 0;
}

BTDEVHDL knownDevice(const std::string& text) {
    BTDEVHDL device = findDevice(text);
    if (!device) std::fprintf(stderr, "corvctl: no known device '%s' (see corvctl devices)\n", text.c_str());
    return device;
}

std::string describeDevice(BTDEVHDL device) {
    BTUINT32 cls = 0;
    Btsdk_GetRemoteDeviceClass(device, &cls);
    BTUINT8 paired = 0;
    Btsdk_IsDevicePaired(device, &paired);
    char line[400];
    std::snprintf(line, sizeof line, "%-4u %s  0x%06X  %-7s %s", device, addressOf(device).c_str(),
                  cls, paired ? "paired" : "-", nameOf(device).c_str());
    return line;
}

}  // namespace corvctl
