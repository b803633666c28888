// The connection area: connecting to a remote device's service after the scenario's
// while, the property records with their growing duration and traffic, the lists and
// enumerations of connections, and ending them.
#include "connections.h"

#include "area_values.h"
#include "areas.h"
#include "result_codes.h"
#include "service.h"
#include "wire_records.h"

namespace btserver {

namespace {

constexpr const char* kConnInterface = "com.zel.corvane.btservice.btsdkconn";
constexpr uint32_t kEventDropped = 2;  // "connection_event_ind": the link dropped
constexpr uint32_t kAclBase = 0x80;    // ACL handles are this plus the device handle

bool serialType(uint16_t serviceClass) {
    return serviceClass == 0x1101 || serviceClass == 0x1103;
}

Connection& addConnection(World& world, uint32_t device, uint32_t service, uint16_t serviceClass,
                          bool incoming) {
    Connection connection;
    connection.handle = world.newHandle();
    connection.device = device;
    connection.service = service;
    connection.serviceClass = serviceClass;
    connection.incoming = incoming;
    connection.port = serialType(serviceClass) ? world.nextPort++ : 0;
    connection.startedUs = g_get_monotonic_time();
    connection.traffic.setConnected(true, connection.startedUs);
    world.device(device)->traffic.setConnected(true, connection.startedUs);
    world.connections.push_back(connection);
    return world.connections.back();
}

// The result of connecting to the device's service of the class now; the service on success.
uint32_t reach(World& world, uint32_t handle, uint16_t serviceClass, RemoteService*& found) {
    RemoteDevice* device = knownDevice(world, handle);
    if (!device)
        return kResultUnknownHandle;
    if (!device->inRange)
        return kResultOutOfRange;
    for (RemoteService& service : device->services)
        if (service.serviceClass == serviceClass) {
            found = &service;
            return service.reachable ? kResultOk : kResultFailed;
        }
    return kResultNoService;
}

// (device, class[, parameters]) → (connection, result) after the scenario's while;
// connect_ex also sends "signal_connect_ex_complete".
void connect(Service& service, const CallPtr& call, bool extended) {
    uint32_t device = wordArg(call, 0);
    uint16_t serviceClass = static_cast<uint16_t>(wordArg(call, 1));
    Service* s = &service;
    bool started =
        connectService(service, device, serviceClass, [=](uint32_t handle, uint32_t result) {
            call->reply(g_variant_new("(uu)", handle, result));
            if (extended)
                s->signals().emit(kConnInterface, "signal_connect_ex_complete",
                                  g_variant_new("(uu)", handle, result));
        });
    if (!started)
        call->reply(g_variant_new("(uu)", 0u, kResultUnknownHandle));
}

void property(World& world, const CallPtr& call) {
    Connection* connection = world.connection(wordArg(call, 0));
    Bytes record = connection ? connectionRecord(*connection, g_get_monotonic_time())
                              : Bytes(kConnectionRecordBytes, 0);
    call->reply(g_variant_new("(@ayu)", byteArray(record),
                              connection ? kResultOk : kResultUnknownHandle));
}

void listConnections(World& world, const CallPtr& call, bool incoming) {
    uint32_t max = wordArg(call, 0);
    Bytes handles;
    uint32_t count = 0;
    for (const Connection& connection : world.connections)
        if (connection.incoming == incoming && count < max) {
            appendHandle(handles, connection.handle);
            ++count;
        }
    call->reply(g_variant_new("(@ayu)", byteArray(handles), count));
}

void startEnumeration(World& world, const CallPtr& call) {
    Enumeration enumeration{world.newHandle(), {}, 0};
    for (const Connection& connection : world.connections)
        enumeration.handles.push_back(connection.handle);
    world.connectionEnumerations.push_back(enumeration);
    call->reply(g_variant_new("(u)", enumeration.handle));
}

// The next connection still up, with its record; a zero record and handle 0 at the end.
void nextConnection(World& world, const CallPtr& call) {
    Enumeration* enumeration = findEnumeration(world.connectionEnumerations, wordArg(call, 0));
    Connection* connection = nullptr;
    while (enumeration && !connection && enumeration->next < enumeration->handles.size())
        connection = world.connection(enumeration->handles[enumeration->next++]);
    Bytes record = connection ? connectionRecord(*connection, g_get_monotonic_time())
                              : Bytes(kConnectionRecordBytes, 0);
    call->reply(g_variant_new("(@ayu)", byteArray(record), connection ? connection->handle : 0u));
}

}  // namespace

std::string acceptIncoming(World& world, uint32_t device, uint32_t serverHandle) {
    LocalServer* server = world.server(serverHandle);
    if (!server)
        return "no server " + std::to_string(serverHandle);
    if (server->status == ServerStatus::Stopped)
        return "server " + std::to_string(serverHandle) + " is stopped";
    addConnection(world, device, server->handle, server->serviceClass, true);
    server->status = ServerStatus::InUse;
    return {};
}

bool connectService(Service& service, uint32_t device, uint16_t serviceClass,
                    std::function<void(uint32_t connection, uint32_t result)> done) {
    if (!knownDevice(service.world(), device))
        return false;
    World* world = &service.world();  // the world object stays, its value is reset
    service.timers().after(world->timing.connectMs, [=] {
        RemoteService* found = nullptr;
        uint32_t result = reach(*world, device, serviceClass, found);
        uint32_t handle =
            result == kResultOk
                ? addConnection(*world, device, found->handle, serviceClass, false).handle
                : 0;
        done(handle, result);
    });
    return true;
}

bool endConnection(Service& service, uint32_t handle, bool event) {
    World& world = service.world();
    Connection* connection = world.connection(handle);
    if (!connection)
        return false;
    int64_t now = g_get_monotonic_time();
    Bytes last = connectionRecord(*connection, now);
    Connection ended = *connection;
    world.connections.erase(world.connections.begin() + (connection - world.connections.data()));
    bool deviceStillUp = false, serverStillUsed = false;
    for (const Connection& other : world.connections) {
        deviceStillUp |= other.device == ended.device;
        serverStillUsed |= other.incoming && other.service == ended.service;
    }
    for (Shortcut& shortcut : world.shortcuts)
        if (shortcut.connection == handle)
            shortcut.connection = 0;
    if (RemoteDevice* device = world.device(ended.device); device && !deviceStillUp)
        device->traffic.setConnected(false, now);
    if (LocalServer* server = world.server(ended.service);
        ended.incoming && server && !serverStillUsed && server->status == ServerStatus::InUse)
        server->status = ServerStatus::Running;
    if (event)
        service.signals().emit(kCallbackInterface, "connection_event_ind",
                               g_variant_new("(uu@ay)", handle, kEventDropped, byteArray(last)));
    return true;
}

void addConnections(Service& service) {
    Dispatcher& table = service.dispatcher();
    Service* s = &service;
    World* world = &service.world();  // the world object stays, its value is reset
    table.add(kConnInterface, "connect", [s](const CallPtr& call) { connect(*s, call, false); });
    table.add(kConnInterface, "connect_ex", [s](const CallPtr& call) { connect(*s, call, true); });
    table.add(kConnInterface, "disconnect", [s](const CallPtr& call) {
        bool ended = endConnection(*s, wordArg(call, 0), false);
        call->reply(g_variant_new("(u)", ended ? kResultOk : kResultUnknownHandle));
    });
    table.add(kConnInterface, "get_connection_property",
              [world](const CallPtr& call) { property(*world, call); });
    table.add(kConnInterface, "get_all_incoming_connections",
              [world](const CallPtr& call) { listConnections(*world, call, true); });
    table.add(kConnInterface, "get_all_outgoing_connections",
              [world](const CallPtr& call) { listConnections(*world, call, false); });
    table.add(kConnInterface, "start_enum_connection",
              [world](const CallPtr& call) { startEnumeration(*world, call); });
    table.add(kConnInterface, "enum_connection",
              [world](const CallPtr& call) { nextConnection(*world, call); });
    table.add(kConnInterface, "end_enum_connection", [world](const CallPtr& call) {
        uint32_t result = endEnumeration(world->connectionEnumerations, wordArg(call, 0));
        call->reply(g_variant_new("(i)", static_cast<gint32>(result)));
    });
    table.add(kConnInterface, "get_server_port", [world](const CallPtr& call) {
        Connection* connection = world->connection(wordArg(call, 0));
        call->reply(g_variant_new("(u)", connection ? connection->port : 0u));
    });
    table.add(kConnInterface, "get_acl_handle", [world](const CallPtr& call) {
        Connection* connection = world->connection(wordArg(call, 0));
        call->reply(g_variant_new("(u)", connection ? kAclBase + connection->device : 0u));
    });
}

}  // namespace btserver
