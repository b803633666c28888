// Values that the profile areas' handlers and their control events share: interface
// names and the connections that the hands-free area serves.
#pragma once

#include <cstdint>

#include "world/world.h"

namespace btserver {

constexpr const char* kSerialInterface = "com.zel.corvane.btservice.btsdkspp";
constexpr const char* kDialUpInterface = "com.zel.corvane.btservice.btsdkdun";
constexpr const char* kPanInterface = "com.zel.corvane.btservice.btsdkpan";
constexpr const char* kHandsFreeInterface = "com.zel.corvane.btservice.btsdkhfp";
constexpr const char* kAudioVideoInterface = "com.zel.corvane.btservice.btsdkav";
constexpr const char* kHidInterface = "com.zel.corvane.btservice.btsdkhid";

// Headset (0x1108), headset audio gateway (0x1112), hands-free (0x111E) and hands-free
// audio gateway (0x111F).
inline bool isHandsFreeClass(uint32_t serviceClass) {
    return serviceClass == 0x1108 || serviceClass == 0x1112 || serviceClass == 0x111E ||
           serviceClass == 0x111F;
}

// The connection of a hands-free class that has the handle, or null.
inline Connection* handsFreeConnection(World& world, uint32_t handle) {
    Connection* connection = world.connection(handle);
    return connection && isHandsFreeClass(connection->serviceClass) ? connection : nullptr;
}

}  // namespace btserver
