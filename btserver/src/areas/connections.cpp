// Making and ending connections: the device's link and a local server's status follow them.
#include "areas/connections.h"

#include <algorithm>
#include <vector>

#include "areas/device_links.h"
#include "core/core.h"
#include "records/records.h"
#include "service.h"
#include "world/service_classes.h"

namespace btserver {

namespace {

bool portInUse(const World& world, uint32_t port) {
    for (const Connection& connection : world.connections)
        if (connection.port == port)
            return true;
    return false;
}

// The requested port, or for 0 the next port that no connection uses.
uint32_t portFor(World& world, uint32_t requested) {
    if (requested != 0)
        return requested;
    while (portInUse(world, world.nextPort)) ++world.nextPort;
    return world.nextPort++;
}

Connection& addConnection(World& world, uint32_t device, uint32_t service, uint16_t serviceClass,
                          bool incoming, uint32_t port = 0) {
    Connection connection;
    connection.handle = world.newHandle();
    connection.device = device;
    connection.service = service;
    connection.serviceClass = serviceClass;
    connection.incoming = incoming;
    connection.port = isSerialType(serviceClass) ? portFor(world, port) : 0;
    connection.startedUs = g_get_monotonic_time();
    RemoteDevice& remote = *world.device(device);
    if (!carriesTransfers(serviceClass))
        connection.steadyPerSecond = remote.flowPerSecond;
    openLink(remote, incoming);
    world.connections.push_back(connection);
    return world.connections.back();
}

// The result of connecting to the device's service of the class now; the service on success.
uint32_t reach(World& world, uint32_t handle, uint16_t serviceClass, uint32_t serviceHandle,
               uint32_t port, const RemoteService*& found) {
    RemoteDevice* device = world.knownDevice(handle);
    if (!device)
        return kResultUnknownHandle;
    if (!device->inRange)
        return kResultOutOfRange;
    found = serviceHandle ? device->serviceWithHandle(serviceHandle, serviceClass)
                          : device->serviceOfClass(serviceClass);
    if (!found)
        return kResultNoService;
    if (port != 0 && portInUse(world, port))
        return kResultBusy;
    return found->reachable ? kResultOk : kResultFailed;
}

}  // namespace

uint32_t requestedPort(uint16_t serviceClass, const Bytes& parameters) {
    constexpr size_t kPortOffset = 6;
    if (!isSerialType(serviceClass) || parameters.size() < kPortOffset + 2)
        return 0;
    return word16At(parameters, kPortOffset);
}

std::string incomingRefusal(World& world, uint32_t device, uint32_t serverHandle) {
    LocalServer* server = world.server(serverHandle);
    if (!server)
        return "no server " + std::to_string(serverHandle);
    if (server->status == ServerStatus::Stopped)
        return "server " + std::to_string(serverHandle) + " is stopped";
    const RemoteDevice* remote = world.device(device);
    if (!remote)
        return "no device " + std::to_string(device);
    if (!remote->inRange)
        return "device " + std::to_string(device) + " is out of range";
    return {};
}

std::string acceptIncoming(World& world, uint32_t device, uint32_t serverHandle) {
    std::string refused = incomingRefusal(world, device, serverHandle);
    LocalServer* server = world.server(serverHandle);
    if (!refused.empty() || !server)  // no server is refused above
        return refused;
    // The server's own port (its extension block), unless another connection has it.
    uint32_t port = requestedPort(server->serviceClass, server->extension);
    addConnection(world, device, server->handle, server->serviceClass, true,
                  portInUse(world, port) ? 0 : port);
    server->status = ServerStatus::InUse;
    return {};
}

uint32_t connectIncoming(Service& service, uint32_t device, uint32_t server, std::string& error) {
    error = acceptIncoming(service.world(), device, server);
    if (!error.empty())
        return 0;
    Connection& made = service.world().connections.back();
    service.serialLines().open(made);
    service.signals().emit(kCallbackInterface, "connection_event_ind",
                           g_variant_new("(uu@ay)", made.handle, kConnectionEventUp,
                                         byteArray(connectionRecord(made, made.startedUs))));
    return made.handle;
}

bool connectService(Service& service, uint32_t device, uint16_t serviceClass, uint32_t port,
                    std::function<void(uint32_t connection, uint32_t result)> done,
                    uint32_t serviceHandle) {
    if (!service.world().knownDevice(device))
        return false;
    World* world = &service.world();  // the world object stays, its value is reset
    Service* s = &service;
    service.timers().after(world->timing.connectMs, [=] {
        const RemoteService* found = nullptr;
        uint32_t result = reach(*world, device, serviceClass, serviceHandle, port, found);
        uint32_t handle =
            result == kResultOk
                ? addConnection(*world, device, found->handle, serviceClass, false, port).handle
                : 0;
        if (Connection* made = world->connection(handle))
            s->serialLines().open(*made);
        done(handle, result);
        if (handle != 0 && world->connection(handle))
            s->signals().emit(kCallbackInterface, "connection_complete_ind",
                              g_variant_new("(u)", handle));
    });
    return true;
}

bool endConnection(Service& service, uint32_t handle, Ending ending) {
    World& world = service.world();
    Connection* connection = world.connection(handle);
    if (!connection)
        return false;
    int64_t now = g_get_monotonic_time();
    Bytes last = connectionRecord(*connection, now);
    Connection ended = *connection;
    service.serialLines().close(handle);
    world.connections.erase(world.connections.begin() + (connection - world.connections.data()));
    bool deviceStillUp = false, serverStillUsed = false;
    for (const Connection& other : world.connections) {
        deviceStillUp |= other.device == ended.device;
        serverStillUsed |= other.incoming && other.service == ended.service;
    }
    for (Shortcut& shortcut : world.shortcuts)
        if (shortcut.connection == handle)
            shortcut.connection = 0;
    if (RemoteDevice* device = world.device(ended.device))
        leaveLink(*device, ended.traffic(now), !deviceStillUp);
    if (LocalServer* server = world.server(ended.service);
        ended.incoming && server && !serverStillUsed && server->status == ServerStatus::InUse)
        server->status = ServerStatus::Running;
    service.signals().emit(
        kCallbackInterface, "connection_event_ind",
        g_variant_new("(uu@ay)", handle, static_cast<uint32_t>(ending), byteArray(last)));
    return true;
}

void dropConnections(Service& service, const std::function<bool(const Connection&)>& which) {
    std::vector<uint32_t> dropped;
    for (const Connection& connection : service.world().connections)
        if (which(connection))
            dropped.push_back(connection.handle);
    for (uint32_t handle : dropped) endConnection(service, handle, Ending::Dropped);
}

void dropServerConnections(Service& service, uint32_t server) {
    dropConnections(service, [server](const Connection& connection) {
        return connection.incoming && connection.service == server;
    });
}

void connectScenarioDevices(World& world) {
    for (const LocalServer& server : world.servers)
        for (uint32_t device : server.connectedAtStart)
            acceptIncoming(world, device, server.handle);
}

void removeServer(Service& service, uint32_t server) {
    dropServerConnections(service, server);
    std::vector<LocalServer>& servers = service.world().servers;
    servers.erase(std::remove_if(servers.begin(), servers.end(),
                                 [server](const LocalServer& s) { return s.handle == server; }),
                  servers.end());
}

}  // namespace btserver
