// The HID area: the plug state of input devices by their address, and the subclass of a
// device's HID service. The answers that are bytes use the client library's failure bytes:
// 4 for an address that is not 6 bytes, 2 for nothing known. Plug flags: 1 plugged, 0
// unplugged, 2 never plugged. Initialising, the QoS flag and turning off automatic
// reconnection answer their defaults.
#include "core/core.h"
#include "profiles/profile_areas.h"
#include "records/records.h"
#include "service.h"
#include "world/service_classes.h"

namespace btserver {

namespace {

constexpr size_t kSubclassOffset = 4;  // in the HID service's extension block
constexpr size_t kHidRecordBytes = 20;
constexpr uint8_t kUnplugged = 0, kPlugged = 1;
constexpr uint8_t kByteFailed = 2, kByteBadArgument = 4;

// Whether the address is plugged; null when it never was.
bool* plugState(World& world, const BdAddr& address) {
    auto found = world.profiles.plugged.find(address);
    return found == world.profiles.plugged.end() ? nullptr : &found->second;
}

// (address, information, record) → (result): 2 unless the address has 6 bytes, the
// information record's first word is its own size and the record has 20 bytes.
int32_t plug(World& world, const CallPtr& call) {
    BdAddr address{};
    Bytes information = bytesArg(call, 1);
    if (!addressArg(call, 0, address) || information.size() < 4 ||
        word32At(information, 0) != information.size() ||
        bytesArg(call, 2).size() != kHidRecordBytes)
        return static_cast<int32_t>(kResultBadArgument);
    world.profiles.plugged[address] = true;
    return static_cast<int32_t>(kResultOk);
}

// (address) → (result): 4 for an address never plugged.
uint32_t unplug(World& world, const CallPtr& call) {
    BdAddr address{};
    if (!addressArg(call, 0, address))
        return kResultBadArgument;
    bool* plugged = plugState(world, address);
    if (!plugged)
        return kResultUnknownHandle;
    *plugged = false;
    return kResultOk;
}

uint8_t plugFlag(World& world, const CallPtr& call) {
    BdAddr address{};
    if (!addressArg(call, 0, address))
        return kByteBadArgument;
    bool* plugged = plugState(world, address);
    if (!plugged)
        return kByteFailed;
    return *plugged ? kPlugged : kUnplugged;
}

// The subclass byte of the HID service of the device with the address.
uint8_t subclass(World& world, const CallPtr& call) {
    BdAddr address{};
    if (!addressArg(call, 0, address))
        return kByteBadArgument;
    for (const RemoteDevice& device : world.devices)
        for (const RemoteService& service : device.services)
            if (device.address == address && service.serviceClass == kHidClass &&
                service.extension.size() > kSubclassOffset)
                return service.extension[kSubclassOffset];
    return kByteFailed;
}

}  // namespace

void addHid(Service& service) {
    Dispatcher& table = service.dispatcher();
    World* world = &service.world();  // the world object stays, its value is reset
    table.add(kHidInterface, "clnt_plugged_dev", [world](const CallPtr& call) {
        call->reply(g_variant_new("(i)", plug(*world, call)));
    });
    table.add(kHidInterface, "clnt_unplugged_dev", [world](const CallPtr& call) {
        call->reply(g_variant_new("(u)", unplug(*world, call)));
    });
    table.add(kHidInterface, "get_plug_flag", [world](const CallPtr& call) {
        call->reply(g_variant_new("(y)", plugFlag(*world, call)));
    });
    table.add(kHidInterface, "get_sub_class", [world](const CallPtr& call) {
        call->reply(g_variant_new("(y)", subclass(*world, call)));
    });
}

}  // namespace btserver
