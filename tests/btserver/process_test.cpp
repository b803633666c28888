// The service as a process: its command line, a clean end on SIGTERM and SIGINT, the end
// of the watched pipe, and a second instance that cannot own the name.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

#include "child_process.h"
#include "harness.h"
#include "program_run.h"
#include "service_client.h"

using corvtest::ProgramRun;
using corvtest::runProgram;

namespace {

class Process : public testing::Test {
protected:
    corvtest::StandInService& service = corvtest::StandInService::instance();
    std::string bus = corvtest::TestBus::instance().address();

    void SetUp() override { service.reset(); }
    void TearDown() override {
        if (!service.running())
            service.start();
    }

    static bool exitedWith(int status, int code) {
        return WIFEXITED(status) && WEXITSTATUS(status) == code;
    }
    static std::string read(const std::string& path) {
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    // An instance of the test's own, printing into a file of the state folder.
    bool startOwn(corvtest::ChildProcess& child, const std::string& output,
                  std::vector<std::string> extra = {}, std::vector<int> keep = {}) {
        int fd = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        std::vector<std::string> argv = {CORVTEST_BT_SERVER, "--bus=" + bus,
                                         "--state-dir=" + service.stateDir()};
        argv.insert(argv.end(), extra.begin(), extra.end());
        keep.push_back(fd);
        bool started = child.start(argv, keep, fd);
        close(fd);
        return started &&
               corvtest::waitFor([&] { return service.nameOwned() || !child.running(); }, 10000) &&
               service.nameOwned();
    }
};

TEST_F(Process, SigtermEndsCleanlyAndKeepsTheState) {
    std::string file = service.stateDir() + "/kept.ini";
    ASSERT_EQ(bttest::callArea("btsdkinit", "write_private_profile_string",
                               g_variant_new("(ssss)", "S", "k", "v", "kept.ini"))
                  .u(0),
              0u);
    service.stop();  // waits for the exit and the name's release
    EXPECT_TRUE(exitedWith(service.exitStatus(), 0)) << service.exitStatus();
    EXPECT_FALSE(service.nameOwned());
    EXPECT_EQ(read(file), "[S]\nk=v\n");
}

TEST_F(Process, SigintEndsCleanlyAfterTheServingLine) {
    service.stop();
    corvtest::ChildProcess own;
    std::string output = service.stateDir() + "/sigint.out";
    ASSERT_TRUE(startOwn(own, output));
    // The line follows the name's ownership.
    std::string line = "bt_server: serving com.zel.corvane on " + bus + "\n";
    EXPECT_TRUE(corvtest::waitFor([&] { return read(output) == line; })) << read(output);
    own.signal(SIGINT);
    ASSERT_TRUE(own.waitExit(5000));
    EXPECT_TRUE(exitedWith(own.status(), 0)) << own.status();
    EXPECT_TRUE(corvtest::waitFor([&] { return !service.nameOwned(); }));
}

TEST_F(Process, EndOfTheWatchedPipeEndsTheService) {
    service.stop();
    int pipe[2];
    ASSERT_EQ(pipe2(pipe, O_CLOEXEC), 0);
    corvtest::ChildProcess own;
    ASSERT_TRUE(startOwn(own, service.stateDir() + "/watch.out",
                         {"--watch-fd=" + std::to_string(pipe[0])}, {pipe[0]}));
    close(pipe[0]);
    EXPECT_TRUE(own.running());
    close(pipe[1]);
    ASSERT_TRUE(own.waitExit(5000));
    EXPECT_TRUE(exitedWith(own.status(), 0)) << own.status();
    EXPECT_TRUE(corvtest::waitFor([&] { return !service.nameOwned(); }));
}

TEST_F(Process, ASecondInstanceCannotOwnTheName) {
    ProgramRun second =
        runProgram({CORVTEST_BT_SERVER, "--bus=" + bus, "--state-dir=" + service.stateDir()});
    EXPECT_EQ(second.exitCode, 1);
    EXPECT_NE(second.err.find("cannot own com.zel.corvane"), std::string::npos) << second.err;
    EXPECT_TRUE(bttest::callArea("btsdklocal", "get_local_name").ok());  // the first one serves on
}

TEST_F(Process, CommandLine) {
    ProgramRun help = runProgram({CORVTEST_BT_SERVER, "--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* option : {"--bus", "--session-bus", "--scenario", "--state-dir", "--watch-fd"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;

    EXPECT_EQ(runProgram({CORVTEST_BT_SERVER, "--frobnicate"}).exitCode, 2);
    EXPECT_EQ(runProgram({CORVTEST_BT_SERVER, "extra"}).exitCode, 2);

    std::string scenario = service.stateDir() + "/bad.ini";
    std::ofstream(scenario) << "[Adapter]\nClass=purple\n";
    ProgramRun bad = runProgram({CORVTEST_BT_SERVER, "--bus=" + bus, "--scenario=" + scenario});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_NE(bad.err.find("[Adapter] Class"), std::string::npos) << bad.err;

    ProgramRun fd = runProgram({CORVTEST_BT_SERVER, "--bus=" + bus,
                                "--state-dir=" + service.stateDir(), "--watch-fd=999"});
    EXPECT_EQ(fd.exitCode, 1);
    EXPECT_NE(fd.err.find("not an open file descriptor"), std::string::npos) << fd.err;

    ProgramRun nobus = runProgram({CORVTEST_BT_SERVER, "--bus=unix:path=/nonexistent/bus"});
    EXPECT_EQ(nobus.exitCode, 1);
    EXPECT_NE(nobus.err.find("cannot connect to the bus"), std::string::npos) << nobus.err;
}

}  // namespace
