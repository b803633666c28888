// Commands about shortcuts: list, add, connect, disconnect, delete.
#include <cstdio>
#include <string>
#include <vector>

#include "command.h"
#include "connection_target.h"
#include "corvclient/btsdk.h"
#include "device_lookup.h"

namespace corvctl {
namespace {

// The library gives no result with the count: an empty list and a failed call look
// alike, and main has made sure that the service is there.
int shortcuts(const Args&) {
    BTUINT32 count = Btsdk_GetAllShortCuts(nullptr, 0);
    std::vector<BTSHCHDL> handles(count);
    count = count ? Btsdk_GetAllShortCuts(handles.data(), count) : 0;
    BTRESULT failed = BTSDK_OK;  // the last shortcut that could not be read
    for (BTUINT32 i = 0; i < count; ++i) {
        BtsdkShortcutProperty p{};
        p.shortcut = handles[i];
        BTRESULT r = Btsdk_GetShortCutProperty(&p);
        if (r != BTSDK_OK && r != BTSDK_SHC_RESULT_PARTIAL) {
            failed = r;
            std::printf("%-4u ?\n", handles[i]);
            continue;
        }
        std::printf("%-4u device %-4u 0x%04X  %-10s %s\n", handles[i], p.device, p.service_class,
                    p.connection ? "connected" : "-", p.name);
    }
    return failed == BTSDK_OK ? 0 : fail("cannot read every shortcut", failed);
}

// shortcut add DEVICE SERVICE: a shortcut to one of the device's services.
int add(BTDEVHDL device, BTSVCHDL service) {
    BtsdkRemoteServiceAttr attr{};
    BTRESULT r = Btsdk_GetRemoteServiceAttributes(service, &attr);
    if (r != BTSDK_OK) return fail("cannot read service " + std::to_string(service), r);
    BtsdkShortcutProperty p{};
    p.device = device;
    p.service = service;
    p.flag1 = p.flag2 = 1;
    p.service_class = attr.service_class;
    p.mask = 13;
    std::snprintf(p.name, sizeof p.name, "%s", attr.service_name);
    std::snprintf(p.service_name, sizeof p.service_name, "%s", attr.service_name);
    r = Btsdk_GetRemoteDeviceClass(device, &p.device_class);
    if (r != BTSDK_OK) return fail("cannot read the class of device " + std::to_string(device), r);
    r = Btsdk_CreateShortCutEx(&p);
    if (r != BTSDK_OK) return fail("cannot create the shortcut", r);
    BTSHCHDL created[1] = {};
    if (!Btsdk_GetShortCutByServiceHandle(device, service, created, 1))
        return fail("the shortcut was created but cannot be found", BTSDK_ER_FAIL);
    std::printf("shortcut %u\n", created[0]);
    return 0;
}

int shortcut(const Args& args) {
    if (args.size() == 3 && args[0] == "add") {
        BTUINT32 service = 0;
        if (!parseHandle(args[2], &service)) {
            std::fprintf(stderr, "corvctl: shortcut add takes a DEVICE and a SERVICE handle\n");
            return 2;
        }
        BTDEVHDL device = knownDevice(args[1]);
        return device ? add(device, service) : 1;
    }
    BTUINT32 handle = 0;
    if (args.size() != 2 || !parseHandle(args[1], &handle)) {
        std::fprintf(stderr, "corvctl: shortcut takes add DEVICE SERVICE, or connect|disconnect|delete SHC\n");
        return 2;
    }
    const std::string& verb = args[0];
    BTRESULT r;
    if (verb == "connect") {
        BTCONNHDL connection = 0;
        r = connectShortcut(handle, &connection);
        if (r == BTSDK_OK) std::printf("shortcut %u connected (connection %u)\n", handle, connection);
    } else if (verb == "disconnect") {
        r = Btsdk_DisconnectShortCut(handle);
        if (r == BTSDK_OK) std::printf("shortcut %u disconnected\n", handle);
    } else if (verb == "delete") {
        r = Btsdk_DeleteShortCut(handle);
        if (r == BTSDK_OK) std::printf("shortcut %u deleted\n", handle);
    } else {
        std::fprintf(stderr, "corvctl: unknown shortcut action '%s'\n", verb.c_str());
        return 2;
    }
    return r == BTSDK_OK ? 0 : fail("cannot " + verb + " shortcut " + args[1], r);
}

}  // namespace

const Command kShortcutCommands[] = {
    {"shortcuts", "", "list the stored shortcuts", shortcuts},
    {"shortcut", "ACTION ...", "add DEVICE SERVICE, or connect|disconnect|delete SHC", shortcut},
    {nullptr, nullptr, nullptr, nullptr},
};

}  // namespace corvctl
