// The remote-device area's known devices: their addresses, classes, link quality, role,
// parameter, traffic counters and connected flag; adding and forgetting devices.
//
// Signal strength and role are those of the device's link, so they are read only while it
// is up, as an adapter measures them on its link: 5 when the device is out of range, 10
// when it has no link. The role is the local adapter's (0 master, 1 slave). The traffic
// counters are the link's (device_links.h), received first.
#include "areas/areas.h"
#include "areas/device_links.h"
#include "core/core.h"
#include "service.h"

namespace btserver {

namespace {

// Answers (value, result) for a known device, (0, unknown handle) otherwise.
template <typename Read>
void answerWord(Service& service, const CallPtr& call, Read read) {
    RemoteDevice* device = service.world().knownDevice(wordArg(call, 0));
    call->reply(g_variant_new("(uu)", device ? read(*device) : 0u,
                              device ? kResultOk : kResultUnknownHandle));
}

// 0 when the device's link is up, else why not.
uint32_t linkResult(const RemoteDevice* device) {
    if (!device)
        return kResultUnknownHandle;
    if (!device->inRange)
        return kResultOutOfRange;
    return device->link.up ? kResultOk : kResultNotConnected;
}

// Answers (value, result) for a known device with its link up, (0, why not) otherwise.
template <typename Read>
void answerLinkWord(Service& service, const CallPtr& call, Read read) {
    RemoteDevice* device = service.world().knownDevice(wordArg(call, 0));
    uint32_t result = linkResult(device);
    call->reply(g_variant_new("(uu)", result == kResultOk ? read(*device) : 0u, result));
}

// Changes a known device with the call's second argument: (result).
template <typename Write>
void changeDevice(Service& service, const CallPtr& call, Write write) {
    RemoteDevice* device = service.world().knownDevice(wordArg(call, 0));
    uint32_t result = device ? write(*device, wordArg(call, 1)) : kResultUnknownHandle;
    call->reply(g_variant_new("(u)", result));
}

// The handle of the device with the address, known from now on; a new device is made
// for an address never seen (out of range until the control interface brings it).
uint32_t addDevice(World& world, const BdAddr& address) {
    for (RemoteDevice& device : world.devices) {
        if (device.address == address) {
            device.known = true;
            return device.handle;
        }
    }
    RemoteDevice device;
    device.handle = world.newHandle();
    device.address = address;
    device.inRange = false;
    world.devices.push_back(device);
    return device.handle;
}

}  // namespace

void addRemoteDevices(Service& service) {
    Dispatcher& table = service.dispatcher();
    Service* s = &service;
    table.add(kRemoteInterface, "get_remote_device_address", [s](const CallPtr& call) {
        RemoteDevice* device = s->world().knownDevice(wordArg(call, 0));
        BdAddr address = device ? device->address : BdAddr{};
        call->reply(g_variant_new("(@ayu)", byteArray(address.data(), address.size()),
                                  device ? kResultOk : kResultUnknownHandle));
    });
    table.add(kRemoteInterface, "get_remote_device_class", [s](const CallPtr& call) {
        answerWord(*s, call, [](const RemoteDevice& device) { return device.deviceClass; });
    });
    table.add(kRemoteInterface, "get_remote_device_role", [s](const CallPtr& call) {
        answerLinkWord(*s, call, [](const RemoteDevice& device) { return device.link.role; });
    });
    table.add(kRemoteInterface, "get_remote_device_param", [s](const CallPtr& call) {
        answerWord(*s, call, [](const RemoteDevice& device) { return device.param; });
    });
    table.add(kRemoteInterface, "switch_role", [s](const CallPtr& call) {
        changeDevice(*s, call, [](RemoteDevice& device, uint32_t role) {
            if (role > 1)
                return kResultBadArgument;
            uint32_t result = linkResult(&device);
            if (result == kResultOk)
                device.link.role = role;
            return result;
        });
    });
    table.add(kRemoteInterface, "set_remote_device_param", [s](const CallPtr& call) {
        changeDevice(*s, call, [](RemoteDevice& device, uint32_t param) {
            device.param = param;
            return kResultOk;
        });
    });
    // The signal strength's byte: -52 dBm is 0xCC.
    table.add(kRemoteInterface, "get_remote_rssi", [s](const CallPtr& call) {
        answerLinkWord(*s, call, [](const RemoteDevice& device) {
            return static_cast<uint32_t>(static_cast<uint8_t>(device.rssi));
        });
    });
    table.add(kRemoteInterface, "remote_device_flow_statistic", [s](const CallPtr& call) {
        RemoteDevice* device = s->world().knownDevice(wordArg(call, 0));
        Traffic carried =
            device ? linkTraffic(s->world(), *device, g_get_monotonic_time()) : Traffic{};
        call->reply(g_variant_new("(uuu)", static_cast<uint32_t>(carried.received),
                                  static_cast<uint32_t>(carried.sent),
                                  device ? kResultOk : kResultUnknownHandle));
    });
    table.add(kRemoteInterface, "is_device_connected", [s](const CallPtr& call) {
        RemoteDevice* device = s->world().knownDevice(wordArg(call, 0));
        call->reply(g_variant_new("(u)", device && device->link.up ? 1u : 0u));
    });
    // A malformed address gets no handle (0).
    table.add(kRemoteInterface, "add_remote_device", [s](const CallPtr& call) {
        BdAddr address{};
        uint32_t handle = addressArg(call, 0, address) ? addDevice(s->world(), address) : 0;
        call->reply(g_variant_new("(u)", handle));
    });
    // The device is forgotten with its pairing and trust; it keeps its handle, and an
    // inquiry or add_remote_device finds it again.
    table.add(kRemoteInterface, "delete_remote_device_by_handle", [s](const CallPtr& call) {
        RemoteDevice* device = s->world().knownDevice(wordArg(call, 0));
        if (device) {
            device->known = false;
            device->paired = false;
            device->trusted = false;
            device->linkKey.clear();
        }
        call->reply(g_variant_new("(u)", device ? kResultOk : kResultUnknownHandle));
    });
}

}  // namespace btserver
