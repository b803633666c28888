// Files that remote devices of status_fast.ini put on the local FTP server or push to the
// object-push server travel over an incoming connection: one made for the file when the
// device has none, which keeps the server in use while the file moves and ends after it;
// one that was there before, which stays. A missing or stopped server, or a device out of
// range, refuses the file, and a reset under way leaves the new world's connections alone.
#include <algorithm>
#include <filesystem>
#include <future>

#include "connection_events.h"
#include "service_world.h"
#include "status_world.h"

namespace fs = std::filesystem;

using bttest::Answer;
using bttest::callArea;
using bttest::ConnectionEvent;
using bttest::contentsOf;
using bttest::control;
using bttest::eventsOf;
using bttest::kCallbacks;
using bttest::SignalRecorder;
using bttest::word16;
using bttest::word32;
using bttest::write;
using namespace bttest::status;

namespace {

constexpr const char* kFtp = "com.zel.corvane.btservice.btsdkftp";
constexpr const char* kOpp = "com.zel.corvane.btservice.btsdkopp";
// A second at the scenario's 64 KiB/s, in chunks of 4 KiB.
constexpr size_t kSecondOfFile = 65536;

class DeviceSends : public StatusWorld {
protected:
    std::string shared;

    void SetUp() override {
        StatusWorld::SetUp();
        shared = local + "/shared";
        fs::create_directory(shared);
        share();
    }
    // Registers the shared folder as the one remote devices put files into.
    void share() {
        ASSERT_EQ(
            callArea("btsdkftp", "register_ftp_service", g_variant_new("(us)", 1u, shared.c_str()))
                .u(0),
            0u);
    }
    // A file of the size, made in the local folder.
    std::string source(const std::string& name, size_t size) {
        std::string path = local + "/" + name;
        write(path, std::string(size, name[0]));
        return path;
    }
    static Answer put(const char* device, const std::string& path) {
        return control("DevicePutsFile", g_variant_new("(sss)", device, path.c_str(), ""));
    }
    // The put answers once the file is there; the test goes on meanwhile.
    static std::future<Answer> putLater(const char* device, const std::string& path) {
        return std::async(std::launch::async, [device, path] { return put(device, path); });
    }
};

Answer onServer(const char* method, uint32_t server) {
    return callArea("btsdksvc", method, g_variant_new("(u)", server));
}

TEST_F(DeviceSends, APutWithNoConnectionComesOverOneMadeForItThatEndsAfterIt) {
    std::string file = source("big.txt", kSecondOfFile);
    SignalRecorder events(kCallbacks, "connection_event_ind");
    SignalRecorder status(kFtp, "signal_ftp_file_transfer_status");
    EXPECT_EQ(serverStatus(kServerFtp), 1u);
    EXPECT_FALSE(isConnected(kPhone));

    std::future<Answer> putting = putLater("phone", file);
    ASSERT_TRUE(status.waitForCount(2));  // under way
    ASSERT_TRUE(events.waitForCount(1));
    std::vector<ConnectionEvent> up = eventsOf(events);
    ASSERT_EQ(up.size(), 1u);
    uint32_t made = up[0].connection;
    EXPECT_EQ(up[0].event, 1u);
    EXPECT_EQ(word32(up[0].record, 0), 1u);  // incoming
    EXPECT_EQ(word32(up[0].record, 4), kPhone);
    EXPECT_EQ(word32(up[0].record, 8), kServerFtp);
    EXPECT_EQ(word16(up[0].record, 12), 0x1106);
    // While the file moves the server is in use, and the phone's link is up.
    EXPECT_EQ(serverStatus(kServerFtp), 3u);
    EXPECT_EQ(incomingConnections(), (std::vector<uint32_t>{kTabletLink, kWatchLink, made}));
    EXPECT_TRUE(isConnected(kPhone));

    Answer done = putting.get();
    ASSERT_TRUE(done.ok()) << done.message();
    EXPECT_EQ(contentsOf(shared + "/big.txt"), contentsOf(file));
    // The put answers once its connection has ended.
    EXPECT_EQ(serverStatus(kServerFtp), 1u);
    EXPECT_EQ(incomingConnections(), (std::vector<uint32_t>{kTabletLink, kWatchLink}));
    EXPECT_FALSE(isConnected(kPhone));
    ASSERT_TRUE(events.waitForCount(1));
    std::vector<ConnectionEvent> down = eventsOf(events);
    ASSERT_EQ(down.size(), 1u);
    EXPECT_EQ(down[0].connection, made);
    EXPECT_EQ(down[0].event, 2u);
    EXPECT_EQ(word32(down[0].record, 20), kSecondOfFile);  // received on it
    EXPECT_EQ(word32(down[0].record, 24), 0u);
}

TEST_F(DeviceSends, AConnectionThatWasThereCarriesThePutAndStays) {
    std::string file = source("report.txt", 5000);
    ASSERT_TRUE(control("ConnectToServer", g_variant_new("(su)", "phone", kServerFtp)).ok());
    std::vector<uint32_t> before = incomingConnections();
    ASSERT_EQ(before.size(), 3u);
    uint32_t link = before.back();
    SignalRecorder events(kCallbacks, "connection_event_ind");

    Answer done = put("phone", file);
    ASSERT_TRUE(done.ok()) << done.message();
    EXPECT_EQ(contentsOf(shared + "/report.txt"), contentsOf(file));
    EXPECT_EQ(incomingConnections(), before);
    EXPECT_EQ(serverStatus(kServerFtp), 3u);
    EXPECT_EQ(recordOf(link).received, 5000u);
    // The drop is the first event since the put: it made and ended none.
    ASSERT_TRUE(control("DropConnection", g_variant_new("(u)", link)).ok());
    ASSERT_TRUE(events.waitForCount(1));
    std::vector<ConnectionEvent> seen = eventsOf(events);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].connection, link);
    EXPECT_EQ(seen[0].event, 2u);
    EXPECT_EQ(serverStatus(kServerFtp), 1u);
}

