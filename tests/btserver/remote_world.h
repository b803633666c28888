// The world of remote devices of devices_fast.ini for the tests of discovery, devices,
// pairing and device events: 1 phone (PIN 1234), 2 laptop (confirm 482916), 3 keyboard
// (passkey 9021), 4 speaker (no user step, not stored yet), 5 watch (out of range).
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <future>
#include <string>
#include <vector>

#include "harness.h"
#include "service_client.h"

namespace bttest {

constexpr uint32_t kPhone = 1, kLaptop = 2, kKeyboard = 3, kSpeaker = 4, kWatch = 5;

class RemoteWorld : public testing::Test {
protected:
    corvtest::StandInService& service = corvtest::StandInService::instance();
    void SetUp() override { service.loadScenario(CORVANE_SCENARIOS_DIR "/devices_fast.ini"); }
    // The tests after this one find the default world.
    void TearDown() override { service.loadScenario(CORVANE_SCENARIOS_DIR "/default.ini"); }
};

// A remote-device area method with one "u" argument, the device.
Answer onDevice(const char* method, uint32_t device, const char* area = "btsdkrmt");
// A call made on a thread of its own, for methods that answer late.
std::future<Answer> callLater(const std::string& area, const std::string& method, GVariant* args);
// The signals' arguments as words: a byte array counts as its length.
std::vector<std::vector<uint32_t>> words(std::vector<GVariant*> signals);

}  // namespace bttest
