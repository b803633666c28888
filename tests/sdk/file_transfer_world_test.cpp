// File transfer through the client library against the stand-in service's folder trees:
// a tree down and up again byte for byte, a cancelled transfer, a refused one, and the
// service dying under a blocking transfer.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <map>
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

}  // namespace
