// Reading a contract call's arguments, and the byte arrays that answers and signals carry.
#pragma once

#include <gio/gio.h>

#include <algorithm>
#include <string>

#include "core/call.h"
#include "world/bluetooth_types.h"

namespace btserver {

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

// The call's argument at `index`, which is an "ay".
inline Bytes bytesArg(const CallPtr& call, size_t index) {
    GVariant* array = g_variant_get_child_value(call->args(), index);
    Bytes bytes = bytesOf(array);
    g_variant_unref(array);
    return bytes;
}

// The call's argument at `index`, an "ay" of six bytes, as an address; false for any
// other size.
inline bool addressArg(const CallPtr& call, size_t index, BdAddr& address) {
    Bytes bytes = bytesArg(call, index);
    if (bytes.size() != address.size())
        return false;
    std::copy(bytes.begin(), bytes.end(), address.begin());
    return true;
}

// The call's argument at `index`, which is a "u".
inline uint32_t wordArg(const CallPtr& call, size_t index) {
    GVariant* value = g_variant_get_child_value(call->args(), index);
    uint32_t word = g_variant_get_uint32(value);
    g_variant_unref(value);
    return word;
}

// The call's argument at `index`, which is an "s".
inline std::string textArg(const CallPtr& call, size_t index) {
    const char* text = nullptr;
    g_variant_get_child(call->args(), index, "&s", &text);
    return text;
}

}  // namespace btserver
