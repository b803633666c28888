// Blocking file-transfer and object-push transfers: the completion signal gives the
// result, progress keeps a slow transfer alive, and a transfer never waits for ever.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <future>
#include <mutex>
#include <string>
#include <vector>

#include "corvclient/btsdk.h"
#include "harness.h"
#include "sdk_test_util.h"

using Clock = std::chrono::steady_clock;

namespace {

constexpr int kIdleMs = 800;  // CORVCLIENT_CALL_TIMEOUT_MS of this process

class Transfers : public corvtest::ServiceTest {
protected:
    bool called(const std::string& method) {
        return corvtest::waitFor([&] {
            for (const auto& call : service.calls())
                if (call.method == method) return true;
            return false;
        });
    }
};

// A whole answer in place of the service's own: no connection 3 or 4 exists in the world,
// and the service would refuse the transfer and complete it at once with 4.
corvtest::ReplyOverride answer(uint32_t result, uint32_t times = 0) {
    corvtest::ReplyOverride reply = corvtest::replyWith("(uint32 " + std::to_string(result) + ",)");
    reply.times = times;
    return reply;
}

// The call's answer when the service accepts a transfer.
corvtest::ReplyOverride accepted(uint32_t times = 0) { return answer(0, times); }

long msSince(Clock::time_point start) {
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

std::atomic<int> s_statusCalls{0};
std::atomic<int> s_lastFirst{-1};
void onStatus(BTUINT8 first, BTUINT8, const char*, BTUINT32, BTUINT32) {
    s_lastFirst = first;
    ++s_statusCalls;
}

TEST_F(Transfers, TheCompletionSignalGivesTheResult) {
    service.setReply("btsdkftp", "get_file", answer(5));
    auto result = std::async(std::launch::async, [] { return Btsdk_FTPGetFile(3, "remote.txt", "/tmp/l"); });
    ASSERT_TRUE(called("get_file"));
    service.emitSignal("btsdkftp", "signal_ftp_transfer_complete", "(uint32 7,)");
    EXPECT_EQ(result.get(), 7u);
    EXPECT_EQ(Btsdk_FTPPutFile(0, "a", "b"), BTSDK_ER_INVALID_PARAMETER);
}

TEST_F(Transfers, ProgressKeepsASlowTransferAlive) {
    service.setReply("btsdkftp", "put_file", accepted());
    Btsdk_FTPRegisterStatusCallback(3, onStatus);
    auto start = Clock::now();
    auto result = std::async(std::launch::async, [] { return Btsdk_FTPPutFile(3, "/tmp/a", "a"); });
    ASSERT_TRUE(called("put_file"));
    // Reports at less than the idle limit apart, for well over the idle limit in all.
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(result.wait_for(std::chrono::milliseconds(kIdleMs / 3)), std::future_status::timeout);
        service.emitSignal("btsdkftp", "signal_ftp_file_transfer_status",
                           "(uint32 0x101, uint32 0, 'a', uint32 100, uint32 10)");
    }
    service.emitSignal("btsdkftp", "signal_ftp_transfer_complete", "(uint32 0,)");
    EXPECT_EQ(result.get(), BTSDK_OK);
    EXPECT_GT(msSince(start), 2 * kIdleMs);
    EXPECT_TRUE(corvtest::waitFor([] { return s_statusCalls.load() == 6; }));
    EXPECT_EQ(s_lastFirst.load(), 1);  // 0x101 narrowed to 8 bits
}

TEST_F(Transfers, AMissingCompletionEndsWithTheIdleLimit) {
    service.setReply("btsdkftp", "get_dir", accepted());
    auto start = Clock::now();
    std::string errors = corvtest::stderrOf([] { EXPECT_EQ(Btsdk_FTPGetDir(3, "d", "/tmp/d"), BTSDK_ER_FAIL); });
    EXPECT_GE(msSince(start), kIdleMs);
    EXPECT_LT(msSince(start), kIdleMs + 1500);
    EXPECT_NE(errors.find("neither progress nor completion"), std::string::npos) << errors;
}

TEST_F(Transfers, TheServiceLeavingEndsTheWait) {
    service.setReply("btsdkopp", "push_obj", accepted());
    auto result = std::async(std::launch::async, [] { return Btsdk_OPPPushObj(4, "/tmp/card.vcf"); });
    ASSERT_TRUE(called("push_obj"));
    auto start = Clock::now();
    service.kill();
    EXPECT_EQ(result.get(), BTSDK_ER_FAIL);
    EXPECT_LT(msSince(start), kIdleMs);
    service.start();
}

TEST_F(Transfers, ACompletionBeforeTheWaitIsNotLost) {
    corvtest::ReplyOverride late = accepted();
    late.delayMs = 300;
    service.setReply("btsdkopp", "pull_obj", late);
    auto result = std::async(std::launch::async, [] { return Btsdk_OPPPullObj(4, "/tmp/in.vcf"); });
    ASSERT_TRUE(called("pull_obj"));
    service.emitSignal("btsdkopp", "signal_opp_transfer_complete", "(uint32 0,)");  // before the answer
    EXPECT_EQ(result.get(), BTSDK_OK);
}

std::mutex s_entryLock;
std::string s_entryName;
BTUINT32 s_entrySize = 0;
void onEntry(FTP_FIND_DATA* entry) {
    std::lock_guard<std::mutex> lock(s_entryLock);
    s_entryName = entry->name;
    s_entrySize = entry->size;
}

TEST_F(Transfers, BrowseEntriesAreTheFirst324Bytes) {
    corvtest::ReplyOverride done;
    done.result = 0;
    service.setReply("btsdkftp", "browse_folder", done);  // no connection 3 in the world
    ASSERT_EQ(Btsdk_FTPBrowseFolder(3, "/", onEntry, 0), BTSDK_OK);
    std::string entry = "[byte 0x10, 0, 0, 0, 0x61, 0x62";
    for (int i = 6; i < 400; ++i) entry += ", 0x41";  // no NUL inside the name field
    service.emitSignal("btsdkftp", "signal_ftp_show_browse_file", "(" + entry + "],)");
    ASSERT_TRUE(corvtest::waitFor([] {
        std::lock_guard<std::mutex> lock(s_entryLock);
        return !s_entryName.empty();
    }));
    std::lock_guard<std::mutex> lock(s_entryLock);
    EXPECT_EQ(s_entrySize, 16u);
    EXPECT_EQ(s_entryName.size(), 295u);  // cut inside its 296-byte field
    EXPECT_EQ(s_entryName.substr(0, 3), "abA");
}

// No object-push status callback is ever registered in this process: the wait hears the
// reports all the same.
TEST_F(Transfers, ProgressIsHeardWithoutAStatusCallback) {
    service.setReply("btsdkopp", "push_obj", accepted());
    auto result = std::async(std::launch::async, [] { return Btsdk_OPPPushObj(4, "/tmp/card.vcf"); });
    ASSERT_TRUE(called("push_obj"));
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(result.wait_for(std::chrono::milliseconds(kIdleMs / 3)), std::future_status::timeout);
        service.emitSignal("btsdkopp", "signal_opp_file_transfer_status",
                           "(uint32 0, uint32 0, 'card.vcf', uint32 100, uint32 10)");
    }
    service.emitSignal("btsdkopp", "signal_opp_transfer_complete", "(uint32 0,)");
    EXPECT_EQ(result.get(), BTSDK_OK);
}

