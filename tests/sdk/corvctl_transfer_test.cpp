// corvctl's file-transfer, push and dial commands against the stand-in service's worlds,
// and Ctrl-C cancelling a transfer under way.
#include <signal.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "corvctl_run.h"
#include "harness.h"
#include "sdk_test_util.h"
#include "transfer_parts.h"

using corvtest::corvctl;
using corvtest::exitCode;
using corvtest::Outcome;
namespace fs = std::filesystem;

namespace {

class Corvctl : public corvtest::ServiceTest {};

// The handle on the line of `services` that names the class.
std::string serviceOfClass(const std::string& listing, const std::string& serviceClass) {
    size_t at = listing.find(" " + serviceClass + " ");
    if (at == std::string::npos) return {};
    size_t start = listing.rfind('\n', at);
    start = start == std::string::npos ? 0 : start + 1;
    return listing.substr(start, listing.find(' ', start) - start);
}

TEST_F(Corvctl, FileTransferOnAConnectionAndThroughAShortcut) {
    service.loadScenario(CORVANE_SCENARIOS_DIR "/transfer_fast.ini");
    char pattern[] = "/tmp/corvctl-ftp-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string local = pattern;
    Outcome connect = corvctl({"connect", "Nova Phone", "0x1106"});
    ASSERT_EQ(exitCode(connect), 0) << connect.err;
    std::string conn = connect.out.substr(11, connect.out.size() - 12);

    Outcome root = corvctl({"ftp", conn, "ls"});
    EXPECT_EQ(exitCode(root), 0) << root.err;
    EXPECT_NE(root.out.find("Documents/"), std::string::npos) << root.out;
    EXPECT_NE(root.out.find("Café menü.txt"), std::string::npos) << root.out;
    EXPECT_NE(corvctl({"ftp", conn, "ls", "Documents"}).out.find("Résumé 2026.v2.final.pdf"), std::string::npos);
    EXPECT_EQ(corvctl({"ftp", conn, "pwd"}).out, "/\n");  // ls FOLDER did not move

    Outcome get = corvctl({"ftp", conn, "get", "notes.txt", local + "/notes.txt"});
    EXPECT_EQ(exitCode(get), 0) << get.err;
    EXPECT_NE(get.err.find(" bytes "), std::string::npos) << get.err;  // the progress line
    EXPECT_NE(get.err.find("KiB/s"), std::string::npos) << get.err;
    EXPECT_EQ(exitCode(corvctl({"ftp", conn, "mkdir", "Up"})), 0);
    EXPECT_EQ(corvctl({"ftp", conn, "cd", "Up"}).out, "/Up\n");
    EXPECT_EQ(exitCode(corvctl({"ftp", conn, "put", local + "/notes.txt", "copy.txt"})), 0);
    EXPECT_NE(corvctl({"ftp", conn, "ls"}).out.find("copy.txt"), std::string::npos);
    EXPECT_EQ(exitCode(corvctl({"ftp", conn, "rm", "copy.txt"})), 0);
    EXPECT_EQ(corvctl({"ftp", conn, "cd", ".."}).out, "/\n");
    EXPECT_EQ(exitCode(corvctl({"ftp", conn, "rm", "-r", "Up"})), 0);
    EXPECT_EQ(corvctl({"ftp", conn, "ls"}).out.find("Up/"), std::string::npos);
    Outcome missing = corvctl({"ftp", conn, "get", "no such file", local + "/x"});
    EXPECT_EQ(exitCode(missing), 1);
    EXPECT_EQ(exitCode(corvctl({"ftp", conn, "frobnicate"})), 2);

    std::string ftp = serviceOfClass(corvctl({"services", "Nova Phone"}).out, "0x1106");
    ASSERT_FALSE(ftp.empty());
    Outcome add = corvctl({"shortcut", "add", "Nova Phone", ftp});
    std::string shortcut = add.out.substr(9, add.out.size() - 10);
    Outcome through = corvctl({"ftp", "shc:" + shortcut, "pwd"});
    EXPECT_EQ(exitCode(through), 0) << through.err;
    EXPECT_EQ(through.out, "/\n");
    EXPECT_NE(through.err.find("shortcut " + shortcut + " connected"), std::string::npos) << through.err;

    Outcome push = corvctl({"push", "Nova Phone", local + "/notes.txt"});
    EXPECT_EQ(exitCode(push), 0) << push.err;
    EXPECT_NE(push.out.find("pushed"), std::string::npos);
    std::system(("rm -rf " + local).c_str());
}

TEST_F(Corvctl, DialOutThroughADialUpShortcut) {
    service.loadScenario(CORVANE_SCENARIOS_DIR "/services_fast.ini");
    std::string dun = serviceOfClass(corvctl({"services", "Nova Phone"}).out, "0x1103");
    ASSERT_FALSE(dun.empty());
    Outcome add = corvctl({"shortcut", "add", "Nova Phone", dun});
    std::string shortcut = add.out.substr(9, add.out.size() - 10);
    EXPECT_EQ(exitCode(corvctl({"dial", shortcut})), 2);  // it keeps no number yet
    Outcome dial = corvctl({"dial", shortcut, "*99#"});
    EXPECT_EQ(exitCode(dial), 0) << dial.err;
    EXPECT_EQ(dial.out.rfind("dialled *99# on ttyB", 0), 0u) << dial.out;
    EXPECT_EQ(corvctl({"hangup"}).out, "hung up\n");
    Outcome busy = corvctl({"dial", shortcut, "*99***2#"});
    EXPECT_EQ(exitCode(busy), 1);
    EXPECT_NE(busy.err.find("(result 12)"), std::string::npos) << busy.err;
    service.loadScenario(CORVANE_SCENARIOS_DIR "/default.ini");
}

// Ctrl-C in the default world, which moves 128 KiB/s: a 4 MiB file would take half a
// minute, so its transfer still runs when corvctl is interrupted.
class Interrupted : public corvtest::ServiceTest {
protected:
    void SetUp() override {
        service.loadScenario(CORVANE_SCENARIOS_DIR "/default.ini");
        char pattern[] = "/tmp/corvctl-cancel-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        local_ = pattern;
        phone_ = fs::path(service.stateDir()) / "devices/phone";
    }
    void TearDown() override { fs::remove_all(local_); }

