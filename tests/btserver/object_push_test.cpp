// Object push in transfer_fast.ini: pushing into a device's inbox, pulling its business
// card (the scenario's or one made from its name), exchanging cards, refusals, and files
// that a device pushes into the local inbox.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "transfer_world.h"
#include "service_world.h"
#include "temporary_dir.h"

namespace fs = std::filesystem;

using bttest::Answer;
using bttest::Bytes;
using bttest::callArea;
using bttest::completions;
using bttest::contentsOf;
using bttest::write;
using bttest::control;
using bttest::SignalRecorder;
using bttest::Status;
using bttest::statusOf;
using bttest::word32;

namespace {

constexpr const char* kOpp = "com.zel.corvane.btservice.btsdkopp";
constexpr uint32_t kPhone = 1, kLaptop = 2;
constexpr uint32_t kServerOpp = 8;  // after the devices' services 3-6 and the ftp server

Answer opp(const char* method, GVariant* args) { return callArea("btsdkopp", method, args); }

Answer onPath(const char* method, uint32_t connection, const std::string& path) {
    return opp(method, g_variant_new("(us)", connection, path.c_str()));
}

class ObjectPush : public bttest::TransferWorld {
protected:
    ObjectPush() : TransferWorld("corvtest-opp") {}

    uint32_t connect(uint32_t device, uint32_t serviceClass = 0x1105) {
        return TransferWorld::connect(device, serviceClass);
    }
    std::string deviceFolder(const std::string& device) {
        return service.stateDir() + "/devices/" + device;
    }
};

TEST_F(ObjectPush, APushLandsInTheDevicesInboxWithProgress) {
    uint32_t connection = connect(kPhone);
    std::string photo = local + "/photo 1.jpg";
    write(photo, std::string(70000, 'p'));  // two chunks of 65536
    SignalRecorder status(kOpp, "signal_opp_file_transfer_status");
    SignalRecorder complete(kOpp, "signal_opp_transfer_complete");
    ASSERT_EQ(onPath("push_obj", connection, photo).u(0), 0u);
    EXPECT_EQ(completions(complete), (std::vector<uint32_t>{0}));
    EXPECT_EQ(contentsOf(deviceFolder("phone") + "/inbox/photo 1.jpg"), std::string(70000, 'p'));
    ASSERT_TRUE(status.waitForCount(4));
    EXPECT_EQ(statusOf(status), (std::vector<Status>{{0x101, 0, "photo 1.jpg", 70000, 0},
                                                     {0, 0, "photo 1.jpg", 70000, 65536},
                                                     {0, 0, "photo 1.jpg", 70000, 70000 - 65536},
                                                     {0, 0x101, "photo 1.jpg", 70000, 0}}));
}

TEST_F(ObjectPush, APullGivesTheScenarioCardOrOneMadeFromTheName) {
    SignalRecorder complete(kOpp, "signal_opp_transfer_complete");
    ASSERT_EQ(onPath("pull_obj", connect(kPhone), local + "/nova.vcf").u(0), 0u);
    EXPECT_EQ(completions(complete), (std::vector<uint32_t>{0}));
    EXPECT_EQ(contentsOf(local + "/nova.vcf"), contentsOf(CORVANE_SCENARIOS_DIR "/files/phone-card.vcf"));

    // Into a folder, under the card's own name.
    ASSERT_EQ(onPath("pull_obj", connect(kLaptop), local).u(0), 0u);
    EXPECT_EQ(completions(complete), (std::vector<uint32_t>{0}));
    EXPECT_EQ(contentsOf(local + "/laptop.vcf"),
              "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Work Laptop\r\nN:Work Laptop;;;;\r\nEND:VCARD\r\n");
}

TEST_F(ObjectPush, AnExchangePushesOneCardAndPullsTheOther) {
    uint32_t connection = connect(kPhone);
    write(local + "/me.vcf", "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Me\r\nEND:VCARD\r\n");
    Answer exchanged = opp("exchange_obj", g_variant_new("(uss)", connection, (local + "/me.vcf").c_str(),
                                                         (local + "/theirs.vcf").c_str()));
    EXPECT_EQ(exchanged.u(0), 0u);
    EXPECT_EQ(exchanged.u(1), 0u);
    EXPECT_EQ(exchanged.u(2), 0u);
    EXPECT_EQ(contentsOf(deviceFolder("phone") + "/inbox/me.vcf"), contentsOf(local + "/me.vcf"));
    EXPECT_EQ(contentsOf(local + "/theirs.vcf"), contentsOf(CORVANE_SCENARIOS_DIR "/files/phone-card.vcf"));

    // A pull that cannot write fails alone: the push before it was done.
    Answer half = opp("exchange_obj", g_variant_new("(uss)", connection, (local + "/me.vcf").c_str(),
                                                    (local + "/no/such/folder.vcf").c_str()));
    EXPECT_EQ(half.u(0), 0u);
    EXPECT_EQ(half.u(1), 1u);
    EXPECT_EQ(half.u(2), 1u);
}

TEST_F(ObjectPush, RefusalsCompleteAtOnceWithTheirResult) {
    uint32_t connection = connect(kPhone);
    std::string photo = local + "/photo.jpg";
    write(photo, "jpeg");
    SignalRecorder complete(kOpp, "signal_opp_transfer_complete");
    EXPECT_EQ(onPath("push_obj", connection, "relative.txt").u(0), 2u);
    EXPECT_EQ(onPath("push_obj", connection, local + "/missing.txt").u(0), 1u);
    EXPECT_EQ(onPath("pull_obj", connection, "card.vcf").u(0), 2u);
    EXPECT_EQ(completions(complete, 3), (std::vector<uint32_t>{2, 1, 2}));
    EXPECT_EQ(opp("cancel_transfer", g_variant_new("(u)", connection)).u(0), 1u);  // none runs
    EXPECT_EQ(opp("cancel_transfer", g_variant_new("(u)", 999u)).u(0), 4u);

    // No such connection: unknown, not object push, or one that has just dropped.
    EXPECT_EQ(onPath("push_obj", 999, photo).u(0), 4u);
    EXPECT_EQ(onPath("pull_obj", connect(kPhone, 0x1106), local).u(0), 4u);
    ASSERT_TRUE(control("DropConnection", g_variant_new("(u)", connection)).ok());
    EXPECT_EQ(onPath("push_obj", connection, photo).u(0), 4u);
    EXPECT_EQ(onPath("pull_obj", connection, local).u(0), 4u);
    EXPECT_EQ(completions(complete, 4), (std::vector<uint32_t>{4, 4, 4, 4}));
    EXPECT_FALSE(fs::exists(deviceFolder("phone") + "/inbox/photo.jpg"));
}

TEST_F(ObjectPush, TheLocalInboxReceivesWhatADevicePushes) {
    std::string source = local + "/song.mp3", inbox = local + "/inbox/new";
    write(source, std::string(3000, 's'));
    auto push = [&] {
        return control("DevicePushesFile", g_variant_new("(ss)", "laptop", source.c_str()));
    };
    EXPECT_FALSE(push().ok());  // no inbox registered
    EXPECT_EQ(opp("register_opp_service", g_variant_new("(sss)", "", "", "")).u(0), 0u);
    ASSERT_EQ(opp("register_opp_service",
                  g_variant_new("(sss)", inbox.c_str(), local.c_str(), "me.vcf")).u(0),
              kServerOpp);
    SignalRecorder received(kOpp, "signal_opp_deal_receive_file");
    Answer done = push();
    ASSERT_TRUE(done.ok()) << done.message();
    EXPECT_EQ(contentsOf(inbox + "/song.mp3"), std::string(3000, 's'));  // the inbox is made
    ASSERT_TRUE(received.waitForCount(1));
    std::vector<GVariant*> signals = received.take();
    GVariant* array = g_variant_get_child_value(signals.at(0), 0);
    gsize size = 0;
    auto* data = static_cast<const uint8_t*>(g_variant_get_fixed_array(array, &size, 1));
    Bytes record(data, data + size);
    g_variant_unref(array);
    g_variant_unref(signals[0]);
    EXPECT_EQ(word32(record, 0), 3000u);
    EXPECT_EQ(word32(record, 4), kLaptop);
    EXPECT_EQ(word32(record, 8), 0x06A00203u);
    EXPECT_EQ(bttest::textAt(record, 12, 260), "song.mp3");

    EXPECT_FALSE(control("DevicePushesFile", g_variant_new("(ss)", "laptop", "/no/such/file")).ok());
    EXPECT_EQ(opp("unregister_opp_service", nullptr).u(0), 0u);
    EXPECT_FALSE(push().ok());
}

}  // namespace
