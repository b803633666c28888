// Values that the areas' handlers share: interface names, byte arrays, the device a
// call is about.
#pragma once

#include <gio/gio.h>

#include "call.h"
#include "world/world.h"

namespace btserver {

constexpr const char* kRemoteInterface = "com.zel.corvane.btservice.btsdkrmt";
constexpr const char* kCallbackInterface = "com.zel.corvane.btservicecbk.btsdkcbk";

// A floating "ay" of the bytes.
inline GVariant* byteArray(const uint8_t* data, size_t size) {
    return g_variant_new_fixed_array(G_VARIANT_TYPE_BYTE, data, size, 1);
}
inline GVariant* byteArray(const Bytes& bytes) {
    return byteArray(bytes.data(), bytes.size());
}

inline Bytes bytesOf(GVariant* array) {
    gsize size = 0;
    auto* data = static_cast<const uint8_t*>(g_variant_get_fixed_array(array, &size, 1));
    return Bytes(data, data + size);
}

// The call's argument at `index`, which is a "u".
inline uint32_t wordArg(const CallPtr& call, size_t index) {
    GVariant* value = g_variant_get_child_value(call->args(), index);
    uint32_t word = g_variant_get_uint32(value);
    g_variant_unref(value);
    return word;
}

// The device that the stack knows by the handle, or null.
inline RemoteDevice* knownDevice(World& world, uint32_t handle) {
    RemoteDevice* device = world.device(handle);
    return device && device->known ? device : nullptr;
}

}  // namespace btserver
