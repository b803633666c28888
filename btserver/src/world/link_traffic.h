// The bytes that links carry, one count per direction as the local adapter sees them.
#pragma once

#include <cstdint>

namespace btserver {

struct Traffic {
    uint64_t received = 0;
    uint64_t sent = 0;

    Traffic& operator+=(const Traffic& other) {
        received += other.received;
        sent += other.sent;
        return *this;
    }
};

// What a steady flow of `perSecond` bytes each way carries in `us` microseconds.
inline Traffic steadyTraffic(const Traffic& perSecond, int64_t us) {
    uint64_t elapsed = us > 0 ? static_cast<uint64_t>(us) : 0;
    return {perSecond.received * elapsed / 1000000, perSecond.sent * elapsed / 1000000};
}

}  // namespace btserver
