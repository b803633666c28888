// The HID area: the plug state of input devices by their address, and the subclass of a
// device's HID service. The answers that are bytes use the client library's failure bytes:
// 4 for an address that is not 6 bytes, 2 for nothing known. Plug flags: 1 plugged, 0
// unplugged, 2 never plugged. Initialising, the QoS flag and turning off automatic
// reconnection answer their defaults.
#include "area_values.h"
#include "areas.h"
#include "profile_values.h"
#include "service.h"

namespace btserver {

namespace {

constexpr uint16_t kHidClass = 0x1124;
constexpr size_t kSubclassOffset = 4;  // in the HID service's extension block
constexpr size_t kHidRecordBytes = 20;
constexpr uint8_t kUnplugged = 0, kPlugged = 1;
constexpr uint8_t kByteFailed = 2, kByteBadArgument = 4;

bool addressArg(const CallPtr& call, BdAddr& address) {
    Bytes bytes = bytesArg(call, 0);
    if (bytes.size() != address.size())
        return false;
    std::copy(bytes.begin(), bytes.end(), address.begin());
    return true;
}

// The little-endian 32-bit word at the start, or 0 when the bytes are shorter.
uint32_t leadingWord(const Bytes& bytes) {
    uint32_t word = 0;
    for (size_t i = 0; i < 4 && bytes.size() >= 4; ++i) word |= uint32_t{bytes[i]} << (8 * i);
    return word;
}

// (address, information, record) → (result): 2 unless the address has 6 bytes, the
// information record's first word is its own size and the record has 20 bytes.
int32_t plug(World& world, const CallPtr& call) {
    BdAddr address{};
    Bytes information = bytesArg(call, 1);
    if (!addressArg(call, address) || information.size() < 4 ||
        leadingWord(information) != information.size() ||
        bytesArg(call, 2).size() != kHidRecordBytes)
        return static_cast<int32_t>(kResultBadArgument);
    world.profiles.plugged[address] = true;
    return static_cast<int32_t>(kResultOk);
}

// (address) → (result): 4 for an address never plugged.
uint32_t unplug(World& world, const CallPtr& call) {
    BdAddr address{};
    if (!addressArg(call, address))
        return kResultBadArgument;
    auto found = world.profiles.plugged.find(address);
    if (found == world.profiles.plugged.end())
        return kResultUnknownHandle;
    found->second = false;
    return kResultOk;
}

uint8_t plugFlag(World& world, const CallPtr& call) {
    BdAddr address{};
    if (!addressArg(call, address))
        return kByteBadArgument;
    auto found = world.profiles.plugged.find(address);
    if (found == world.profiles.plugged.end())
        return kByteFailed;
    return found->second ? kPlugged : kUnplugged;
}

// The subclass byte of the HID service of the device with the address.
uint8_t subclass(World& world, const CallPtr& call) {
    BdAddr address{};
    if (!addressArg(call, address))
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
