// The local servers that profile registrations make and take away again.
#pragma once

#include <cstdint>
#include <string>

#include "world/local_server.h"

namespace btserver {

class Service;
struct World;

// A new local server of the class with the extension block (zero-filled to the class's
// size).
LocalServer& addProfileServer(World& world, uint16_t serviceClass, const std::string& name,
                          ServerStatus status, Bytes extension = {});
// Drops the remote devices' connections to the server ("connection_event_ind" event 2),
// then removes it.
void removeProfileServer(Service& service, uint32_t handle);

}  // namespace btserver
