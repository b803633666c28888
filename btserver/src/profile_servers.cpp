#include "profile_servers.h"

#include <algorithm>
#include <vector>

#include "connections.h"
#include "service.h"
#include "wire_records.h"

namespace btserver {

LocalServer& addProfileServer(World& world, uint16_t serviceClass, const std::string& name,
                              ServerStatus status, Bytes extension) {
    LocalServer server;
    server.handle = world.newHandle();
    server.serviceClass = serviceClass;
    server.name = name;
    server.status = status;
    server.extension = std::move(extension);
    server.extension.resize(serverExtensionBytes(serviceClass), 0);
    world.servers.push_back(server);
    return world.servers.back();
}

void removeProfileServer(Service& service, uint32_t handle) {
    World& world = service.world();
    std::vector<uint32_t> dropped;
    for (const Connection& connection : world.connections)
        if (connection.incoming && connection.service == handle)
            dropped.push_back(connection.handle);
    for (uint32_t connection : dropped) endConnection(service, connection, true);
    world.servers.erase(
        std::remove_if(world.servers.begin(), world.servers.end(),
                       [handle](const LocalServer& s) { return s.handle == handle; }),
        world.servers.end());
}

}  // namespace btserver
