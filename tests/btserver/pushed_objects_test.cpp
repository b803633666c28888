// Objects pushed in a slow world of the test's own: a push never replaces an object of
// the same name, a transfer ended early leaves no partial file, a card exchange answers by
// its deadline, and a device that is not trusted asks the user before it pushes.
#include <filesystem>
#include <functional>
#include <future>
#include <map>
#include <optional>
#include <set>

#include "connection_events.h"
#include "service_world.h"
#include "transfer_world.h"

namespace fs = std::filesystem;

using bttest::Answer;
using bttest::callArea;
using bttest::completions;
using bttest::contentsOf;
using bttest::control;
using bttest::SignalRecorder;
using bttest::write;

namespace {

constexpr const char* kOpp = "com.zel.corvane.btservice.btsdkopp";
constexpr const char* kFtp = "com.zel.corvane.btservice.btsdkftp";
constexpr uint32_t kPhone = 1, kServerOpp = 5;  // the laptop 2, the phone's services 3 and 4
constexpr size_t kCardBytes = 256 * 1024;       // 16 s at the world's rate

using Folder = std::map<std::string, std::string>;  // name → contents

Folder folderOf(const std::string& path) {
    Folder files;
    for (const fs::directory_entry& entry : fs::directory_iterator(path))
        files[entry.path().filename().string()] = contentsOf(entry.path().string());
    return files;
}

Answer onPath(const char* method, uint32_t connection, const std::string& path) {
    return callArea("btsdkopp", method, g_variant_new("(us)", connection, path.c_str()));
}

// The names that a file's three reports (start, its one chunk, end) carry.
std::set<std::string> namesReported(SignalRecorder& status) {
    EXPECT_TRUE(status.waitForCount(3));
    std::set<std::string> names;
    for (const bttest::Status& report : bttest::statusOf(status)) names.insert(report.name);
    return names;
}

std::future<Answer> pushLater(const char* device, const std::string& file) {
    return std::async(std::launch::async, [device, file] {
        return control("DevicePushesFile", g_variant_new("(ss)", device, file.c_str()));
    });
}

class PushedObjects : public bttest::TransferWorld {
protected:
    PushedObjects() : TransferWorld("corvtest-pushed") {}

    std::string inbox, deviceInbox;

