// The shortcut area: bookmarks of remote services that the service stores across its
// restarts, their property records, the lookups, and connecting through them.
//
// What the area makes of the values that callers choose:
// - create_shortcut(name, value): `value` is the handle of a remote service; the shortcut
//   bookmarks it with flags 1, 1 and mask 13.
// - The service class, service name and device class of a shortcut are those of its
//   service and device; the flags, short text, names, mask and block are the caller's.
// - get_shortcut_property answers 775 with the whole record when the caller takes a block
//   (mask 0x40 with a non-zero block length) smaller than the stored one.
// - set_shortcut_property removes the block when the mask lacks 0x40, replaces it when the
//   record carries one, and keeps it when the mask has 0x40 but no block follows.
// - get_default_shortcut(key): `key` is a service class; the first shortcut of the class in
//   the order of their making, the first of all for 0.
// - Lists give at most `max` handles and count those given; max 0 gives none and counts
//   every shortcut that fits. Their result is 4 when the connection or device they name
//   is unknown, or the service is not the device's, else 0.
// - connect_shortcut and connect_shortcut_ex reach the shortcut's own service; of the
//   parameter block of connect_shortcut_ex a serial-type connection reads its COM port.
#include <algorithm>
#include <functional>

#include "areas/areas.h"
#include "areas/connections.h"
#include "core/core.h"
#include "records/records.h"
#include "service.h"

