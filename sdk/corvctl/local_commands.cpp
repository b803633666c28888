// Commands about the local adapter: info, power, name.
#include <cstdio>
#include <cstring>

#include "command.h"
#include "corvclient/btsdk.h"
#include "device_lookup.h"

namespace corvctl {
namespace {

int info(const Args&) {
    BTUINT8 name[BTSDK_LOCAL_NAME_BUF] = {};
    BTUINT8 address[BTSDK_BDADDR_LEN] = {};
    BTUINT32 cls = 0;
    BTRESULT r;
    if ((r = Btsdk_GetLocalName(name, nullptr)) != BTSDK_OK) return fail("cannot read the name", r);
    if ((r = Btsdk_GetLocalDeviceAddress(address)) != BTSDK_OK)
        return fail("cannot read the address", r);
    if ((r = Btsdk_GetLocalDeviceClass(&cls)) != BTSDK_OK) return fail("cannot read the class", r);
    BTUINT16 mode = 0;
    if ((r = Btsdk_GetDiscoveryMode(&mode)) != BTSDK_OK) return fail("cannot read the discovery mode", r);
    std::printf("Name:      %s\n", reinterpret_cast<const char*>(name));
    std::printf("Address:   %s\n", addressText(address).c_str());
    std::printf("Class:     0x%06X\n", cls);
    std::printf("Bluetooth: %s\n", Btsdk_IsBluetoothReady() ? "on" : "off");
    std::printf("Discovery: 0x%04X\n", mode);
    return 0;
}

int power(const Args& args) {
    if (args.size() != 1 || (args[0] != "on" && args[0] != "off")) {
        std::fprintf(stderr, "corvctl: power takes on or off\n");
        return 2;
    }
    bool on = args[0] == "on";
    BTRESULT r = on ? Btsdk_StartBluetooth() : Btsdk_StopBluetooth();
    if (r != BTSDK_OK) return fail(on ? "cannot turn Bluetooth on" : "cannot turn Bluetooth off", r);
    std::printf("Bluetooth is %s\n", on ? "on" : "off");
    return 0;
}

int name(const Args& args) {
    if (args.size() > 1) {
        std::fprintf(stderr, "corvctl: name takes at most one argument\n");
        return 2;
    }
    if (args.empty()) {
        BTUINT8 text[BTSDK_LOCAL_NAME_BUF] = {};
        BTRESULT r = Btsdk_GetLocalName(text, nullptr);
        if (r != BTSDK_OK) return fail("cannot read the name", r);
        std::printf("%s\n", reinterpret_cast<const char*>(text));
        return 0;
    }
    const std::string& wanted = args[0];
    if (wanted.size() >= BTSDK_LOCAL_NAME_BUF) {
        std::fprintf(stderr, "corvctl: a name has at most %d bytes\n", BTSDK_LOCAL_NAME_BUF - 1);
        return 2;
    }
    BTRESULT r = Btsdk_SetLocalName(reinterpret_cast<const BTUINT8*>(wanted.data()),
                                    static_cast<BTUINT16>(wanted.size()));
    if (r != BTSDK_OK) return fail("cannot set the name", r);
    std::printf("Name set to %s\n", wanted.c_str());
    return 0;
}

}  // namespace

const Command kLocalCommands[] = {
    {"info", "", "show the local adapter's name, address, class and state", info},
    {"power", "on|off", "turn Bluetooth on or off", power},
    {"name", "[NEW]", "show the local name, or set it to NEW", name},
    {nullptr, nullptr, nullptr, nullptr},
};

}  // namespace corvctl
