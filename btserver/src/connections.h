// Making and ending profile connections; the device's connected flag and a local
// server's "in use" status follow them.
#pragma once

#include <cstdint>
#include <string>

namespace btserver {

class Service;
struct World;

// A remote device connects to a running local server: the server is then in use. The
// error text, or empty when done.
std::string acceptIncoming(World& world, uint32_t device, uint32_t server);
// Ends the connection; false when there is none. `event` tells the client that the link
// dropped ("connection_event_ind" with the connection's last property record).
bool endConnection(Service& service, uint32_t handle, bool event);

}  // namespace btserver