namespace btserver {

namespace {

constexpr uint32_t kResultPartial = 775;  // the caller's block is smaller than the stored one
constexpr uint16_t kCreatorMask = 13;

GVariant* noRecord() {
    return byteArray(Bytes(kShortcutHeaderBytes, 0));
}

// The known device that offers the service, or null.
RemoteDevice* ownerOf(World& world, uint32_t service) {
    for (RemoteDevice& device : world.devices)
        for (const RemoteService& offered : device.services)
            if (offered.handle == service)
                return device.known ? &device : nullptr;
    return nullptr;
}

// A new shortcut of the device's service, described as the world knows them.
Shortcut bookmark(World& world, const RemoteDevice& device, const RemoteService& service) {
    Shortcut shortcut;
    shortcut.handle = world.newHandle();
    shortcut.device = device.handle;
    shortcut.service = service.handle;
    shortcut.serviceClass = service.serviceClass;
    shortcut.serviceName = service.name;
    shortcut.deviceClass = device.deviceClass;
    return shortcut;
}

void takeUserFields(const Shortcut& from, Shortcut& to) {
    to.flags = from.flags;
    to.shortText = from.shortText;
    to.mask = from.mask;
    to.name = from.name;
    to.secondName = from.secondName;
}

void create(Service& service, const CallPtr& call) {
    World& world = service.world();
    std::string name = textArg(call, 0);
    RemoteService* target = world.remoteService(wordArg(call, 1));
    RemoteDevice* device = target ? ownerOf(world, target->handle) : nullptr;
    if (!device)
        return call->reply(g_variant_new("(uu)", 0u, kResultUnknownHandle));
    Shortcut shortcut = bookmark(world, *device, *target);
    shortcut.flags = {1, 1, 0, 0};
    shortcut.mask = kCreatorMask;
    shortcut.name = name.substr(0, kShortcutMaxNameBytes);
    world.shortcuts.push_back(shortcut);
    service.storeShortcuts();
    call->reply(g_variant_new("(uu)", shortcut.handle, kResultOk));
}

void createFromRecord(Service& service, const CallPtr& call) {
    World& world = service.world();
    Bytes record = bytesArg(call, 0);
    Shortcut given;
    if (!readShortcutHeader(record, given))
        return call->reply(g_variant_new("(@ayu)", noRecord(), kResultBadArgument));
    RemoteDevice* device = world.knownDevice(given.device);
    RemoteService* target = world.remoteService(given.service);
    if (!device || !target || ownerOf(world, given.service) != device)
        return call->reply(g_variant_new("(@ayu)", noRecord(), kResultUnknownHandle));
    Shortcut shortcut = bookmark(world, *device, *target);
    takeUserFields(given, shortcut);
    carriedBlock(record, shortcut.block);
    world.shortcuts.push_back(shortcut);
    service.storeShortcuts();
    call->reply(g_variant_new("(@ayu)", byteArray(shortcutRecord(shortcut)), kResultOk));
}

void property(World& world, const CallPtr& call) {
    Bytes request = bytesArg(call, 0);
    Shortcut asked;
    if (!readShortcutHeader(request, asked))
        return call->reply(g_variant_new("(@ayu)", noRecord(), kResultBadArgument));
    Shortcut* shortcut = world.shortcut(asked.handle);
    if (!shortcut)
        return call->reply(g_variant_new("(@ayu)", noRecord(), kResultUnknownHandle));
    uint16_t capacity = blockCapacity(request);
    bool partial = capacity > 0 && capacity < shortcut->block.size();
    call->reply(g_variant_new("(@ayu)", byteArray(shortcutRecord(*shortcut)),
                              partial ? kResultPartial : kResultOk));
}

void setProperty(Service& service, const CallPtr& call) {
    Bytes record = bytesArg(call, 0);
    Shortcut given;
    if (!readShortcutHeader(record, given))
        return call->reply(g_variant_new("(u)", kResultBadArgument));
    Shortcut* shortcut = service.world().shortcut(given.handle);
    if (!shortcut)
        return call->reply(g_variant_new("(u)", kResultUnknownHandle));
    takeUserFields(given, *shortcut);
    if (!(given.mask & kShortcutMaskBlock))
        shortcut->block.clear();
    else
        carriedBlock(record, shortcut->block);
    service.storeShortcuts();
    call->reply(g_variant_new("(u)", kResultOk));
}

void removeShortcut(Service& service, const CallPtr& call) {
    World& world = service.world();
    uint32_t handle = wordArg(call, 0);
    Shortcut* shortcut = world.shortcut(handle);
    if (!shortcut)
        return call->reply(g_variant_new("(u)", kResultUnknownHandle));
    if (shortcut->connection != 0)
        endConnection(service, shortcut->connection, Ending::Disconnected);
    world.shortcuts.erase(world.shortcuts.begin() + (shortcut - world.shortcuts.data()));
    service.storeShortcuts();
    call->reply(g_variant_new("(u)", kResultOk));
}

void disconnect(Service& service, const CallPtr& call) {
    Shortcut* shortcut = service.world().shortcut(wordArg(call, 0));
    if (!shortcut)
        return call->reply(g_variant_new("(u)", kResultUnknownHandle));
    bool ended = shortcut->connection != 0 && endConnection(service, shortcut->connection, Ending::Disconnected);
    call->reply(g_variant_new("(u)", ended ? kResultOk : kResultFailed));
}

// (shortcut[, parameters]) → ([connection, ]result), after the connection's while unless
// the shortcut is connected already; busy while another connect through it is under way.
void connect(Service& service, const CallPtr& call, bool extended) {
    World* world = &service.world();  // the world object stays, its value is reset
    uint32_t handle = wordArg(call, 0);
    auto answer = [call, extended](uint32_t connection, uint32_t result) {
        call->reply(extended ? g_variant_new("(uu)", connection, result)
                             : g_variant_new("(u)", result));
    };
    Shortcut* shortcut = world->shortcut(handle);
    if (!shortcut)
        return answer(0, kResultUnknownHandle);
    if (shortcut->connection != 0)
        return answer(shortcut->connection, kResultOk);
    if (shortcut->connecting)
        return answer(0, kResultBusy);
    Service* s = &service;
    auto done = [s, world, handle, answer](uint32_t connection, uint32_t result) {
        Shortcut* made = world->shortcut(handle);
        if (made) {
            made->connecting = false;
            if (result == kResultOk)
                made->connection = connection;
        } else if (result == kResultOk) {  // deleted meanwhile: nothing may keep the link
            endConnection(*s, connection, Ending::Disconnected);
            return answer(0, kResultUnknownHandle);
        }
        answer(connection, result);
    };
    uint32_t port = extended ? requestedPort(shortcut->serviceClass, bytesArg(call, 1)) : 0;
    shortcut->connecting =
        connectService(service, shortcut->device, shortcut->serviceClass, port, done, shortcut->service);
    if (!shortcut->connecting)
        answer(0, kResultUnknownHandle);
}

void connectPlain(Service& service, const CallPtr& call) {
    connect(service, call, false);
}

void connectExtended(Service& service, const CallPtr& call) {
    connect(service, call, true);
}

// The handles of the shortcuts that fit, as lists carry them, and their count.
struct Selection {
    uint32_t count = 0;
    Bytes handles;
};

Selection selectShortcuts(const World& world, uint32_t max,
                          const std::function<bool(const Shortcut&)>& fits) {
    Selection selection;
    for (const Shortcut& shortcut : world.shortcuts) {
        if (!fits(shortcut))
            continue;
        if (max == 0) {
            ++selection.count;
        } else if (selection.count < max) {
            appendWord(selection.handles, shortcut.handle);
            ++selection.count;
        }
    }
    return selection;
}

// (count, handles, result) of the shortcuts that fit; result alone when `known` is false.
void replyList(const World& world, const CallPtr& call, uint32_t max, bool known,
               const std::function<bool(const Shortcut&)>& fits) {
    Selection found = known ? selectShortcuts(world, max, fits) : Selection();
    call->reply(g_variant_new("(u@ayu)", found.count, byteArray(found.handles),
                              known ? kResultOk : kResultUnknownHandle));
}

void all(World& world, const CallPtr& call) {
    replyList(world, call, wordArg(call, 0), true, [](const Shortcut&) { return true; });
}

void byConnection(World& world, const CallPtr& call) {
    uint32_t connection = wordArg(call, 0);
    replyList(world, call, wordArg(call, 1), world.connection(connection) != nullptr,
              [connection](const Shortcut& s) { return s.connection == connection; });
}

void byDeviceClass(World& world, const CallPtr& call) {
    uint32_t deviceClass = wordArg(call, 0);
    replyList(world, call, wordArg(call, 1), true,
              [deviceClass](const Shortcut& s) { return s.deviceClass == deviceClass; });
}

void byServiceClass(World& world, const CallPtr& call) {
    uint32_t serviceClass = wordArg(call, 0);
    replyList(world, call, wordArg(call, 1), true,
              [serviceClass](const Shortcut& s) { return s.serviceClass == serviceClass; });
}

// (device, service class or 0 for any, max)
void byDevice(World& world, const CallPtr& call) {
    uint32_t device = wordArg(call, 0), serviceClass = wordArg(call, 1);
    replyList(world, call, wordArg(call, 2), world.knownDevice(device) != nullptr,
              [device, serviceClass](const Shortcut& s) {
                  return s.device == device &&
                         (serviceClass == 0 || s.serviceClass == serviceClass);
              });
}

// (device, service, max) → (result, handles, count)
void byService(World& world, const CallPtr& call) {
    uint32_t device = wordArg(call, 0), service = wordArg(call, 1);
    RemoteDevice* owner = ownerOf(world, service);
    bool known = owner && owner->handle == device;
    Selection found =
        known ? selectShortcuts(world, wordArg(call, 2),
                                [service](const Shortcut& s) { return s.service == service; })
              : Selection();
    call->reply(g_variant_new("(u@ayu)", known ? kResultOk : kResultUnknownHandle,
                              byteArray(found.handles), found.count));
}

// The first shortcut (in the order of their making) of the service class, of any for 0.
void defaultShortcut(World& world, const CallPtr& call) {
    uint32_t serviceClass = wordArg(call, 0);
    auto found = std::find_if(world.shortcuts.begin(), world.shortcuts.end(),
                              [serviceClass](const Shortcut& s) {
                                  return serviceClass == 0 || s.serviceClass == serviceClass;
                              });
    call->reply(g_variant_new("(u)", found == world.shortcuts.end() ? 0u : found->handle));
}

void byName(World& world, const CallPtr& call) {
    std::string name = textArg(call, 0);
    auto found = std::find_if(world.shortcuts.begin(), world.shortcuts.end(),
                              [&name](const Shortcut& s) { return s.name == name; });
    call->reply(g_variant_new("(u)", found == world.shortcuts.end() ? 0u : found->handle));
}

}  // namespace

void addShortcuts(Service& service) {
    Dispatcher& table = service.dispatcher();
    table.addEach(kShortcutInterface, service,
                  {{"create_shortcut", create},
                   {"create_shortcut_ex", createFromRecord},
                   {"set_shortcut_property", setProperty},
                   {"delete_shortcut", removeShortcut},
                   {"disconnect_shortcut", disconnect},
                   {"connect_shortcut", connectPlain},
                   {"connect_shortcut_ex", connectExtended}});
    table.addEach(kShortcutInterface, service.world(),
                  {{"get_shortcut_property", property},
                   {"get_all_shortcuts", all},
                   {"get_default_shortcut", defaultShortcut},
                   {"get_shortcut_by_name", byName},
                   {"get_shortcut_by_connection_handle", byConnection},
                   {"get_shortcut_by_device_class", byDeviceClass},
                   {"get_shortcut_by_service_class", byServiceClass},
                   {"get_shortcut_by_device_handle", byDevice},
                   {"get_shortcut_by_service_handle", byService}});
}

}  // namespace btserver
