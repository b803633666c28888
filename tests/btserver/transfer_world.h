// The world of transfer_fast.ini for the file-transfer and object-push tests, with a
// temporary local folder of the test's own.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "harness.h"
#include "service_client.h"
#include "temporary_dir.h"

namespace bttest {

std::string contentsOf(const std::string& path);
void write(const std::string& path, const std::string& text);
// The results of the completion signals the recorder holds, once there are `count`.
std::vector<uint32_t> completions(SignalRecorder& recorder, size_t count = 1);

// One report of a file of a transfer: (first, last, name, size, the chunk's bytes).
struct Status {
    uint32_t first, last;
    std::string name;
    uint32_t size, chunk;
    bool operator==(const Status& o) const {
        return first == o.first && last == o.last && name == o.name && size == o.size &&
               chunk == o.chunk;
    }
};
std::ostream& operator<<(std::ostream& out, const Status& s);
// The status reports the recorder holds, taken from it.
std::vector<Status> statusOf(SignalRecorder& recorder);
// The byte arrays of the "(ay)" signals the recorder holds, taken from it.
std::vector<std::vector<uint8_t>> recordsOf(SignalRecorder& recorder);

class TransferWorld : public testing::Test {
protected:
    explicit TransferWorld(const char* prefix) : local(corvtest::makeTemporaryDir(prefix)) {}

    corvtest::StandInService& service = corvtest::StandInService::instance();
    std::string local;

    void SetUp() override { service.loadScenario(CORVANE_SCENARIOS_DIR "/transfer_fast.ini"); }
    void TearDown() override {
        service.loadScenario(CORVANE_SCENARIOS_DIR "/default.ini");
        std::filesystem::remove_all(local);
    }
    // A connection to the device's service of the class.
    uint32_t connect(uint32_t device, uint32_t serviceClass) {
        Answer made = callArea("btsdkconn", "connect", g_variant_new("(uu)", device, serviceClass));
        EXPECT_EQ(made.u(1), 0u);
        return made.u(0);
    }
};

}  // namespace bttest
