// Lists of the known devices: by class of device, and enumerations that visit each
// device chosen at their start once, with its property record.
#include <algorithm>

#include "area_values.h"
#include "areas.h"
#include "device_record.h"
#include "result_codes.h"
#include "service.h"
#include "world/device_class.h"

namespace btserver {

namespace {

// Enumeration modes: which known devices an enumeration visits.
constexpr uint32_t kEnumAll = 0, kEnumPaired = 1, kEnumConnected = 2;

bool inMode(const RemoteDevice& device, uint32_t mode) {
    return mode == kEnumAll || (mode == kEnumPaired && device.paired) ||
           (mode == kEnumConnected && device.traffic.connected());
}

void storedDevices(Service& service, const CallPtr& call) {
    uint32_t filter = wordArg(call, 0), max = wordArg(call, 1);
    Bytes handles;
    uint32_t count = 0;
    for (const RemoteDevice& device : service.world().devices) {
        if (count == max)
            break;
        if (!device.known || !classMatches(filter, device.deviceClass))
            continue;
        appendHandle(handles, device.handle);
        ++count;
    }
    call->reply(g_variant_new("(u@ayu)", kResultOk, byteArray(handles), count));
}

// (class filter, mode) → a new enumeration handle; 0 for an unknown mode.
void startEnumeration(Service& service, const CallPtr& call) {
    uint32_t filter = wordArg(call, 0), mode = wordArg(call, 1);
    if (mode > kEnumConnected)
        return call->reply(g_variant_new("(u)", 0u));
    World& world = service.world();
    Enumeration enumeration{world.newHandle(), {}, 0};
    for (const RemoteDevice& device : world.devices)
        if (device.known && classMatches(filter, device.deviceClass) && inMode(device, mode))
            enumeration.handles.push_back(device.handle);
    world.enumerations.push_back(enumeration);
    call->reply(g_variant_new("(u)", enumeration.handle));
}

// The next device still known, with its record; a zero record and handle 0 at the end.
void nextDevice(Service& service, const CallPtr& call) {
    World& world = service.world();
    Enumeration* enumeration = findEnumeration(world.enumerations, wordArg(call, 0));
    RemoteDevice* device = nullptr;
    while (enumeration && !device && enumeration->next < enumeration->handles.size())
        device = knownDevice(world, enumeration->handles[enumeration->next++]);
    Bytes record = device ? deviceRecord(*device) : Bytes(kDeviceRecordBytes, 0);
    call->reply(g_variant_new("(@ayu)", byteArray(record), device ? device->handle : 0u));
}

}  // namespace

void addDeviceLists(Service& service) {
    Dispatcher& table = service.dispatcher();
    Service* s = &service;
    table.add(kRemoteInterface, "get_stored_devices_by_class",
              [s](const CallPtr& call) { storedDevices(*s, call); });
    table.add(kRemoteInterface, "start_enum_remote_device",
              [s](const CallPtr& call) { startEnumeration(*s, call); });
    table.add(kRemoteInterface, "enum_remote_device",
              [s](const CallPtr& call) { nextDevice(*s, call); });
    table.add(kRemoteInterface, "end_enum_remote_device",
              [s](const CallPtr& call) {
                  uint32_t result = endEnumeration(s->world().enumerations, wordArg(call, 0));
                  call->reply(g_variant_new("(u)", result));
              });
}

}  // namespace btserver
