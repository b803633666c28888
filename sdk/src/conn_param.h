// The parameter block of a connect: its size by service class, written into its first
// word, and the byte array that carries it.
#pragma once

#include <cstring>

#include "corvclient/btsdk_types.h"
#include "wire_types.h"

namespace corv {

inline BTUINT32 connectParamSize(BTUINT16 serviceClass) {
    switch (serviceClass) {
        case 0x1105:  // object push
            return 772;
        case 0x110B:  // audio sink
            return 160;
        default:
            return 8;
    }
}

// A null block travels as an empty array.
inline ByteArray connectParamBytes(void* block, BTUINT16 serviceClass) {
    if (!block) return ByteArray(nullptr, 0);
    BTUINT32 size = connectParamSize(serviceClass);
    std::memcpy(block, &size, sizeof size);
    return ByteArray(block, size);
}

}  // namespace corv
