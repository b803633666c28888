// Values that the areas' handlers share: interface names, byte arrays, the device a
// call is about.
#pragma once

#include <gio/gio.h>

#include <algorithm>

#include "call.h"
#include "result_codes.h"
#include "world/world.h"

namespace btserver {

constexpr const char* kRemoteInterface = "com.zel.corvane.btservice.btsdkrmt";
constexpr const char* kCallbackInterface = "com.zel.corvane.btservicecbk.btsdkcbk";
constexpr const char* kServiceInterface = "com.zel.corvane.btservice.btsdksvc";

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

// Handles as the bus carries lists of them: 4-byte little-endian words.
inline void appendHandle(Bytes& list, uint32_t handle) {
    for (int shift = 0; shift < 32; shift += 8) list.push_back(static_cast<uint8_t>(handle >> shift));
}

// The call's argument at `index`, which is an "ay".
inline Bytes bytesArg(const CallPtr& call, size_t index) {
    GVariant* array = g_variant_get_child_value(call->args(), index);
    Bytes bytes = bytesOf(array);
    g_variant_unref(array);
    return bytes;
}

inline Enumeration* findEnumeration(std::vector<Enumeration>& all, uint32_t handle) {
    for (Enumeration& enumeration : all)
        if (enumeration.handle == handle)
            return &enumeration;
    return nullptr;
}

// Ends the enumeration: result 0, or "unknown handle" when there is none.
inline uint32_t endEnumeration(std::vector<Enumeration>& all, uint32_t handle) {
    auto found = std::find_if(all.begin(), all.end(),
                              [handle](const Enumeration& e) { return e.handle == handle; });
    if (found == all.end())
        return kResultUnknownHandle;
    all.erase(found);
    return kResultOk;
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
