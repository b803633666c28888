// Device discovery: results in the world's order, spaced by the inquiry interval, the
// class filter and the maximum, an early stop, and devices coming into range.
#include <chrono>

#include "remote_world.h"

using bttest::callArea;
using bttest::words;
using Clock = std::chrono::steady_clock;

namespace {

constexpr const char* kCallback = "com.zel.corvane.btservicecbk.btsdkcbk";

class Inquiry : public bttest::RemoteWorld {
protected:
    bttest::SignalRecorder results{kCallback, "inquiry_result_ind"};
    bttest::SignalRecorder complete{kCallback, "inquiry_complete_ind"};

    uint32_t start(uint32_t filter, uint32_t max = 0, uint32_t duration = 0) {
        return callArea("btsdkrmt", "start_device_discovery",
                        g_variant_new("(uuu)", filter, max, duration))
            .u(0);
    }
    std::vector<uint32_t> found() {
        std::vector<uint32_t> handles;
        for (const auto& args : words(results.take())) handles.push_back(args.at(0));
        return handles;
    }
};

TEST_F(Inquiry, ReportsInRangeDevicesInOrderSpacedThenCompletes) {
    EXPECT_EQ(bttest::onDevice("get_remote_device_name", bttest::kSpeaker).u(1), 4u);  // not stored
    auto begin = Clock::now();
    ASSERT_EQ(start(0), 0u);
    std::vector<long> at;
    for (size_t n = 1; n <= 4; ++n) {
        ASSERT_TRUE(results.waitForCount(n));
        at.push_back(
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - begin).count());
    }
    ASSERT_TRUE(complete.waitForCount(1));
    EXPECT_EQ(found(), (std::vector<uint32_t>{1, 2, 3, 4}));  // the watch is out of range
    EXPECT_GE(at[0], 55);                                     // InquiryInterval=60
    for (size_t i = 1; i < at.size(); ++i) EXPECT_GE(at[i] - at[i - 1], 40) << i;
    EXPECT_EQ(callArea("btsdkrmt", "is_inquiry_cancelled").u(0), 0u);
    // Found devices are stored.
    bttest::Answer name = bttest::onDevice("get_remote_device_name", bttest::kSpeaker);
    EXPECT_EQ(name.s(0), "Room Speaker");
    EXPECT_EQ(name.u(1), 0u);
}

TEST_F(Inquiry, ClassFilterAndMaximumLimitTheResults) {
    ASSERT_EQ(start(0x000500), 0u);  // peripherals: the keyboard
    ASSERT_TRUE(complete.waitForCount(1));
    EXPECT_EQ(found(), (std::vector<uint32_t>{3}));
    ASSERT_EQ(start(0x200000), 0u);  // audio service bit: the speaker
    ASSERT_TRUE(complete.waitForCount(2));
    EXPECT_EQ(found(), (std::vector<uint32_t>{4}));
    ASSERT_EQ(start(0, 2), 0u);
    ASSERT_TRUE(complete.waitForCount(3));
    EXPECT_EQ(found(), (std::vector<uint32_t>{1, 2}));
}

TEST_F(Inquiry, StopEndsItEarlyWithTheCompletion) {
    ASSERT_EQ(start(0), 0u);
    ASSERT_TRUE(results.waitForCount(1));
    EXPECT_EQ(start(0), 3u);  // one runs already
    EXPECT_EQ(callArea("btsdkrmt", "stop_device_discovery").u(0), 0u);
    ASSERT_TRUE(complete.waitForCount(1));
    EXPECT_EQ(callArea("btsdkrmt", "is_inquiry_cancelled").u(0), 1u);
    EXPECT_FALSE(results.waitForCount(2, 250));  // four intervals: nothing more comes
    EXPECT_EQ(complete.count(), 1u);
    ASSERT_EQ(start(0, 1), 0u);
    ASSERT_TRUE(complete.waitForCount(2));
    EXPECT_EQ(callArea("btsdkrmt", "is_inquiry_cancelled").u(0), 0u);
}

TEST_F(Inquiry, DevicesComingIntoRangeAreFoundAndLeavingOnesAreNot) {
    ASSERT_TRUE(bttest::control("SetInRange", g_variant_new("(sb)", "watch", TRUE)).ok());
    ASSERT_TRUE(bttest::control("SetInRange", g_variant_new("(sb)", "1", FALSE)).ok());
    ASSERT_EQ(start(0), 0u);
    ASSERT_TRUE(complete.waitForCount(1));
    EXPECT_EQ(found(), (std::vector<uint32_t>{2, 3, 4, 5}));
}

TEST_F(Inquiry, NeedsBluetoothOn) {
    ASSERT_EQ(callArea("btsdkinit", "stop_bluetooth").u(0), 0u);
    EXPECT_EQ(start(0), 1u);
}

}  // namespace
