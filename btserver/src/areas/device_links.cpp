#include "areas/device_links.h"

#include "areas/connections.h"
#include "service.h"

namespace btserver {

namespace {

constexpr uint32_t kMaster = 0, kSlave = 1;

}  // namespace

void openLink(RemoteDevice& device, bool incoming) {
    if (device.link.up)
        return;
    device.link.up = true;
    device.link.role = device.localRole.value_or(incoming ? kSlave : kMaster);
    device.link.ended = {};
}

void leaveLink(RemoteDevice& device, const Traffic& carried, bool last) {
    device.link.ended += carried;
    if (last && !device.link.held)
        device.link.up = false;
}

Traffic linkTraffic(const World& world, const RemoteDevice& device, int64_t nowUs) {
    Traffic carried = device.link.ended;
    for (const Connection& connection : world.connections)
        if (connection.device == device.handle)
            carried += connection.traffic(nowUs);
    return carried;
}

void holdLink(Service& service, RemoteDevice& device, bool up) {
    if (up) {
        openLink(device, true);
        device.link.held = true;
        return;
    }
    device.link.held = false;
    uint32_t handle = device.handle;
    dropConnections(service,
                    [handle](const Connection& connection) { return connection.device == handle; });
    device.link.up = false;
}

}  // namespace btserver
