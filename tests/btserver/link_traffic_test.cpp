// Durations and traffic of the connections of status_fast.ini and of the device links
// they ride on: a duration follows real time; file transfer and object push count the
// bytes their transfers move, each way; other connections carry their device's steady
// flow; a device's flow statistic adds up its link's connections.
#include <chrono>
#include <filesystem>

#include "status_world.h"

namespace fs = std::filesystem;

using bttest::Answer;
using bttest::callArea;
using bttest::completions;
using bttest::control;
using bttest::SignalRecorder;
using bttest::write;
using namespace bttest::status;
using Clock = std::chrono::steady_clock;

namespace {

constexpr const char* kFtp = "com.zel.corvane.btservice.btsdkftp";
constexpr const char* kOpp = "com.zel.corvane.btservice.btsdkopp";
constexpr const char* kPicture = "/Pictures/Holiday 2025/Sunset over the bay.bmp";

using LinkTraffic = StatusWorld;

int64_t msBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(to - from).count();
}

Answer transfer(const char* area, const char* method, uint32_t connection, const std::string& first,
                const std::string& second = {}) {
    GVariant* args = second.empty()
                         ? g_variant_new("(us)", connection, first.c_str())
                         : g_variant_new("(uss)", connection, first.c_str(), second.c_str());
    return callArea(area, method, args);
}

TEST_F(LinkTraffic, DurationFollowsRealTime) {
    uint32_t connection = connect(kPhone, 0x1106);
    ASSERT_NE(connection, 0u);
    Clock::time_point before = Clock::now();
    LinkRecord first = recordOf(connection);
    Clock::time_point afterFirst = Clock::now(), lastAsked{};
    LinkRecord later;
    ASSERT_TRUE(corvtest::waitFor(
        [&] {
            lastAsked = Clock::now();
            later = recordOf(connection);
            return later.durationMs >= first.durationMs + 1000;
        },
        3000));
    Clock::time_point end = Clock::now();
    // The records were read at least (lastAsked - afterFirst) and at most (end - before)
    // apart; durations are whole milliseconds.
    int64_t grown = int64_t{later.durationMs} - first.durationMs;
    EXPECT_GE(grown + 1, msBetween(afterFirst, lastAsked));
    EXPECT_LE(grown, msBetween(before, end) + 1);
    // A file-transfer connection with no transfer carries nothing.
    EXPECT_EQ(later.received, 0u);
    EXPECT_EQ(later.sent, 0u);
}

TEST_F(LinkTraffic, TransfersCountTheBytesTheyMoveEachWay) {
    uint32_t picture = static_cast<uint32_t>(
        fs::file_size(std::string(CORVANE_SCENARIOS_DIR "/files/phone") + kPicture));
    uint32_t card =
        static_cast<uint32_t>(fs::file_size(CORVANE_SCENARIOS_DIR "/files/phone-card.vcf"));
    uint32_t ftp = connect(kPhone, 0x1106), opp = connect(kPhone, 0x1105);
    ASSERT_TRUE(ftp && opp);
    SignalRecorder ftpDone(kFtp, "signal_ftp_transfer_complete");
    SignalRecorder oppDone(kOpp, "signal_opp_transfer_complete");

    // A get counts as received while it runs (three seconds at 64 KiB/s).
    ASSERT_EQ(transfer("btsdkftp", "get_file", ftp, kPicture, local + "/picture.bmp").u(0), 0u);
    LinkRecord during;
    ASSERT_TRUE(corvtest::waitFor([&] {
        during = recordOf(ftp);
        return during.received > 0;
    }));
    EXPECT_LT(during.received, picture);
    EXPECT_EQ(during.sent, 0u);
    EXPECT_EQ(completions(ftpDone), (std::vector<uint32_t>{0}));
    EXPECT_EQ(recordOf(ftp).received, picture);

    // A put counts as sent; so does a push, and a pull as received.
    write(local + "/notes.txt", std::string(5000, 'n'));
    ASSERT_EQ(transfer("btsdkftp", "put_file", ftp, local + "/notes.txt", "/").u(0), 0u);
    EXPECT_EQ(completions(ftpDone), (std::vector<uint32_t>{0}));
    LinkRecord afterPut = recordOf(ftp);
    EXPECT_EQ(afterPut.received, picture);
    EXPECT_EQ(afterPut.sent, 5000u);
    ASSERT_EQ(transfer("btsdkopp", "push_obj", opp, local + "/notes.txt").u(0), 0u);
    ASSERT_EQ(completions(oppDone), (std::vector<uint32_t>{0}));
    ASSERT_EQ(transfer("btsdkopp", "pull_obj", opp, local + "/card.vcf").u(0), 0u);
    ASSERT_EQ(completions(oppDone), (std::vector<uint32_t>{0}));
    LinkRecord pushed = recordOf(opp);
    EXPECT_EQ(pushed.received, card);
    EXPECT_EQ(pushed.sent, 5000u);

    // The device's link adds up both connections, and keeps what they carried after they
    // end; a new link starts from nothing.
    using Flow = std::pair<uint32_t, uint32_t>;
    EXPECT_EQ(flowOf(kPhone), Flow(picture + card, 10000));
    ASSERT_EQ(disconnect(ftp).u(0), 0u);
    EXPECT_TRUE(isConnected(kPhone));
    EXPECT_EQ(flowOf(kPhone), Flow(picture + card, 10000));
    ASSERT_EQ(disconnect(opp).u(0), 0u);
    EXPECT_FALSE(isConnected(kPhone));
    EXPECT_EQ(flowOf(kPhone), Flow(picture + card, 10000));
    ASSERT_NE(connect(kPhone, 0x1106), 0u);
    EXPECT_EQ(flowOf(kPhone), Flow(0, 0));
    EXPECT_EQ(onDevice("remote_device_flow_statistic", 99).u(2), 4u);
}