    static void writeLargeFile(const fs::path& path) {
        std::ofstream(path, std::ios::binary) << std::string(4 << 20, 'x');
    }
    static std::string readFile(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::string connectPhone() {
        Outcome connect = corvctl({"connect", "Nova Phone", "0x1106"});
        EXPECT_EQ(exitCode(connect), 0) << connect.err;
        return connect.out.substr(11, connect.out.size() - 12);
    }

    // Runs corvctl until its progress line shows that the transfer has started and the
    // partial file is there (under a temporary name beside it), and sends it SIGINT. corvctl must end promptly with the
    // status of a cancelled transfer, telling the service's result for "VERB NAME"; the
    // service must have been asked to cancel (on the interface, such as "btsdkftp") and
    // the partial file must be gone.
    void expectCancelled(const std::vector<std::string>& args, const fs::path& partial,
                         const std::string& verbAndName, const std::string& interface) {
        corvtest::ChildProcess process;
        const fs::path output = local_ / "corvctl.out";
        ASSERT_TRUE(corvtest::startCorvctl(process, args, output.string()));
        ASSERT_TRUE(corvtest::waitFor(
            [&] {
                return readFile(output).find(" bytes ") != std::string::npos &&
                       corvtest::transferPartsIn(partial.parent_path()) == 1;
            },
            20000))
            << readFile(output);
        process.signal(SIGINT);
        auto sent = std::chrono::steady_clock::now();
        ASSERT_TRUE(process.waitExit(5000)) << readFile(output);
        EXPECT_LT(std::chrono::steady_clock::now() - sent, std::chrono::seconds(3));
        int status = process.status();
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 130) << "wait status " << status;
        std::string printed = readFile(output);
        EXPECT_NE(printed.find("corvctl: " + verbAndName + " cancelled (result 8)"), std::string::npos)
            << printed;
        bool asked = false;
        for (const corvtest::RecordedCall& call : service.calls())
            asked |= call.method == "cancel_transfer" && call.interface.find(interface) != std::string::npos;
        EXPECT_TRUE(asked);
        EXPECT_FALSE(fs::exists(partial));
        EXPECT_EQ(corvtest::transferPartsIn(partial.parent_path()), 0u);
    }

    fs::path local_, phone_;  // the phone's folder in the service's state folder
};

TEST_F(Interrupted, CtrlCCancelsAGetAndItsPartialFileIsGone) {
    writeLargeFile(phone_ / "files/large.bin");
    const fs::path target = local_ / "large.bin";
    expectCancelled({"ftp", connectPhone(), "get", "large.bin", target.string()}, target,
                    "get large.bin", "btsdkftp");
}

TEST_F(Interrupted, CtrlCCancelsAPutAndItsPartialFileIsGone) {
    const fs::path source = local_ / "large.bin";
    writeLargeFile(source);
    expectCancelled({"ftp", connectPhone(), "put", source.string(), "copy.bin"},
                    phone_ / "files/copy.bin", "put " + source.string(), "btsdkftp");
}

TEST_F(Interrupted, CtrlCCancelsAPushAndItsPartialFileIsGone) {
    const fs::path source = local_ / "large.bin";
    writeLargeFile(source);
    expectCancelled({"push", "Nova Phone", source.string()}, phone_ / "inbox/large.bin",
                    "push " + source.string(), "btsdkopp");
}

}  // namespace
