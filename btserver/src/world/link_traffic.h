// The traffic counters of a remote device's link: while the device is connected they
// grow at a steady rate, one per direction, in bytes (wrapping at 32 bits).
#pragma once

#include <cstdint>

namespace btserver {

class LinkTraffic {
public:
    static constexpr uint64_t kReceivedPerSecond = 4000;
    static constexpr uint64_t kSentPerSecond = 1000;

    bool connected() const { return connected_; }
    // Times are monotonic microseconds.
    void setConnected(bool on, int64_t nowUs);
    uint32_t received(int64_t nowUs) const;
    uint32_t sent(int64_t nowUs) const;

private:
    uint64_t connectedUs(int64_t nowUs) const;

    bool connected_ = false;
    int64_t since_ = 0;       // when the current connection began
    uint64_t earlierUs_ = 0;  // connected time of the connections before it
};

}  // namespace btserver