TEST_F(DeviceSends, TwoFilesAtOnceShareTheConnectionMadeForTheFirst) {
    std::string big = source("big.txt", 2 * kSecondOfFile), small = source("small.txt", 100);
    SignalRecorder events(kCallbacks, "connection_event_ind");
    std::future<Answer> putting = putLater("phone", big);
    ASSERT_TRUE(events.waitForCount(1));
    uint32_t made = eventsOf(events).at(0).connection;

    Answer second = put("phone", small);
    ASSERT_TRUE(second.ok()) << second.message();
    EXPECT_EQ(contentsOf(shared + "/small.txt"), contentsOf(small));
    // The first file still moves on the connection, which stays for it.
    EXPECT_EQ(incomingConnections(), (std::vector<uint32_t>{kTabletLink, kWatchLink, made}));
    EXPECT_EQ(serverStatus(kServerFtp), 3u);

    Answer first = putting.get();
    ASSERT_TRUE(first.ok()) << first.message();
    EXPECT_EQ(serverStatus(kServerFtp), 1u);
    ASSERT_TRUE(events.waitForCount(1));
    std::vector<ConnectionEvent> down = eventsOf(events);
    ASSERT_EQ(down.size(), 1u);  // no second connection came up before it
    EXPECT_EQ(down[0].connection, made);
    EXPECT_EQ(down[0].event, 2u);
    EXPECT_EQ(word32(down[0].record, 20), 2 * kSecondOfFile + 100);
}

TEST_F(DeviceSends, AFileNeedsARunningServerAndTheDeviceInRange) {
    std::string file = source("note.txt", 10);
    SignalRecorder events(kCallbacks, "connection_event_ind");
    ASSERT_EQ(onServer("stop_server", kServerFtp).u(0), 0u);
    Answer stopped = put("phone", file);
    EXPECT_FALSE(stopped.ok());
    EXPECT_NE(stopped.message().find("stopped"), std::string::npos) << stopped.message();
    ASSERT_EQ(onServer("start_server", kServerFtp).u(0), 0u);

    ASSERT_TRUE(control("SetInRange", g_variant_new("(sb)", "phone", FALSE)).ok());
    Answer away = put("phone", file);
    EXPECT_FALSE(away.ok());
    EXPECT_NE(away.message().find("out of range"), std::string::npos) << away.message();
    EXPECT_FALSE(fs::exists(shared + "/note.txt"));
    EXPECT_EQ(serverStatus(kServerFtp), 1u);

    ASSERT_TRUE(control("SetInRange", g_variant_new("(sb)", "phone", TRUE)).ok());
    ASSERT_TRUE(put("phone", file).ok());
    EXPECT_EQ(contentsOf(shared + "/note.txt"), contentsOf(file));
    // The refused files made no connection: the first events are this put's.
    ASSERT_TRUE(events.waitForCount(2));
    std::vector<ConnectionEvent> seen = eventsOf(events);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].event, 1u);
    EXPECT_EQ(seen[1].event, 2u);
    EXPECT_EQ(seen[1].connection, seen[0].connection);

    // A world with no FTP server takes no file.
    write(local + "/serverless.ini", "[Device phone]\n");
    service.loadScenario(local + "/serverless.ini");
    share();
    Answer none = put("phone", file);
    EXPECT_FALSE(none.ok());
    EXPECT_NE(none.message().find("no local server"), std::string::npos) << none.message();
    EXPECT_TRUE(incomingConnections().empty());
}

