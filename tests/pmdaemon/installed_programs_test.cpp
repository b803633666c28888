// pmdaemon and pmdaemon_setup on their command line: --help prints the usage and any
// other argument is refused with it, before anything is made; and the installed programs
// read none of the seams that the tests' builds take from their environment.
#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "daemon_root.h"
#include "program_run.h"
#include "temporary_dir.h"

namespace {

struct Program {
    const char* name;   // as the usage names it
    const char* label;  // of the test
    const char* path;
};

void PrintTo(const Program& program, std::ostream* out) {
    *out << program.label;
}

const Program kPrograms[] = {
    {"pmdaemon", "installed_pmdaemon", PMDAEMON_PATH},
    {"pmdaemon_setup", "installed_setup", PMDAEMON_SETUP_PATH},
    {"pmdaemon", "testable_pmdaemon", PMDAEMON_TESTABLE_PATH},
    {"pmdaemon_setup", "testable_setup", PMDAEMON_SETUP_TESTABLE_PATH},
};

// Each program runs with PMDAEMON_ROOT at an empty folder, which the tests' builds honour:
// the folder must stay empty. A program that ran instead of answering is ended after a
// few seconds (and fails by its exit status).
class CommandLine : public testing::TestWithParam<Program> {
protected:
    void SetUp() override { setenv("PMDAEMON_ROOT", root.c_str(), 1); }
    void TearDown() override {
        unsetenv("PMDAEMON_ROOT");
        std::filesystem::remove_all(root);
    }
    corvtest::ProgramRun run(const std::vector<std::string>& arguments) {
        std::vector<std::string> argv{"/bin/sh", "-c", "exec timeout 10 \"$0\" \"$@\"",
                                      GetParam().path};
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        return corvtest::runProgram(argv);
    }
    std::string usageHead() const { return std::string("Usage: ") + GetParam().name + " [--help]\n"; }

    std::string root = corvtest::makeTemporaryDir("pmdaemon-args");
};

TEST_P(CommandLine, HelpPrintsTheUsageAndMakesNothing) {
    for (const char* help : {"--help", "-h"}) {
        corvtest::ProgramRun answer = run({help});
        EXPECT_EQ(answer.exitCode, 0) << help << answer.err;
        EXPECT_EQ(answer.out.rfind(usageHead(), 0), 0u) << answer.out;
        EXPECT_NE(answer.out.find("/opt/corvane/"), std::string::npos) << answer.out;
        EXPECT_EQ(answer.err, "");
    }
    EXPECT_TRUE(std::filesystem::is_empty(root));
}

TEST_P(CommandLine, OtherArgumentsAreRefusedWithTheUsage) {
    for (const char* argument : {"--bogus", "start", "--help=1"}) {
        corvtest::ProgramRun refused = run({argument});
        EXPECT_EQ(refused.exitCode, 2) << argument << refused.err;
        EXPECT_EQ(refused.out, "") << argument;
        std::string head =
            std::string(GetParam().name) + ": unknown argument '" + argument + "'\n" + usageHead();
        EXPECT_EQ(refused.err.rfind(head, 0), 0u) << refused.err;
    }
    EXPECT_EQ(run({"--help", "--help"}).exitCode, 2);
    EXPECT_TRUE(std::filesystem::is_empty(root));
}

INSTANTIATE_TEST_SUITE_P(Programs, CommandLine, testing::ValuesIn(kPrograms),
                         [](const testing::TestParamInfo<Program>& program) {
                             return std::string(program.param.label);
                         });

// A variable the code reads by name stands in its program as text: the tests' builds hold
// every one, the installed programs none.
TEST(InstalledPrograms, HoldNoneOfTheSeamVariables) {
    const std::string installed[] = {pmtest::readFile(PMDAEMON_PATH),
                                     pmtest::readFile(PMDAEMON_SETUP_PATH)};
    const std::string testable = pmtest::readFile(PMDAEMON_TESTABLE_PATH);
    for (const char* variable : {"PMDAEMON_ROOT", "PMDAEMON_UEVENT_FD", "PMDAEMON_SERVER_CHECK",
                                 "PMDAEMON_SERVER_START"}) {
        EXPECT_NE(testable.find(variable), std::string::npos) << variable;
        for (const std::string& program : installed)
            EXPECT_EQ(program.find(variable), std::string::npos) << variable;
    }
}

}  // namespace
