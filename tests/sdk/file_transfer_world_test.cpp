// File transfer through the client library against the stand-in service's folder trees:
// a tree down and up again byte for byte, a cancelled transfer, a refused one, the
// service dying under a blocking transfer, and another client's listings and transfers
// beside the library's.
#include <gio/gio.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <map>
#include <mutex>
#include <sstream>
#include <vector>

#include "corvclient/btsdk.h"
#include "harness.h"
#include "sdk_test_util.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr BTDEVHDL kPhone = 1;
constexpr const char* kPicture = "/Pictures/Holiday 2025/Sunset over the bay.bmp";  // 197 KiB

// Every file under the folder, by its path relative to it, with its bytes.
std::map<std::string, std::string> treeOf(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        files[fs::relative(entry.path(), root).string()] = bytes.str();
    }
    return files;
}

std::atomic<int> s_reports{0};
void onStatus(BTUINT8, BTUINT8, const char*, BTUINT32, BTUINT32) { ++s_reports; }

class FileTransferWorld : public corvtest::ServiceTest {
protected:
    void SetUp() override {
        ServiceTest::SetUp();
        char pattern[] = "/tmp/cvftp-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        local_ = pattern;
    }
    void TearDown() override {
        if (connection_) Btsdk_Disconnect(connection_);
        fs::remove_all(local_);
        service.loadScenario(CORVANE_SCENARIOS_DIR "/default.ini");
    }
    void connectPhone() {
        std::vector<BTUINT8> param(8, 0);
        ASSERT_EQ(Btsdk_ConnectEx(kPhone, 0x1106, param.data(), &connection_), BTSDK_OK);
        ASSERT_NE(connection_, 0u);
    }

    // The picture's get on a thread of its own, its progress counted in s_reports.
    std::future<BTRESULT> startPictureGet() {
        s_reports = 0;
        Btsdk_FTPRegisterStatusCallback(connection_, onStatus);
        return std::async(std::launch::async, [connection = connection_, target = (local_ / "picture.bmp").string()] {
            return Btsdk_FTPGetFile(connection, kPicture, target.c_str());
        });
    }

    fs::path local_;
    BTCONNHDL connection_ = 0;
};

TEST_F(FileTransferWorld, AFolderTreeGoesDownAndUpAgainUnchanged) {
    service.loadScenario(CORVANE_SCENARIOS_DIR "/transfer_fast.ini");
    connectPhone();
    const fs::path shipped = fs::path(CORVANE_SCENARIOS_DIR) / "files/phone/Documents";
    ASSERT_EQ(Btsdk_FTPGetDir(connection_, "/Documents", local_.c_str()), BTSDK_OK);
    auto down = treeOf(local_ / "Documents");
    EXPECT_EQ(down, treeOf(shipped));
    EXPECT_TRUE(down.count("Résumé 2026.v2.final.pdf"));

    ASSERT_EQ(Btsdk_FTPCreateDir(connection_, "Copy"), BTSDK_OK);
    ASSERT_EQ(Btsdk_FTPPutDir(connection_, (local_ / "Documents").c_str(), "/Copy"), BTSDK_OK);
    fs::create_directory(local_ / "again");
    ASSERT_EQ(Btsdk_FTPGetDir(connection_, "/Copy/Documents", (local_ / "again").c_str()), BTSDK_OK);
    EXPECT_EQ(treeOf(local_ / "again/Documents"), down);

    ASSERT_EQ(Btsdk_FTPGetFile(connection_, "/Café menü.txt", (local_ / "menu.txt").c_str()), BTSDK_OK);
    EXPECT_EQ(fs::file_size(local_ / "menu.txt"),
              fs::file_size(fs::path(CORVANE_SCENARIOS_DIR) / "files/phone/Café menü.txt"));
}

// The default world moves 128 KiB/s: the picture takes about 1.5 s.
std::atomic<int> s_entries{0};
void onEntryCounted(FTP_FIND_DATA*) { ++s_entries; }

// A listing's entries are all handed to the callback by the time the call returns, also
// when there are many, so that a caller can tell one listing's entries from the next's.
TEST_F(FileTransferWorld, EveryEntryOfAListingIsHandedOverBeforeTheCallReturns) {
    const fs::path many = local_ / "many";
    fs::create_directory(many);
    constexpr int kEntries = 3000;
    for (int i = 0; i < kEntries; ++i) std::ofstream(many / ("file " + std::to_string(i)));
    const fs::path scenario = local_ / "world.ini";
    {
        std::ifstream in(CORVANE_SCENARIOS_DIR "/transfer_fast.ini");
        std::stringstream text;
        text << in.rdbuf();
        std::string world = text.str();
        // The phone offers the folder of many entries; the other files stay where they are.
        const std::string phone = "Files=files/phone", others = "=files/";
        const size_t at = world.find(phone);
        ASSERT_NE(at, std::string::npos);
        world.replace(at, phone.size(), "Files=" + many.string());
        for (size_t next = world.find(others); next != std::string::npos; next = world.find(others, next + 1))
            world.replace(next, others.size(), "=" CORVANE_SCENARIOS_DIR "/files/");
        std::ofstream(scenario) << world;
    }
    service.loadScenario(scenario.string());
    connectPhone();
    for (int round = 0; round < 2; ++round) {
        s_entries = 0;
        ASSERT_EQ(Btsdk_FTPBrowseFolder(connection_, "/", onEntryCounted, 0), BTSDK_OK);
        EXPECT_EQ(s_entries.load(), kEntries);
    }
}

