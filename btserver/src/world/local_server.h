// A local server (a profile that this computer offers to remote devices).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "world/bluetooth_types.h"
#include "world/remote_device.h"

namespace btserver {

enum class ServerStatus : uint32_t { Running = 1, Stopped = 2, InUse = 3 };

struct LocalServer {
    uint32_t handle = 0;
    uint16_t serviceClass = 0;
    std::string name;
    ServerStatus status = ServerStatus::Stopped;
    uint16_t security = 0;  // any of the bits of 7: remote devices need a passkey
    uint16_t param = 0;     // the second parameter word, kept for the stack's users
    Bytes extension;        // as long as the server's class asks for
    SerialKind serial = SerialKind::Echo;  // serial-type: the far end of its connections
    std::vector<uint32_t> connectedAtStart;  // devices connected to it when the world starts
};

}  // namespace btserver
