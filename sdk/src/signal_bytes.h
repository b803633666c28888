// The byte array of a service signal as a callback receives it. A callback is handed a
// pointer without a length and reads the record it expects, so the bytes are copied into
// a zero-filled block of at least that record's size: a short array never lets it read
// past what came.
#pragma once

#include <glib.h>

#include <algorithm>
#include <cstddef>
#include <vector>

#include "corvclient/btsdk_types.h"

namespace corv {

// The smallest block handed for an array whose record size the service defines: room for
// the largest fixed record a callback of the general events reads (a 28-byte connection
// property record, a 16-byte link key).
constexpr size_t kEventBlockMin = 32;

class SignalBytes {
public:
    SignalBytes(const GArray* array, size_t minimum)
        : bytes_(std::max<size_t>(array->len, minimum), 0) {
        std::copy(array->data, array->data + array->len, bytes_.begin());
    }
    BTUINT8* data() { return bytes_.data(); }

private:
    std::vector<BTUINT8> bytes_;
};

}  // namespace corv