TEST_F(FileTransferWorld, ACancelledTransferFailsAndTheNextOneWorks) {
    connectPhone();
    auto get = startPictureGet();
    ASSERT_TRUE(corvtest::waitFor([] { return s_reports.load() >= 3; }));
    ASSERT_EQ(Btsdk_FTPCancelTransfer(connection_), BTSDK_OK);
    BTRESULT cancelled = get.get();
    EXPECT_NE(cancelled, BTSDK_OK);
    EXPECT_NE(cancelled, BTSDK_ER_FAIL);  // the service's own code, not a lost wait

    ASSERT_EQ(Btsdk_FTPGetFile(connection_, "/notes.txt", (local_ / "notes.txt").c_str()), BTSDK_OK);
    EXPECT_EQ(fs::file_size(local_ / "notes.txt"),
              fs::file_size(fs::path(CORVANE_SCENARIOS_DIR) / "files/phone/notes.txt"));
}

// A second get on the busy connection is refused: it returns the refusal, not the first
// get's success, and no file comes of it; the first get completes whole.
TEST_F(FileTransferWorld, ASecondGetOnABusyConnectionFails) {
    connectPhone();
    auto first = startPictureGet();
    ASSERT_TRUE(corvtest::waitFor([] { return s_reports.load() >= 2; }));
    BTRESULT second = Btsdk_FTPGetFile(connection_, "/notes.txt", (local_ / "notes.txt").c_str());
    EXPECT_NE(second, BTSDK_OK);
    EXPECT_NE(second, BTSDK_ER_FAIL);  // the service's busy answer, not a lost wait
    EXPECT_FALSE(fs::exists(local_ / "notes.txt"));
    EXPECT_EQ(first.get(), BTSDK_OK);
    EXPECT_EQ(fs::file_size(local_ / "picture.bmp"),
              fs::file_size(fs::path(CORVANE_SCENARIOS_DIR) / ("files/phone" + std::string(kPicture))));
}

// A get on a connection the service does not know ends at once with its answer.
TEST_F(FileTransferWorld, AGetOnAnUnknownConnectionEndsAtOnce) {
    auto start = Clock::now();
    EXPECT_EQ(Btsdk_FTPGetFile(9999, "/notes.txt", (local_ / "notes.txt").c_str()), 4u);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(2));
}

TEST_F(FileTransferWorld, TheServiceDyingEndsABlockingGetAtOnce) {
    connectPhone();
    auto get = startPictureGet();
    ASSERT_TRUE(corvtest::waitFor([] { return s_reports.load() >= 2; }));
    auto killed = Clock::now();
    service.kill();
    EXPECT_EQ(get.get(), BTSDK_ER_FAIL);
    EXPECT_LT(Clock::now() - killed, std::chrono::seconds(2));
    connection_ = 0;

    // The process goes on: a new service, a new connection, a transfer.
    service.start();
    connectPhone();
    EXPECT_EQ(Btsdk_FTPGetFile(connection_, "/notes.txt", (local_ / "notes.txt").c_str()), BTSDK_OK);
}

// What the library's callbacks got: entry names, report names, received-file paths.
std::mutex s_gotLock;
std::vector<std::string> s_entryNames, s_reportNames, s_received;

void record(std::vector<std::string>& into, const char* text) {
    std::lock_guard<std::mutex> hold(s_gotLock);
    into.push_back(text ? text : "");
}
void onEntryNamed(FTP_FIND_DATA* entry) { record(s_entryNames, entry->name); }
void onReportNamed(BTUINT8, BTUINT8, const char* name, BTUINT32, BTUINT32) { record(s_reportNames, name); }
BTUINT32 onReceived(BtSdkFileTransferReqStru* request) {
    record(s_received, request->path);
    return 0;
}
std::vector<std::string> taken(std::vector<std::string>& from) {
    std::lock_guard<std::mutex> hold(s_gotLock);
    return std::exchange(from, {});
}

