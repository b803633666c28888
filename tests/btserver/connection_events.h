// The "connection_event_ind" signals that a recorder got: (connection, event, property
// record); event 1 a remote device connected to a local server, 2 a link dropped, 3 a
// client disconnected it.
#pragma once

#include <cstdint>
#include <vector>

#include "service_client.h"

namespace bttest {

constexpr const char* kCallbacks = "com.zel.corvane.btservicecbk.btsdkcbk";

struct ConnectionEvent {
    uint32_t connection, event;
    std::vector<uint8_t> record;
};

// The events the recorder got so far, taken from it.
std::vector<ConnectionEvent> eventsOf(SignalRecorder& recorder);

}  // namespace bttest
