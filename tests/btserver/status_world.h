// The world of status_fast.ini for the tests of what a connection's status shows:
// durations, traffic, signal strength, roles and local servers in use; with a temporary
// local folder of the test's own.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "transfer_world.h"

namespace bttest::status {

// Devices 1-4, their services 5-9, the local servers 10-12, then the connections of the
// tablet and the watch to the serial server, 13 and 14.
constexpr uint32_t kPhone = 1, kLaptop = 2, kTablet = 3, kWatch = 4;
constexpr uint32_t kServerSpp = 10, kServerFtp = 11, kServerOpp = 12;
constexpr uint32_t kTabletLink = 13, kWatchLink = 14;

// A connection's property record.
struct LinkRecord {
    uint32_t flags = 0, device = 0, service = 0;
    uint16_t serviceClass = 0;
    uint32_t durationMs = 0, received = 0, sent = 0;
};

class StatusWorld : public TransferWorld {
protected:
    StatusWorld() : TransferWorld("corvtest-status") {}
    void SetUp() override { service.loadScenario(CORVANE_SCENARIOS_DIR "/status_fast.ini"); }
};

// The connection's record now; the test fails when the service knows no such connection.
LinkRecord recordOf(uint32_t connection);
// (received, sent) of the device's link.
std::pair<uint32_t, uint32_t> flowOf(uint32_t device);
bool isConnected(uint32_t device);
uint32_t serverStatus(uint32_t server);
std::vector<uint32_t> incomingConnections();
// A remote-device area method with the device as its one argument: (value, result).
Answer onDevice(const char* method, uint32_t device);
Answer disconnect(uint32_t connection);

}  // namespace bttest::status
