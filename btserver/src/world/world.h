// Everything the simulated stack knows: the adapter, the remote devices, the local
// servers, and the connections and shortcuts made while it runs.
#pragma once

#include <vector>

#include "world/adapter.h"
#include "world/local_server.h"
#include "world/remote_device.h"

namespace btserver {

// A profile connection to a remote device's service.
struct Connection {
    uint32_t handle = 0;
    uint32_t device = 0;
    uint32_t service = 0;
};

// A stored bookmark of one remote device's service.
struct Shortcut {
    uint32_t handle = 0;
    uint32_t device = 0;
    uint32_t service = 0;
};

// How long the simulated operations take.
struct Timing {
    uint32_t startBluetoothMs = 300;
    uint32_t stopBluetoothMs = 200;
};

struct World {
    Adapter adapter;
    std::vector<RemoteDevice> devices;
    std::vector<LocalServer> servers;
    std::vector<Connection> connections;
    std::vector<Shortcut> shortcuts;
    Timing timing;
};

}  // namespace btserver
