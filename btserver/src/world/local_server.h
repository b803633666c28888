// A local server (a profile that this computer offers to remote devices).
#pragma once

#include <cstdint>
#include <string>

namespace btserver {

enum class ServerStatus : uint32_t { Running = 1, Stopped = 2, InUse = 3 };

struct LocalServer {
    uint32_t handle = 0;
    uint16_t serviceClass = 0;
    std::string name;
    ServerStatus status = ServerStatus::Stopped;
};

}  // namespace btserver
