// The connections that the hands-free area serves, in both roles.
#pragma once

#include <cstdint>

#include "world/service_classes.h"
#include "world/world.h"

namespace btserver {

// The connection of a hands-free class that has the handle, or null.
inline Connection* handsFreeConnection(World& world, uint32_t handle) {
    Connection* connection = world.connection(handle);
    return connection && isHandsFreeClass(connection->serviceClass) ? connection : nullptr;
}

}  // namespace btserver
