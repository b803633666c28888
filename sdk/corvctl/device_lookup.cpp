#include "device_lookup.h"

#include <strings.h>

#include <cstdio>
#include <vector>

#include "command.h"
#include "corvclient/btsdk.h"

namespace corvctl {
namespace {

bool nameOf(BTDEVHDL device, std::string& name) {
    BTUINT8 text[BTSDK_LOCAL_NAME_BUF] = {};
    BTUINT16 len = sizeof text - 1;
    if (Btsdk_GetRemoteDeviceName(device, text, &len) != BTSDK_OK) return false;
    name.assign(reinterpret_cast<char*>(text), len);
    return true;
}

bool addressOf(BTDEVHDL device, std::string& address) {
    BTUINT8 bytes[BTSDK_BDADDR_LEN] = {};
    if (Btsdk_GetRemoteDeviceAddress(device, bytes) != BTSDK_OK) return false;
    address = addressText(bytes);
    return true;
}

// The device among devices that text names, or 0.
BTDEVHDL match(const std::vector<BTDEVHDL>& devices, const std::string& text) {
    BTDEVHDL handle = 0;
    if (parseHandle(text, &handle)) {
        for (BTDEVHDL d : devices)
            if (d == handle) return d;
        return 0;
    }
    std::vector<std::string> addresses(devices.size()), names(devices.size());
    for (size_t i = 0; i < devices.size(); ++i) {
        addressOf(devices[i], addresses[i]);
        nameOf(devices[i], names[i]);
    }
    for (size_t i = 0; i < devices.size(); ++i)
        if (strcasecmp(addresses[i].c_str(), text.c_str()) == 0) return devices[i];
    for (size_t i = 0; i < devices.size(); ++i)
        if (names[i] == text) return devices[i];
    for (size_t i = 0; i < devices.size(); ++i)
        if (strcasecmp(names[i].c_str(), text.c_str()) == 0) return devices[i];
    return 0;
}

}  // namespace

BTRESULT knownDevices(std::vector<BTDEVHDL>& devices) {
    BTSDKHANDLE enumeration = Btsdk_StartEnumRemoteDevice(0, 0);
    if (!enumeration) return BTSDK_ER_FAIL;
    BTUINT8 property[BTSDK_REMOTE_DEVICE_PROP_LEN];
    while (BTDEVHDL device = Btsdk_EnumRemoteDevice(enumeration, property)) devices.push_back(device);
    return Btsdk_EndEnumRemoteDevice(enumeration);
}

std::string addressText(const BTUINT8* a) {
    char text[18];
    std::snprintf(text, sizeof text, "%02X:%02X:%02X:%02X:%02X:%02X", a[5], a[4], a[3], a[2], a[1],
                  a[0]);
    return text;
}

BTDEVHDL knownDevice(const std::string& text) {
    std::vector<BTDEVHDL> devices;
    BTRESULT r = knownDevices(devices);
    if (r != BTSDK_OK) {
        fail("cannot list the known devices", r);
        return 0;
    }
    BTDEVHDL device = match(devices, text);
    if (!device) std::fprintf(stderr, "corvctl: no known device '%s' (see corvctl devices)\n", text.c_str());
    return device;
}

bool describeDevice(BTDEVHDL device, std::string& line) {
    BTUINT32 cls = 0;
    BTUINT8 paired = 0;
    std::string address = "??:??:??:??:??:??", name = "?";
    bool hasAddress = addressOf(device, address);
    bool hasName = nameOf(device, name);
    bool hasClass = Btsdk_GetRemoteDeviceClass(device, &cls) == BTSDK_OK;
    bool hasPairing = Btsdk_IsDevicePaired(device, &paired) == BTSDK_OK;
    char classText[9] = "?";
    if (hasClass) std::snprintf(classText, sizeof classText, "0x%06X", cls);
    char text[400];
    std::snprintf(text, sizeof text, "%-4u %s  %-8s  %-7s %s", device, address.c_str(), classText,
                  !hasPairing ? "?" : paired ? "paired" : "-", name.c_str());
    line = text;
    return hasAddress && hasName && hasClass && hasPairing;
}

}  // namespace corvctl
