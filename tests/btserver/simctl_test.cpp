// bt_simctl against the running service: each command reaches the control interface and
// its answer is printed readably; failures give a message and a non-zero exit.
#include <gtest/gtest.h>

#include <string>

#include "harness.h"
#include "program_run.h"
#include "service_client.h"

using corvtest::ProgramRun;

namespace {

class Simctl : public testing::Test {
protected:
    corvtest::StandInService& service = corvtest::StandInService::instance();
    void SetUp() override { service.reset(); }

    static ProgramRun simctl(std::vector<std::string> words) {
        words.insert(words.begin(), BT_SIMCTL);
        return corvtest::runProgram(words);
    }
};

TEST_F(Simctl, AdapterAndCallsArePrintedReadably) {
    bttest::callArea("btsdklocal", "set_local_name", g_variant_new("(s)", "Desk"));
    ProgramRun adapter = simctl({"adapter"});
    EXPECT_EQ(adapter.exitCode, 0) << adapter.err;
    EXPECT_NE(adapter.out.find("name: 'Desk'\n"), std::string::npos) << adapter.out;
    EXPECT_NE(adapter.out.find("address: 00:1B:DC:0F:3A:52\n"), std::string::npos) << adapter.out;
    EXPECT_NE(adapter.out.find("class: 0x3E010C\n"), std::string::npos) << adapter.out;

    ProgramRun calls = simctl({"calls"});
    EXPECT_EQ(calls.out, "com.zel.corvane.btservice.btsdklocal set_local_name (s) ('Desk',)\n");
    EXPECT_EQ(simctl({"clear-calls"}).exitCode, 0);
    EXPECT_TRUE(service.calls().empty());
}

TEST_F(Simctl, ReplyEmitResetAndClearReplies) {
    ProgramRun reply = simctl({"reply", "btsdklocal", "get_local_device_class", "result=0x2A",
                               "times=1", "no_reply=false"});
    EXPECT_EQ(reply.exitCode, 0) << reply.err;
    EXPECT_EQ(bttest::callArea("btsdklocal", "get_local_device_class").u(1), 42u);
    EXPECT_EQ(bttest::callArea("btsdklocal", "get_local_device_class").u(1), 0u);

    EXPECT_EQ(
        simctl({"reply", "btsdklocal", "get_local_name", "reply=('Scripted', uint32 0)"}).exitCode,
        0);
    EXPECT_EQ(bttest::callArea("btsdklocal", "get_local_name").s(0), "Scripted");
    EXPECT_EQ(simctl({"clear-replies"}).exitCode, 0);
    EXPECT_EQ(bttest::callArea("btsdklocal", "get_local_name").s(0), "Corvane PC");

    bttest::SignalRecorder status("com.zel.corvane.btservice.btsdkinit", "bt_status");
    EXPECT_EQ(simctl({"emit", "btsdkinit", "bt_status", "(uint32 3,)"}).exitCode, 0);
    EXPECT_TRUE(status.waitForCount(1));

    bttest::callArea("btsdklocal", "set_local_name", g_variant_new("(s)", "Renamed"));
    EXPECT_EQ(simctl({"reset"}).exitCode, 0);
    EXPECT_EQ(bttest::callArea("btsdklocal", "get_local_name").s(0), "Corvane PC");
}

TEST_F(Simctl, FailuresExitNonZeroWithAMessage) {
    ProgramRun unknown = simctl({"frobnicate"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_NE(unknown.err.find("unknown command frobnicate"), std::string::npos);
    EXPECT_EQ(simctl({"load"}).exitCode, 2);
    EXPECT_EQ(simctl({"reply", "btsdklocal", "get_local_name", "delay_ms=soon"}).exitCode, 2);

    ProgramRun missing = simctl({"load", "/nonexistent/scenario.ini"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("LoadScenario failed"), std::string::npos) << missing.err;
    EXPECT_EQ(simctl({"emit", "btsdkinit", "bt_status", "(3"}).exitCode, 1);

    EXPECT_EQ(corvtest::runProgram({BT_SIMCTL, "--help"}).exitCode, 0);
    EXPECT_EQ(
        corvtest::runProgram({BT_SIMCTL, "--bus=unix:path=/nonexistent/bus", "adapter"}).exitCode, 1);
}

}  // namespace
