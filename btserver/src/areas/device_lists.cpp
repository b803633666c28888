// Lists of the known devices: by class of device, and enumerations that visit each
// device chosen at their start once, with its property record.
#include "areas/areas.h"
#include "areas/enumerations.h"
#include "core/core.h"
#include "records/records.h"
#include "service.h"
#include "world/device_class.h"

namespace btserver {

namespace {

// Enumeration modes: which known devices an enumeration visits.
constexpr uint32_t kEnumAll = 0, kEnumPaired = 1, kEnumConnected = 2;

bool inMode(const RemoteDevice& device, uint32_t mode) {
    return mode == kEnumAll || (mode == kEnumPaired && device.paired) ||
           (mode == kEnumConnected && device.link.up);
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
        appendWord(handles, device.handle);
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
    std::vector<uint32_t> chosen;
    for (const RemoteDevice& device : world.devices)
        if (device.known && classMatches(filter, device.deviceClass) && inMode(device, mode))
            chosen.push_back(device.handle);
    call->reply(g_variant_new("(u)", beginEnumeration(world, world.enumerations, chosen)));
}

// The next device still known, with its record; a zero record and handle 0 at the end.
void nextDevice(Service& service, const CallPtr& call) {
    World& world = service.world();
    RemoteDevice* device = nextOf(withHandle(world.enumerations, wordArg(call, 0)),
                                  [&world](uint32_t handle) { return world.knownDevice(handle); });
    Bytes record = device ? deviceRecord(*device) : Bytes(kDeviceRecordBytes, 0);
    call->reply(g_variant_new("(@ayu)", byteArray(record), device ? device->handle : 0u));
}

void endDeviceEnumeration(Service& service, const CallPtr& call) {
    uint32_t result = endEnumeration(service.world().enumerations, wordArg(call, 0));
    call->reply(g_variant_new("(u)", result));
}

}  // namespace

void addDeviceLists(Service& service) {
    service.dispatcher().addEach(kRemoteInterface, service,
                                 {{"get_stored_devices_by_class", storedDevices},
                                  {"start_enum_remote_device", startEnumeration},
                                  {"enum_remote_device", nextDevice},
                                  {"end_enum_remote_device", endDeviceEnumeration}});
}

}  // namespace btserver
