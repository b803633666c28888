// The server monitor's commands are its own: the environment can neither replace them
// nor choose the programs they run, and the start runs the service's program under the
// root prefix with its library folder.
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "daemon_root.h"
#include "harness.h"
#include "server_monitor.h"

namespace {

void writeScript(const std::string& path, const std::string& body) {
    pmtest::writeFile(path, "#!/bin/sh\n" + body + "\n");
    ASSERT_EQ(chmod(path.c_str(), 0755), 0);
}

TEST(Monitor, RunsItsFixedCommandsWhateverTheEnvironmentNames) {
    pmtest::DaemonRoot root;
    const std::string noted = root.path("/started");
    // The service's program: notes the library folder it was given, in one rename.
    writeScript(root.path("/opt/corvane/bt_server"),
                "echo \"$LD_LIBRARY_PATH\" >" + noted + ".part && mv " + noted + ".part " + noted);
    // A ps of the environment's choosing, first on PATH, and commands of its own.
    std::filesystem::create_directory(root.path("/bin"));
    writeScript(root.path("/bin/ps"), "touch " + root.path("/ps-ran"));
    const std::string path = std::getenv("PATH");
    setenv("PATH", (root.path("/bin") + ":" + path).c_str(), 1);
    setenv("PMDAEMON_SERVER_CHECK", ("touch " + root.path("/check-ran")).c_str(), 1);
    setenv("PMDAEMON_SERVER_START", ("touch " + root.path("/start-ran")).c_str(), 1);

    bt_server_is_running();  // whether it runs depends on the machine: only what ran counts
    start_bt_server();
    setenv("PATH", path.c_str(), 1);
    unsetenv("PMDAEMON_SERVER_CHECK");
    unsetenv("PMDAEMON_SERVER_START");

    ASSERT_TRUE(corvtest::waitFor([&] { return std::filesystem::exists(noted); }));
    EXPECT_EQ(pmtest::readFile(noted), root.path("/opt/corvane") + "\n");
    for (const char* ran : {"/ps-ran", "/check-ran", "/start-ran"})
        EXPECT_FALSE(std::filesystem::exists(root.path(ran))) << ran;
}

}  // namespace