TEST_F(LinkTraffic, SerialAndDialUpConnectionsCarryTheirDevicesSteadyFlow) {
    uint32_t serial = connect(kPhone, 0x1101), dialUp = connect(kPhone, 0x1103);
    ASSERT_TRUE(serial && dialUp);
    LinkRecord record;
    ASSERT_TRUE(corvtest::waitFor(
        [&] {
            record = recordOf(serial);
            return record.durationMs >= 1000;
        },
        3000));
    // ReceiveRate=2000 and SendRate=500 over the duration, both taken at one instant.
    EXPECT_GE(record.received, 2 * record.durationMs);
    EXPECT_LE(record.received, 2 * record.durationMs + 2);
    EXPECT_GE(record.sent, record.durationMs / 2);
    EXPECT_LE(record.sent, record.durationMs / 2 + 1);

    // The link's statistic, read between two readings of its connections, lies between
    // their sums.
    LinkRecord serialBefore = recordOf(serial), dialUpBefore = recordOf(dialUp);
    std::pair<uint32_t, uint32_t> flow = flowOf(kPhone);
    LinkRecord serialAfter = recordOf(serial), dialUpAfter = recordOf(dialUp);
    EXPECT_GE(flow.first, serialBefore.received + dialUpBefore.received);
    EXPECT_LE(flow.first, serialAfter.received + dialUpAfter.received);
    EXPECT_GE(flow.second, serialBefore.sent + dialUpBefore.sent);
    EXPECT_LE(flow.second, serialAfter.sent + dialUpAfter.sent);
    EXPECT_GT(dialUpAfter.received, 0u);
}

TEST_F(LinkTraffic, AFileADevicePushesCountsOnItsConnectionToTheServer) {
    ASSERT_TRUE(control("ConnectToServer", g_variant_new("(su)", "laptop", kServerOpp)).ok());
    std::vector<uint32_t> incoming = incomingConnections();
    ASSERT_EQ(incoming.size(), 3u);  // after the tablet's and the watch's
    uint32_t link = incoming.back();
    ASSERT_EQ(callArea("btsdkopp", "register_opp_service",
                       g_variant_new("(sss)", (local + "/inbox").c_str(), local.c_str(), "me.vcf"))
                  .u(0),
              kServerOpp);
    write(local + "/song.mp3", std::string(3000, 's'));
    Answer pushed =
        control("DevicePushesFile", g_variant_new("(ss)", "laptop", (local + "/song.mp3").c_str()));
    ASSERT_TRUE(pushed.ok()) << pushed.message();
    LinkRecord record = recordOf(link);
    EXPECT_EQ(record.device, kLaptop);
    EXPECT_EQ(record.received, 3000u);
    EXPECT_EQ(record.sent, 0u);
}

}  // namespace
