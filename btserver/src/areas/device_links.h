// A remote device's link with the local adapter, which its connections ride on. It comes
// up with the device's first connection, or when SetConnected holds it, and goes down with
// the last one unless held. The side that opens it is its master unless the scenario gives
// the local adapter's role. Its traffic counters add up what its connections carried since
// it came up; once it is down they keep the last link's totals.
#pragma once

#include <cstdint>

#include "world/world.h"

namespace btserver {

class Service;

// Brings the link up for a connection (or a hold) that the device opened when `incoming`.
void openLink(RemoteDevice& device, bool incoming);
// One of the device's connections ended having carried `carried`; `last` when no other is left.
void leaveLink(RemoteDevice& device, const Traffic& carried, bool last);
// What the device's link has carried by the monotonic time.
Traffic linkTraffic(const World& world, const RemoteDevice& device, int64_t nowUs);
// Holds the link up, opened by the device; or lets it go: every connection with the device
// ends as a dropped link and the link goes down.
void holdLink(Service& service, RemoteDevice& device, bool up);

}  // namespace btserver