    void SetUp() override {
        write(local + "/card.vcf", std::string(kCardBytes, 'c'));
        write(local + "/world.ini",
              "[Timing]\nConnect=20\nTransferRate=16384\nTransferChunk=1024\n"
              "ExchangeTimeout=500\nAuthorizationTimeout=1500\n"
              "[Device phone]\nName=Nova Phone\n"
              "[Device laptop]\nName=Work Laptop\nTrusted=true\n"
              "[Service phone/opp]\nClass=0x1105\nCard=card.vcf\n"
              "[Service phone/ftp]\nClass=0x1106\n"
              "[Server opp]\nClass=0x1105\nStatus=1\n");
        service.loadScenario(local + "/world.ini");
        inbox = local + "/inbox";
        deviceInbox = service.stateDir() + "/devices/phone/inbox";
        ASSERT_EQ(callArea("btsdkopp", "register_opp_service",
                           g_variant_new("(sss)", inbox.c_str(), local.c_str(), "me.vcf"))
                      .u(0),
                  kServerOpp);
    }
    // A file of the test's folder, made with the contents.
    std::string file(const std::string& name, const std::string& contents) {
        fs::create_directories(local + "/out");
        write(local + "/out/" + name, contents);
        return local + "/out/" + name;
    }
};

TEST_F(PushedObjects, APushedObjectNeverReplacesOneOfTheSameName) {
    struct Case {
        const char* name;
        std::vector<std::string> stored;  // by the first, second ... push of the name
    };
    const Case cases[] = {{"photo.jpg", {"photo.jpg", "photo (1).jpg", "photo (2).jpg"}},
                          {"notes", {"notes", "notes (1)"}}};
    uint32_t connection = connect(kPhone, 0x1105);
    SignalRecorder status(kOpp, "signal_opp_file_transfer_status");
    SignalRecorder complete(kOpp, "signal_opp_transfer_complete");
    SignalRecorder received(kOpp, "signal_opp_deal_receive_file");
    for (const Case& c : cases) {
        for (size_t i = 0; i < c.stored.size(); ++i) {
            SCOPED_TRACE(c.stored[i]);
            std::string source = file(c.name, "v" + std::to_string(i));
            // Into the device's inbox by push_obj; into the local one by the trusted laptop.
            ASSERT_EQ(onPath("push_obj", connection, source).u(0), 0u);
            EXPECT_EQ(completions(complete), std::vector<uint32_t>{0});
            EXPECT_EQ(namesReported(status), std::set<std::string>{c.stored[i]});
            Answer pushed =
                control("DevicePushesFile", g_variant_new("(ss)", "laptop", source.c_str()));
            ASSERT_TRUE(pushed.ok()) << pushed.message();
            EXPECT_EQ(namesReported(status), std::set<std::string>{c.stored[i]});
            ASSERT_TRUE(received.waitForCount(1));
            EXPECT_EQ(bttest::textAt(bttest::recordsOf(received).at(0), 12, 260), c.stored[i]);
        }
        for (size_t i = 0; i < c.stored.size(); ++i) {
            EXPECT_EQ(contentsOf(deviceInbox + "/" + c.stored[i]), "v" + std::to_string(i));
            EXPECT_EQ(contentsOf(inbox + "/" + c.stored[i]), "v" + std::to_string(i));
        }
    }
}

TEST_F(PushedObjects, ATransferEndedEarlyLeavesNoPartialFile) {
    std::string big = file("big.bin", std::string(kCardBytes, 'b'));
    std::string tree = service.stateDir() + "/devices/phone/files";
    uint32_t push = connect(kPhone, 0x1105), browse = connect(kPhone, 0x1106);
    auto put = [&](const std::string& source) {
        return callArea("btsdkftp", "put_file",
                        g_variant_new("(uss)", browse, source.c_str(), "/big.bin"))
            .u(0);
    };
    SignalRecorder oppDone(kOpp, "signal_opp_transfer_complete");
    SignalRecorder ftpDone(kFtp, "signal_ftp_transfer_complete");
    ASSERT_EQ(put(file("old.bin", "the old one")), 0u);
    ASSERT_EQ(completions(ftpDone), std::vector<uint32_t>{0});

    struct Case {
        const char* what;
        std::string folder;
        bool put;
        std::function<void()> start, end;
    };
    const Case cases[] = {
        {"push_obj cancelled", deviceInbox, false,
         [&] { ASSERT_EQ(onPath("push_obj", push, big).u(0), 0u); },
         [&] {
             ASSERT_EQ(callArea("btsdkopp", "cancel_transfer", g_variant_new("(u)", push)).u(0),
                       0u);
             EXPECT_EQ(completions(oppDone), std::vector<uint32_t>{8});
         }},
        {"put_file over a file, cancelled", tree, true, [&] { ASSERT_EQ(put(big), 0u); },
         [&] {
             ASSERT_EQ(callArea("btsdkftp", "cancel_transfer", g_variant_new("(u)", browse)).u(0),
                       0u);
             EXPECT_EQ(completions(ftpDone), std::vector<uint32_t>{8});
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Folder before = folderOf(c.folder);
        SignalRecorder status(c.put ? kFtp : kOpp, c.put ? "signal_ftp_file_transfer_status"
                                                         : "signal_opp_file_transfer_status");
        c.start();
        ASSERT_TRUE(status.waitForCount(2));  // under way: a chunk has moved
        c.end();
        EXPECT_EQ(folderOf(c.folder), before);
    }
}

TEST_F(PushedObjects, AnExchangePastItsDeadlineAnswersTimedOutForWhatDidNotFinish) {
    struct Case {
        size_t pushBytes;
        uint32_t pushed, pulled;
    };
    const Case cases[] = {{100, 0, 7}, {kCardBytes, 7, 7}};
    uint32_t connection = connect(kPhone, 0x1105);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pushBytes);
        std::string mine = file("me.vcf", std::string(c.pushBytes, 'm'));
        fs::remove(deviceInbox + "/me.vcf");
        // Without the deadline the card alone would take longer than the call waits.
        Answer exchanged = callArea(
            "btsdkopp", "exchange_obj",
            g_variant_new("(uss)", connection, mine.c_str(), (local + "/theirs.vcf").c_str()));
        ASSERT_TRUE(exchanged.ok()) << exchanged.message();
        EXPECT_EQ(exchanged.u(0), c.pushed);
        EXPECT_EQ(exchanged.u(1), c.pulled);
        EXPECT_EQ(exchanged.u(2), 7u);
        Folder stored = c.pushed == 0 ? Folder{{"me.vcf", contentsOf(mine)}} : Folder{};
        EXPECT_EQ(folderOf(deviceInbox), stored);
        EXPECT_FALSE(fs::exists(local + "/theirs.vcf"));
    }
}

TEST_F(PushedObjects, AnUntrustedDevicesPushWaitsForTheUsersAnswer) {
    struct Case {
        const char* what;
        const char* device;
        bool trustFirst, asked;
        std::optional<uint32_t> answer;  // none: let the request time out
        bool stored;
    };
    const Case cases[] = {
        {"allowed", "phone", false, true, 1u, true},
        {"refused", "phone", false, true, 2u, false},
        {"unanswered", "phone", false, true, std::nullopt, false},
        {"trusted in the world", "laptop", false, false, std::nullopt, true},
        {"made trusted", "phone", true, false, std::nullopt, true},
    };
    std::string song = file("song.mp3", "la la");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(inbox);
        if (c.trustFirst) {
            ASSERT_EQ(
                callArea("btsdksec", "set_trusted_device", g_variant_new("(uub)", 0u, kPhone, TRUE))
                    .u(0),
                0u);
        }
        SignalRecorder asks(bttest::kCallbacks, "authorization_request_ind");
        SignalRecorder received(kOpp, "signal_opp_deal_receive_file");
        std::future<Answer> pushing = pushLater(c.device, song);
        if (c.asked) {
            ASSERT_TRUE(asks.waitForCount(1));
            GVariant* request = asks.take().at(0);
            uint32_t server = 0, device = 0;
            g_variant_get(request, "(uu)", &server, &device);
            g_variant_unref(request);
            EXPECT_EQ(server, kServerOpp);
            EXPECT_EQ(device, kPhone);
            EXPECT_FALSE(fs::exists(inbox + "/song.mp3"));  // nothing moves before the answer
        }
        if (c.answer) {
            ASSERT_EQ(callArea("btsdksec", "authorization_response",
                               g_variant_new("(uuu)", kServerOpp, kPhone, *c.answer))
                          .u(0),
                      0u);
        }
        Answer done = pushing.get();
        EXPECT_EQ(done.ok(), c.stored) << done.message();
        if (!c.stored) {
            EXPECT_NE(done.message().find("refused"), std::string::npos) << done.message();
        }
        EXPECT_EQ(fs::exists(inbox + "/song.mp3"), c.stored);
        // The received-object signal comes before the answer, so by now it was sent.
        if (c.stored) {
            EXPECT_TRUE(received.waitForCount(1));
        } else {
            EXPECT_EQ(received.count(), 0u);
        }
        EXPECT_EQ(asks.count(), 0u);  // asked once at most
    }
}

}  // namespace
