// The serial-port area: serial-port servers registered on COM ports. Each is a local
// server of class 0x1101 whose extension block carries its port; the key that
// registration answers, and that unregistration takes, is the server's handle.
#include "areas/connections.h"
#include "core/core.h"
#include "profiles/profile_areas.h"
#include "records/records.h"
#include "service.h"
#include "world/service_classes.h"

namespace btserver {

namespace {

constexpr size_t kPortOffset = 6;  // of the 16-bit port in the extension block

// The extension block: its own size as a 32-bit word, two zero bytes, the port.
Bytes portBlock(uint32_t port) {
    Bytes block(serverExtensionBytes(kSerialPortClass), 0);
    putWord32(block, 0, static_cast<uint32_t>(block.size()));
    putWord16(block, kPortOffset, static_cast<uint16_t>(port));
    return block;
}

// (port) → (key): a new stopped server on the port, or 0 when the port is 0, above
// 0xFFFF or registered already.
void registerSerial(World& world, const CallPtr& call) {
    uint32_t port = wordArg(call, 0);
    bool taken = false;
    for (const SerialRegistration& registration : world.profiles.serial)
        taken |= registration.port == port;
    if (port == 0 || port > UINT16_MAX || taken)
        return call->reply(g_variant_new("(u)", 0u));
    uint32_t key =
        world.addServer(kSerialPortClass, "Serial Port", ServerStatus::Stopped, portBlock(port))
            .handle;
    world.profiles.serial.push_back({key, port});
    call->reply(g_variant_new("(u)", key));
}

// (key) → (result): the server and its connections go; 4 for a key never answered.
void unregisterSerial(Service& service, const CallPtr& call) {
    uint32_t key = wordArg(call, 0);
    std::vector<SerialRegistration>& all = service.world().profiles.serial;
    auto found = std::find_if(all.begin(), all.end(),
                              [key](const SerialRegistration& r) { return r.key == key; });
    if (found == all.end())
        return call->reply(g_variant_new("(u)", kResultUnknownHandle));
    all.erase(found);
    removeServer(service, key);
    call->reply(g_variant_new("(u)", kResultOk));
}

}  // namespace

void addSerialPort(Service& service) {
    Dispatcher& table = service.dispatcher();
    World* world = &service.world();  // the world object stays, its value is reset
    Service* s = &service;
    table.add(kSerialInterface, "register_spp_service",
              [world](const CallPtr& call) { registerSerial(*world, call); });
    table.add(kSerialInterface, "unregister_spp_service",
              [s](const CallPtr& call) { unregisterSerial(*s, call); });
}

}  // namespace btserver
