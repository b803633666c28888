// The service area's remote services: a service search on a device, which takes the
// scenario's while and makes the device's services known, their enumeration, and their
// attribute records with extension blocks.
#include "areas/areas.h"
#include "areas/enumerations.h"
#include "core/core.h"
#include "records/records.h"
#include "service.h"

namespace btserver {

namespace {

// (device, capacity) → (handles, count, result) after the search's while. The count is
// that of the handles given, or of every service when the capacity is 0.
void browse(Service& service, const CallPtr& call) {
    uint32_t handle = wordArg(call, 0), capacity = wordArg(call, 1);
    if (!service.world().knownDevice(handle))
        return call->reply(g_variant_new("(@ayuu)", byteArray(Bytes()), 0u, kResultUnknownHandle));
    Service* s = &service;
    service.timers().after(service.world().timing.browseMs, [s, call, handle, capacity] {
        RemoteDevice* device = s->world().knownDevice(handle);
        if (!device || !device->inRange)
            return call->reply(g_variant_new("(@ayuu)", byteArray(Bytes()), 0u,
                                             device ? kResultOutOfRange : kResultUnknownHandle));
        device->browsed = true;
        Bytes handles;
        uint32_t count = 0;
        for (const RemoteService& found : device->services) {
            if (count == capacity)
                break;
            appendWord(handles, found.handle);
            ++count;
        }
        uint32_t reported = capacity == 0 ? static_cast<uint32_t>(device->services.size()) : count;
        call->reply(g_variant_new("(@ayuu)", byteArray(handles), reported, kResultOk));
    });
}

// The services of a device that a search has found; 0 for an unknown device.
void startEnumeration(World& world, const CallPtr& call) {
    RemoteDevice* device = world.knownDevice(wordArg(call, 0));
    if (!device)
        return call->reply(g_variant_new("(u)", 0u));
    uint32_t handle =
        beginEnumeration(world, world.serviceEnumerations,
                         device->browsed ? handlesOf(device->services) : std::vector<uint32_t>());
    call->reply(g_variant_new("(u)", handle));
}

// The next service with its record; a zero record and handle 0 at the end.
void nextService(World& world, const CallPtr& call) {
    RemoteService* found =
        nextOf(withHandle(world.serviceEnumerations, wordArg(call, 0)),
               [&world](uint32_t handle) { return world.remoteService(handle); });
    Bytes record = found ? remoteServiceRecord(*found, 0, 0) : Bytes(kAttrRecordBytes, 0);
    call->reply(g_variant_new("(@ayu)", byteArray(record), found ? found->handle : 0u));
}

void endServiceEnumeration(World& world, const CallPtr& call) {
    call->reply(g_variant_new("(u)", endEnumeration(world.serviceEnumerations, wordArg(call, 0))));
}

void extensionSize(World& world, const CallPtr& call) {
    RemoteService* found = world.remoteService(wordArg(call, 0));
    call->reply(g_variant_new("(u)", found ? static_cast<uint32_t>(found->extension.size()) : 0u));
}

void attributes(World& world, const CallPtr& call) {
    RemoteService* found = world.remoteService(wordArg(call, 0));
    Bytes reply = found ? remoteServiceRecord(*found, recordMask(bytesArg(call, 1)), 0) : Bytes();
    call->reply(
        g_variant_new("(@ayu)", byteArray(reply), found ? kResultOk : kResultUnknownHandle));
}

}  // namespace

void addRemoteServices(Service& service) {
    Dispatcher& table = service.dispatcher();
    table.addEach(kServiceInterface, service, {{"browse_remote_service", browse}});
    table.addEach(kServiceInterface, service.world(),
                  {{"start_enum_remote_service", startEnumeration},
                   {"enum_remote_service", nextService},
                   {"end_enum_remote_service", endServiceEnumeration},
                   {"get_remote_service_ext_attr_size", extensionSize},
                   {"get_remote_service_attributes", attributes}});
}

}  // namespace btserver
