// Copies a handle list reply into a caller's array, bounded by the array's size and by
// what the reply carries.
#pragma once

#include <algorithm>
#include <cstring>

#include "corvclient/btsdk_types.h"
#include "wire_types.h"

namespace corv {

inline BTUINT32 copyHandles(const OutBytes& reply, BTUINT32 count, BTUINT32* handles,
                            BTUINT32 max) {
    size_t copied = std::min<size_t>({count, max, reply.size() / sizeof(BTUINT32)});
    if (copied && handles) std::memcpy(handles, reply.data(), copied * sizeof(BTUINT32));
    return static_cast<BTUINT32>(copied);
}

}  // namespace corv
