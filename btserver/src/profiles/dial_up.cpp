// The dial-up area: the local dial-up service's registration, and dialling out through a
// dial-up connection to a remote phone. A dial names its connection by the serial device
// of the connection's COM port ("ttyB3"); the phone's service decides by the number
// dialled: one of its Numbers connects, one of its BusyNumbers answers busy, any other
// does not answer. One dial at a time lasts until it is hung up.
#include <cstring>
#include <numeric>
#include <string>
#include <vector>

#include "core/core.h"
#include "profiles/profile_areas.h"
#include "service.h"
#include "world/service_classes.h"

namespace btserver {

namespace {

constexpr size_t kDialTexts = 8;  // IP, two DNS servers, user, password, number, init, device
constexpr size_t kNumberText = 5;
constexpr size_t kDeviceText = 7;
constexpr const char* kDevicePrefix = "ttyB";

bool contains(const std::vector<std::string>& all, const std::string& text) {
    return std::find(all.begin(), all.end(), text) != all.end();
}

// The eight texts cut from the joined bytes by the lengths; false unless there are eight
// lengths that add up to the bytes.
bool splitTexts(const CallPtr& call, std::vector<std::string>& texts) {
    GVariant* list = g_variant_get_child_value(call->args(), 0);
    gsize count = 0;
    auto* lengths =
        static_cast<const guint32*>(g_variant_get_fixed_array(list, &count, sizeof(guint32)));
    std::vector<uint64_t> sizes(lengths, lengths + count);
    g_variant_unref(list);
    Bytes joined = bytesArg(call, 1);
    if (sizes.size() != kDialTexts ||
        std::accumulate(sizes.begin(), sizes.end(), uint64_t{0}) != joined.size())
        return false;
    size_t offset = 0;
    for (uint64_t size : sizes) {
        texts.emplace_back(joined.begin() + offset, joined.begin() + offset + size);
        offset += size;
    }
    return true;
}

// The outgoing dial-up connection on the COM port that the serial device names, or null.
Connection* connectionOfDevice(World& world, const std::string& device) {
    guint64 port = 0;
    if (device.rfind(kDevicePrefix, 0) != 0 ||
        !g_ascii_string_to_unsigned(device.c_str() + strlen(kDevicePrefix), 10, 1, UINT32_MAX,
                                    &port, nullptr))
        return nullptr;
    for (Connection& connection : world.connections)
        if (!connection.incoming && connection.serviceClass == kDialUpClass &&
            connection.port == port)
            return &connection;
    return nullptr;
}

// The connection of the dial in progress; none once that connection ended.
Connection* currentDial(World& world) {
    Connection* connection = world.connection(world.profiles.dialUp.connection);
    if (!connection)
        world.profiles.dialUp.connection = 0;
    return connection;
}

uint32_t dial(World& world, const CallPtr& call) {
    std::vector<std::string> texts;
    if (!splitTexts(call, texts))
        return kResultBadArgument;
    if (currentDial(world))
        return kResultBusy;
    Connection* connection = connectionOfDevice(world, texts[kDeviceText]);
    if (!connection)
        return kResultNotConnected;
    RemoteService* phone = world.remoteService(connection->service);
    const std::string& number = texts[kNumberText];
    if (phone && contains(phone->numbers, number)) {
        world.profiles.dialUp.connection = connection->handle;
        return kResultOk;
    }
    return phone && contains(phone->busyNumbers, number) ? kResultLineBusy : kResultNoAnswer;
}

uint32_t hangUp(World& world) {
    if (!currentDial(world))
        return kResultNotConnected;
    world.profiles.dialUp.connection = 0;
    return kResultOk;
}

}  // namespace

void addDialUp(Service& service) {
    Dispatcher& table = service.dispatcher();
    World* world = &service.world();  // the world object stays, its value is reset
    DialUp* state = &world->profiles.dialUp;
    table.add(kDialUpInterface, "dial", [world](const CallPtr& call) {
        call->reply(g_variant_new("(u)", dial(*world, call)));
    });
    table.add(kDialUpInterface, "hangup",
              [world](const CallPtr& call) { call->reply(g_variant_new("(u)", hangUp(*world))); });
    // Ending the area hangs up the dial in progress.
    table.add(kDialUpInterface, "done", [state](const CallPtr& call) {
        state->connection = 0;
        call->reply(g_variant_new("(u)", kResultOk));
    });
    table.add(kDialUpInterface, "register_dun_service", [state](const CallPtr& call) {
        state->registered = true;
        call->reply(g_variant_new("(u)", kResultOk));
    });
    table.add(kDialUpInterface, "unregister_dun_service", [state](const CallPtr& call) {
        uint32_t result = state->registered ? kResultOk : kResultNotRegistered;
        state->registered = false;
        call->reply(g_variant_new("(u)", result));
    });
}

}  // namespace btserver