// Reports of one transfer (and of a file a device sends) do not keep another alive.
TEST_F(Transfers, AStalledTransferEndsWhileAnotherProgresses) {
    service.setReply("btsdkftp", "get_file", accepted());
    auto moving = std::async(std::launch::async, [] { return Btsdk_FTPGetFile(3, "movie.avi", "/tmp/movie.avi"); });
    auto stalled = std::async(std::launch::async, [] { return Btsdk_FTPGetFile(5, "notes.txt", "/tmp/notes.txt"); });
    auto start = Clock::now();
    std::string errors = corvtest::stderrOf([&] {
        while (stalled.wait_for(std::chrono::milliseconds(kIdleMs / 4)) == std::future_status::timeout &&
               msSince(start) < 4 * kIdleMs) {
            service.emitSignal("btsdkftp", "signal_ftp_file_transfer_status",
                               "(uint32 0, uint32 0, 'movie.avi', uint32 100, uint32 10)");
            service.emitSignal("btsdkftp", "signal_ftp_file_transfer_status",
                               "(uint32 1, uint32 1, 'incoming.txt', uint32 100, uint32 100)");
        }
    });
    EXPECT_EQ(stalled.get(), BTSDK_ER_FAIL);
    EXPECT_LT(msSince(start), 2 * kIdleMs);
    EXPECT_EQ(moving.wait_for(std::chrono::milliseconds(0)), std::future_status::timeout);
    service.emitSignal("btsdkftp", "signal_ftp_transfer_complete", "(uint32 0,)");
    EXPECT_EQ(moving.get(), BTSDK_OK);
}