// A plain client of the bus beside the library, on a connection of its own, that waits
// for the file-transfer signals that reach it.
class PlainClient {
public:
    PlainClient()
        : context_(g_main_context_new()),
          bus_(g_dbus_connection_new_for_address_sync(
              corvtest::TestBus::instance().address().c_str(),
              static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                                G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
              nullptr, nullptr, nullptr)) {
        g_main_context_push_thread_default(context_);
        subscription_ = g_dbus_connection_signal_subscribe(
            bus_, nullptr, "com.zel.corvane.btservice.btsdkftp", nullptr, nullptr, nullptr,
            G_DBUS_SIGNAL_FLAGS_NONE,
            [](GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar* signal, GVariant*,
               gpointer self) { static_cast<PlainClient*>(self)->got_.push_back(signal); },
            this, nullptr);
        g_main_context_pop_thread_default(context_);
    }
    ~PlainClient() {
        g_dbus_connection_signal_unsubscribe(bus_, subscription_);
        g_object_unref(bus_);
        g_main_context_unref(context_);
    }
    // Calls a file-transfer or connection method; returns the answer's output i.
    guint32 call(const char* area, const char* method, GVariant* args, gsize i) {
        GVariant* answer = g_dbus_connection_call_sync(
            bus_, "com.zel.corvane", (std::string("/com/zel/corvane/btservice/") + area).c_str(),
            (std::string("com.zel.corvane.btservice.") + area).c_str(), method, args, nullptr,
            G_DBUS_CALL_FLAGS_NONE, 5000, nullptr, nullptr);
        EXPECT_NE(answer, nullptr) << method;
        if (!answer) return 0;
        guint32 value = 0;
        g_variant_get_child(answer, i, "u", &value);
        g_variant_unref(answer);
        return value;
    }
    // Waits until the signal has reached the client; every signal that came is kept.
    bool waitFor(const std::string& signal) {
        const auto until = Clock::now() + std::chrono::seconds(5);
        while (std::find(got_.begin(), got_.end(), signal) == got_.end() && Clock::now() < until)
            if (!g_main_context_iteration(context_, FALSE)) g_usleep(1000);
        return std::find(got_.begin(), got_.end(), signal) != got_.end();
    }

private:
    GMainContext* context_;
    GDBusConnection* bus_;
    guint subscription_ = 0;
    std::vector<std::string> got_;
};

// The library beside a plain client of the bus: each gets the entries of its own listings
// and the reports and completion of its own transfers, never the other's (the other's
// completion would end the library's transfer early); a file a device sends reaches both.
TEST_F(FileTransferWorld, AnotherClientsListingsAndTransfersNeverReachTheLibrary) {
    service.loadScenario(CORVANE_SCENARIOS_DIR "/transfer_fast.ini");
    connectPhone();
    PlainClient other;
    const guint32 laptop = other.call("btsdkconn", "connect", g_variant_new("(uu)", 2u, 0x1106u), 0);
    ASSERT_NE(laptop, 0u);

    ASSERT_EQ(Btsdk_FTPBrowseFolder(connection_, "/Documents", onEntryNamed, 0), BTSDK_OK);
    EXPECT_EQ(other.call("btsdkftp", "browse_folder", g_variant_new("(usu)", laptop, "/", 0u), 0), 0u);
    ASSERT_EQ(Btsdk_FTPBrowseFolder(connection_, "/Documents", onEntryNamed, 0), BTSDK_OK);
    EXPECT_EQ(taken(s_entryNames), (std::vector<std::string>{"Projects", "Résumé 2026.v2.final.pdf",
                                                             "Projects", "Résumé 2026.v2.final.pdf"}));
    EXPECT_TRUE(other.waitFor("signal_ftp_show_browse_file"));

    Btsdk_FTPRegisterStatusCallback(connection_, onReportNamed);
    const std::string theirs = (local_ / "todo.txt").string(), mine = (local_ / "notes.txt").string();
    EXPECT_EQ(other.call("btsdkftp", "get_file", g_variant_new("(uss)", laptop, "/todo.txt", theirs.c_str()), 0),
              0u);
    ASSERT_TRUE(other.waitFor("signal_ftp_transfer_complete"));
    ASSERT_EQ(Btsdk_FTPGetFile(connection_, "/notes.txt", mine.c_str()), BTSDK_OK);
    EXPECT_EQ(treeOf(local_).at("notes.txt"), "Buy milk.\n");
    EXPECT_EQ(taken(s_reportNames), std::vector<std::string>(3, "notes.txt"));  // first, chunk, last

    ASSERT_EQ(Btsdk_RegisterFTPService(1, local_.c_str()), BTSDK_OK);
    Btsdk_FTPRegisterDealReceiveFileCB(onReceived);
    const std::string sent = (local_ / "from phone.txt").string();
    std::ofstream(sent) << "sent by the phone";
    service.act("DevicePutsFile", g_variant_new("(sss)", "phone", sent.c_str(), "got.txt"));
    EXPECT_TRUE(corvtest::waitFor([] {
        std::lock_guard<std::mutex> hold(s_gotLock);
        return !s_received.empty();
    }));
    EXPECT_EQ(taken(s_received), std::vector<std::string>{"got.txt"});
    EXPECT_TRUE(other.waitFor("signal_ftp_deal_receive_file"));
}

}  // namespace
