// Remote device names: the stored name, and the name update that asks the device again
// and answers after the device's while (out of range: no name, result "out of range").
#include <algorithm>

#include "areas/areas.h"
#include "core/core.h"
#include "service.h"

namespace btserver {

namespace {

void answerName(const HeldCall& held, const std::string& name, uint32_t result) {
    held.call->reply(g_variant_new("(su)", name.c_str(), result));
}

void finishUpdate(Service& service, uint32_t id) {
    World& world = service.world();
    auto held = std::find_if(world.nameUpdates.begin(), world.nameUpdates.end(),
                             [id](const HeldCall& update) { return update.id == id; });
    if (held == world.nameUpdates.end())
        return;  // cancelled
    RemoteDevice* device = world.device(held->device);
    if (device && device->inRange)
        answerName(*held, device->name, kResultOk);
    else
        answerName(*held, "", kResultOutOfRange);
    world.nameUpdates.erase(held);
}

void updateName(Service& service, const CallPtr& call) {
    World& world = service.world();
    RemoteDevice* device = world.knownDevice(wordArg(call, 0));
    if (!device)
        return call->reply(g_variant_new("(su)", "", kResultUnknownHandle));
    HeldCall held{world.newId(), device->handle, call};
    world.nameUpdates.push_back(held);
    Service* s = &service;
    service.timers().after(device->nameDelayMs, [s, id = held.id] { finishUpdate(*s, id); });
}

// Every update of the device in progress answers "cancelled"; with none, the cancel fails.
void cancelUpdates(Service& service, const CallPtr& call) {
    std::vector<HeldCall>& updates = service.world().nameUpdates;
    uint32_t handle = wordArg(call, 0);
    auto cancelled = std::stable_partition(updates.begin(), updates.end(),
                                           [handle](auto& held) { return held.device != handle; });
    uint32_t result = cancelled == updates.end() ? kResultFailed : kResultOk;
    for (auto held = cancelled; held != updates.end(); ++held)
        answerName(*held, "", kResultCancelled);
    updates.erase(cancelled, updates.end());
    call->reply(g_variant_new("(u)", result));
}

}  // namespace

void addDeviceNames(Service& service) {
    Dispatcher& table = service.dispatcher();
    Service* s = &service;
    table.add(kRemoteInterface, "get_remote_device_name", [s](const CallPtr& call) {
        RemoteDevice* device = s->world().knownDevice(wordArg(call, 0));
        call->reply(g_variant_new("(su)", device ? device->name.c_str() : "",
                                  device ? kResultOk : kResultUnknownHandle));
    });
    table.add(kRemoteInterface, "update_remote_device_name",
              [s](const CallPtr& call) { updateName(*s, call); });
    table.add(kRemoteInterface, "cancel_update_remote_device_name",
              [s](const CallPtr& call) { cancelUpdates(*s, call); });
}

}  // namespace btserver
