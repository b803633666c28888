// corvctl's file-transfer, push and dial commands against the stand-in service's worlds.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "corvctl_run.h"
#include "harness.h"
#include "sdk_test_util.h"

using corvtest::corvctl;
using corvtest::exitCode;
using corvtest::Outcome;

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

}  // namespace