// A get that the service refuses at once (the connection is busy) does not take the
// completion of the transfer under way as its own success.
TEST_F(Transfers, ARefusedTransferDoesNotTakeAnothersSuccess) {
    service.setReply("btsdkftp", "get_file", accepted(1));
    auto first = std::async(std::launch::async, [] { return Btsdk_FTPGetFile(3, "a.txt", "/tmp/a.txt"); });
    ASSERT_TRUE(called("get_file"));
    service.setReply("btsdkftp", "get_file", answer(3));
    auto second = std::async(std::launch::async, [] { return Btsdk_FTPGetFile(3, "b.txt", "/tmp/b.txt"); });
    ASSERT_TRUE(corvtest::waitFor([&] { return service.calls().size() == 2; }));
    service.emitSignal("btsdkftp", "signal_ftp_transfer_complete", "(uint32 0,)");
    EXPECT_EQ(first.get(), BTSDK_OK);
    EXPECT_EQ(second.get(), 3u);
}

// Many transfers ending at once: each completion handler may still run while its caller
// returns, and the record it uses must outlive it (the sanitizers watch this).
TEST_F(Transfers, ManyTransfersEndingTogether) {
    constexpr int kTransfers = 16;
    service.setReply("btsdkftp", "put_file", accepted());
    std::vector<std::future<BTRESULT>> results;
    for (int i = 0; i < kTransfers; ++i) {
        results.push_back(std::async(std::launch::async, [i] {
            std::string name = "/tmp/f" + std::to_string(i);
            return Btsdk_FTPPutFile(3, name.c_str(), "x");
        }));
    }
    ASSERT_TRUE(corvtest::waitFor([&] { return service.calls().size() == kTransfers; }));
    for (int i = 0; i < 4; ++i) service.emitSignal("btsdkftp", "signal_ftp_transfer_complete", "(uint32 0,)");
    for (auto& result : results) EXPECT_EQ(result.get(), BTSDK_OK);
}

TEST_F(Transfers, NullObjectPushStatusCallbackMakesNoCall) {
    service.clearCalls();
    Btsdk_OPPRegisterStatusCallback(4, nullptr);
    Btsdk_OPPRegisterDealReceiveFileCB(nullptr);
    EXPECT_TRUE(service.calls().empty());
}

}  // namespace

int main(int argc, char** argv) {
    setenv("CORVCLIENT_CALL_TIMEOUT_MS", std::to_string(kIdleMs).c_str(), 1);
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new corvtest::ServiceEnvironment);
    testing::AddGlobalTestEnvironment(new corvtest::ClientEnvironment);
    return RUN_ALL_TESTS();
}
