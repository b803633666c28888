#include "world/link_traffic.h"

namespace btserver {

void LinkTraffic::setConnected(bool on, int64_t nowUs) {
    if (on == connected_)
        return;
    if (connected_)
        earlierUs_ = connectedUs(nowUs);
    connected_ = on;
    since_ = nowUs;
}

uint64_t LinkTraffic::connectedUs(int64_t nowUs) const {
    return earlierUs_ + (connected_ ? static_cast<uint64_t>(nowUs - since_) : 0);
}

uint32_t LinkTraffic::received(int64_t nowUs) const {
    return static_cast<uint32_t>(connectedUs(nowUs) * kReceivedPerSecond / 1000000);
}

uint32_t LinkTraffic::sent(int64_t nowUs) const {
    return static_cast<uint32_t>(connectedUs(nowUs) * kSentPerSecond / 1000000);
}

}  // namespace btserver
