// Two clients of the service at once, each on a connection of its own: the entries of a
// listing and the reports and completion of a transfer go to the client that asked alone,
// while a file that a device sends is announced to both.
#include "service_world.h"
#include "transfer_world.h"

using bttest::callAreaOn;
using bttest::completions;
using bttest::recordsOf;
using bttest::SignalRecorder;
using bttest::Status;
using bttest::statusOf;

namespace {

constexpr const char* kFtp = "com.zel.corvane.btservice.btsdkftp";
constexpr const char* kOpp = "com.zel.corvane.btservice.btsdkopp";
constexpr uint32_t kPhone = 1, kLaptop = 2;  // transfer_fast.ini

// A client's connection and the file-transfer and object-push signals that reach it.
struct Client {
    explicit Client(GDBusConnection* connection)
        : bus(connection),
          entries(kFtp, "signal_ftp_show_browse_file", {}, bus),
          ftpStatus(kFtp, "signal_ftp_file_transfer_status", {}, bus),
          ftpComplete(kFtp, "signal_ftp_transfer_complete", {}, bus),
          ftpReceived(kFtp, "signal_ftp_deal_receive_file", {}, bus),
          oppStatus(kOpp, "signal_opp_file_transfer_status", {}, bus),
          oppComplete(kOpp, "signal_opp_transfer_complete", {}, bus) {}

    GDBusConnection* bus;
    SignalRecorder entries, ftpStatus, ftpComplete, ftpReceived, oppStatus, oppComplete;

    bttest::Answer ask(const char* area, const char* method, GVariant* args) {
        return callAreaOn(bus, area, method, args);
    }
    uint32_t connect(uint32_t device, uint32_t serviceClass) {
        bttest::Answer made =
            ask("btsdkconn", "connect", g_variant_new("(uu)", device, serviceClass));
        EXPECT_EQ(made.u(1), 0u);
        return made.u(0);
    }
    // The names of the entries that reached the client.
    std::vector<std::string> names() {
        std::vector<std::string> found;
        for (const bttest::Bytes& entry : recordsOf(entries))
            found.push_back(bttest::textAt(entry, 4, 296));
        return found;
    }
};

// Every report names the file.
bool allNamed(const std::vector<Status>& reports, const std::string& name) {
    for (const Status& report : reports)
        if (report.name != name)
            return false;
    return !reports.empty();
}

class ClientSignals : public bttest::TransferWorld {
protected:
    ClientSignals() : TransferWorld("corvtest-clients") {}

    GDBusConnection* other = bttest::newClient();
    Client first{service.bus()}, second{other};

    ~ClientSignals() override { g_object_unref(other); }
};

TEST_F(ClientSignals, EachClientGetsTheEntriesOfItsOwnListingOnly) {
    uint32_t phone = first.connect(kPhone, 0x1106);
    uint32_t laptop = second.connect(kLaptop, 0x1106);
    EXPECT_EQ(
        first.ask("btsdkftp", "browse_folder", g_variant_new("(usu)", phone, "/Documents", 0u))
            .u(0),
        0u);
    EXPECT_EQ(second.ask("btsdkftp", "browse_folder", g_variant_new("(usu)", laptop, "/", 0u)).u(0),
              0u);
    // Each listing's entries come before its answer; the other's would have come by now.
    EXPECT_EQ(first.entries.settledCount(), 2u);
    EXPECT_EQ(second.entries.settledCount(), 3u);
    EXPECT_EQ(first.names(), (std::vector<std::string>{"Projects", "Résumé 2026.v2.final.pdf"}));
    EXPECT_EQ(second.names(),
              (std::vector<std::string>{"Reports", "todo.txt", "Ünïcode ñame.txt"}));
}

TEST_F(ClientSignals, EachClientGetsTheReportsAndCompletionOfItsOwnTransferOnly) {
    uint32_t files = first.connect(kPhone, 0x1106);
    uint32_t push = second.connect(kLaptop, 0x1105);
    std::string photo = local + "/photo.jpg";
    bttest::write(photo, std::string(70000, 'p'));
    EXPECT_EQ(
        first
            .ask("btsdkftp", "get_file", g_variant_new("(uss)", files, "/notes.txt", local.c_str()))
            .u(0),
        0u);
    EXPECT_EQ(second.ask("btsdkopp", "push_obj", g_variant_new("(us)", push, photo.c_str())).u(0),
              0u);
    EXPECT_EQ(completions(first.ftpComplete), (std::vector<uint32_t>{0}));
    EXPECT_EQ(completions(second.oppComplete), (std::vector<uint32_t>{0}));

    // Both transfers are over: all their signals have been sent.
    EXPECT_EQ(first.ftpStatus.settledCount(), 3u);
    EXPECT_EQ(second.oppStatus.settledCount(), 4u);
    EXPECT_TRUE(allNamed(statusOf(first.ftpStatus), "notes.txt"));
    EXPECT_TRUE(allNamed(statusOf(second.oppStatus), "photo.jpg"));
    EXPECT_EQ(first.oppStatus.settledCount() + first.oppComplete.settledCount(), 0u);
    EXPECT_EQ(second.ftpStatus.settledCount() + second.ftpComplete.settledCount(), 0u);

    // A refused call's completion, too.
    EXPECT_EQ(
        second
            .ask("btsdkftp", "get_file", g_variant_new("(uss)", 999u, "/notes.txt", local.c_str()))
            .u(0),
        4u);
    EXPECT_EQ(completions(second.ftpComplete), (std::vector<uint32_t>{4}));
    EXPECT_EQ(first.ftpComplete.settledCount(), 0u);
}

TEST_F(ClientSignals, AFileADeviceSendsIsAnnouncedToEveryClient) {
    ASSERT_EQ(
        first.ask("btsdkftp", "register_ftp_service", g_variant_new("(us)", 1u, local.c_str()))
            .u(0),
        0u);
    std::string source = local + "/from phone.txt";
    bttest::write(source, "sent by the phone");
    bttest::Answer sent = bttest::control(
        "DevicePutsFile", g_variant_new("(sss)", "phone", source.c_str(), "got.txt"));
    ASSERT_TRUE(sent.ok()) << sent.message();
    for (Client* client : {&first, &second}) {
        ASSERT_TRUE(client->ftpReceived.waitForCount(1));
        std::vector<bttest::Bytes> records = recordsOf(client->ftpReceived);
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(bttest::textAt(records[0], 12, 260), "got.txt");
        ASSERT_TRUE(client->ftpStatus.waitForCount(3));
        EXPECT_EQ(statusOf(client->ftpStatus).back(), (Status{0, 0x101, "got.txt", 17, 0}));
    }
}

}  // namespace
