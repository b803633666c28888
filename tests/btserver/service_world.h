// The world of services_fast.ini for the tests of remote services, connections and
// shortcuts, and readers of the little-endian records they exchange.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "harness.h"
#include "service_client.h"

namespace bttest {

using Bytes = std::vector<uint8_t>;

// Devices 1-3, then their services 4-10, then the local servers 11-12, then one more
// service, which cannot be reached.
constexpr uint32_t kPhone = 1, kLaptop = 2, kWatch = 3;
constexpr uint32_t kPhoneFtp = 4, kPhoneOpp = 5, kPhoneDun = 6, kPhoneSpp = 7;
constexpr uint32_t kLaptopHid = 8, kLaptopPnp = 9, kWatchSpp = 10;
constexpr uint32_t kServerFtp = 11, kServerSpp = 12;
constexpr uint32_t kLaptopNap = 13;

class ServiceWorld : public testing::Test {
protected:
    corvtest::StandInService& service = corvtest::StandInService::instance();
    void SetUp() override { service.loadScenario(CORVANE_SCENARIOS_DIR "/services_fast.ini"); }
    // The tests after this one find the default world.
    void TearDown() override { service.loadScenario(CORVANE_SCENARIOS_DIR "/default.ini"); }
};

uint16_t word16(const Bytes& record, size_t offset);
uint32_t word32(const Bytes& record, size_t offset);
// A list of handles as 4-byte words.
std::vector<uint32_t> handleList(const Bytes& words);
// The NUL-terminated text of at most `size` bytes at the offset.
std::string textAt(const Bytes& record, size_t offset, size_t size);

}  // namespace bttest
