// Device discovery: "start_device_discovery" (class filter, maximum number of devices,
// length in units of 1.28 s; 0 for either means no limit) answers at once, then each
// in-range device that matches the filter is reported by "inquiry_result_ind", one
// inquiry interval after the other, in the order of the world; "inquiry_complete_ind"
// follows one interval after the last, at once when the maximum is reached, or when
// "stop_device_discovery" ends the inquiry early. Found devices become known.
#include <algorithm>

#include "areas/areas.h"
#include "core/core.h"
#include "service.h"
#include "world/device_class.h"

namespace btserver {

namespace {

constexpr int64_t kDurationUnitUs = 1280000;

void complete(Service& service) {
    service.world().discovery.active = false;
    service.signals().emit(kCallbackInterface, "inquiry_complete_ind", nullptr);
}

RemoteDevice* nextFound(World& world) {
    const Discovery& discovery = world.discovery;
    for (RemoteDevice& device : world.devices) {
        bool reported =
            std::count(discovery.reported.begin(), discovery.reported.end(), device.handle) != 0;
        if (device.inRange && !reported && classMatches(discovery.classFilter, device.deviceClass))
            return &device;
    }
    return nullptr;
}

void step(Service& service, uint32_t session) {
    World& world = service.world();
    Discovery& discovery = world.discovery;
    if (!discovery.active || discovery.session != session)
        return;  // stopped, or an earlier inquiry's step
    RemoteDevice* device = nextFound(world);
    if (!device || (discovery.endsAtUs && g_get_monotonic_time() > discovery.endsAtUs))
        return complete(service);
    device->known = true;
    discovery.reported.push_back(device->handle);
    service.signals().emit(kCallbackInterface, "inquiry_result_ind",
                           g_variant_new("(u)", device->handle));
    if (discovery.maxDevices && discovery.reported.size() >= discovery.maxDevices)
        return complete(service);
    Service* s = &service;
    service.timers().after(world.timing.inquiryIntervalMs, [s, session] { step(*s, session); });
}

uint32_t start(Service& service, const CallPtr& call) {
    World& world = service.world();
    if (!world.adapter.powered)
        return kResultFailed;
    if (world.discovery.active)
        return kResultBusy;
    uint32_t duration = wordArg(call, 2);
    Discovery& discovery = world.discovery;
    discovery = Discovery{world.newId(),
                          true,
                          false,
                          wordArg(call, 0),
                          wordArg(call, 1),
                          duration ? g_get_monotonic_time() + duration * kDurationUnitUs : 0,
                          {}};
    Service* s = &service;
    service.timers().after(world.timing.inquiryIntervalMs,
                           [s, session = discovery.session] { step(*s, session); });
    return kResultOk;
}

}  // namespace

void addInquiry(Service& service) {
    Dispatcher& table = service.dispatcher();
    Service* s = &service;
    table.add(kRemoteInterface, "start_device_discovery",
              [s](const CallPtr& call) { call->reply(g_variant_new("(u)", start(*s, call))); });
    // Stopping when no inquiry runs changes nothing.
    table.add(kRemoteInterface, "stop_device_discovery", [s](const CallPtr& call) {
        Discovery& discovery = s->world().discovery;
        if (discovery.active) {
            discovery.cancelled = true;
            complete(*s);
        }
        call->reply(g_variant_new("(u)", kResultOk));
    });
    table.add(kRemoteInterface, "is_inquiry_cancelled", [s](const CallPtr& call) {
        call->reply(g_variant_new("(u)", s->world().discovery.cancelled ? 1u : 0u));
    });
}

}  // namespace btserver