TEST_F(DeviceSends, APushComesOverAConnectionMadeToTheObjectPushServer) {
    ASSERT_EQ(callArea("btsdkopp", "register_opp_service",
                       g_variant_new("(sss)", (local + "/inbox").c_str(), local.c_str(), "me.vcf"))
                  .u(0),
              kServerOpp);
    std::string file = source("song.mp3", kSecondOfFile);
    SignalRecorder events(kCallbacks, "connection_event_ind");
    SignalRecorder status(kOpp, "signal_opp_file_transfer_status");
    std::future<Answer> pushing = std::async(std::launch::async, [&file] {
        return control("DevicePushesFile", g_variant_new("(ss)", "laptop", file.c_str()));
    });
    ASSERT_TRUE(status.waitForCount(2));
    ASSERT_TRUE(events.waitForCount(1));
    std::vector<ConnectionEvent> up = eventsOf(events);
    ASSERT_EQ(up.size(), 1u);
    EXPECT_EQ(word32(up[0].record, 4), kLaptop);
    EXPECT_EQ(word32(up[0].record, 8), kServerOpp);
    EXPECT_EQ(word16(up[0].record, 12), 0x1105);
    EXPECT_EQ(serverStatus(kServerOpp), 3u);

    Answer done = pushing.get();
    ASSERT_TRUE(done.ok()) << done.message();
    EXPECT_EQ(contentsOf(local + "/inbox/song.mp3"), contentsOf(file));
    EXPECT_EQ(serverStatus(kServerOpp), 1u);
    ASSERT_TRUE(events.waitForCount(1));
    std::vector<ConnectionEvent> down = eventsOf(events);
    ASSERT_EQ(down.size(), 1u);
    EXPECT_EQ(down[0].connection, up[0].connection);
    EXPECT_EQ(down[0].event, 2u);
}

TEST_F(DeviceSends, AResetUnderAPutFailsItAndLeavesTheNewWorldsConnections) {
    std::string file = source("big.txt", 2 * kSecondOfFile);
    SignalRecorder events(kCallbacks, "connection_event_ind");
    std::future<Answer> putting = putLater("phone", file);
    ASSERT_TRUE(events.waitForCount(1));
    uint32_t made = eventsOf(events).at(0).connection;

    // A world of `count` devices connected to its serial server from the start: devices
    // 1 to count, the server count + 1, their connections count + 2 to 2 * count + 1,
    // among them one with the number of the connection made for the put.
    uint32_t count = made / 2;
    std::string ids, scenario = "[Timing]\nConnect=20\n";
    for (uint32_t i = 1; i <= count; ++i) {
        scenario += "[Device d" + std::to_string(i) + "]\n";
        ids += (i > 1 ? ",d" : "d") + std::to_string(i);
    }
    scenario += "[Server spp]\nClass=0x1101\nStatus=1\nConnected=" + ids + "\n";
    write(local + "/next.ini", scenario);
    service.loadScenario(local + "/next.ini");

    Answer failed = putting.get();
    EXPECT_FALSE(failed.ok());
    std::vector<uint32_t> incoming = incomingConnections();
    EXPECT_EQ(incoming.size(), count);
    EXPECT_NE(std::find(incoming.begin(), incoming.end(), made), incoming.end());
    EXPECT_EQ(recordOf(made).service, count + 1);
    EXPECT_EQ(serverStatus(count + 1), 3u);
}

}  // namespace
