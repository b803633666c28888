// Reading and classifying state files, finding the rfkill entry of a device, and the
// key lookup in uevent messages.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "daemon_root.h"
#include "output_capture.h"
#include "state_file.h"
#include "uevent.h"

namespace {

TEST(StateFile, TextsAreClassifiedByTheirStart) {
    pmtest::DaemonRoot root;
    std::string path = root.path("/opt/corvane/probe");
    const std::pair<std::string, int> cases[] = {{"suspend\n", PM_STATE_SUSPEND},
                                                 {"suspended", PM_STATE_SUSPEND},
                                                 {"hibernate", PM_STATE_HIBERNATE},
                                                 {"resume\n", PM_STATE_RESUME},
                                                 {"thaw", PM_STATE_THAW},
                                                 {"1\n", PM_STATE_ONE},
                                                 {"0", PM_STATE_ZERO},
                                                 {"10", PM_STATE_ONE},
                                                 {"susp", PM_STATE_INVALID},
                                                 {" suspend", PM_STATE_INVALID},
                                                 {"", PM_STATE_INVALID},
                                                 {"2\n", PM_STATE_INVALID},
                                                 {std::string(300, 'x'), PM_STATE_INVALID},
                                                 {"thaw" + std::string(300, 'x'), PM_STATE_THAW}};
    for (const auto& [text, state] : cases) {
        pmtest::writeFile(path, text);
        EXPECT_EQ(read_pm_file(path.c_str()), state) << text;
    }
}

TEST(StateFile, UnreadableFileIsReportedAsInvalid) {
    pmtest::DaemonRoot root;
    pmtest::OutputCapture err(STDERR_FILENO);
    std::string missing = root.path("/opt/corvane/none");
    EXPECT_EQ(read_pm_file(missing.c_str()), PM_STATE_INVALID);
    EXPECT_EQ(err.text(), "open power management state file: " + missing +
                              " fail! error:No such file or directory.\n");
    // A folder opens but cannot be read.
    char text[kPmFileMaxBytes + 1];
    EXPECT_EQ(read_pm_text(root.path("/opt").c_str(), text), -1);
}

TEST(StateFile, RfkillEntryIsTheFirstNameWithoutADot) {
    pmtest::DaemonRoot root;
    std::string folder = root.path("/sys/rfkill");
    char* path = nullptr;
    EXPECT_EQ(find_state_file(folder.c_str(), "state", &path), -1);  // no folder
    std::filesystem::create_directories(folder + "/.hidden");
    std::filesystem::create_directories(folder + "/rfkill.old");
    EXPECT_EQ(find_state_file(folder.c_str(), "state", &path), -1);  // only dotted names
    std::filesystem::create_directories(folder + "/rfkill4");
    ASSERT_EQ(find_state_file(folder.c_str(), "state", &path), 0);
    EXPECT_STREQ(path, (folder + "/rfkill4/state").c_str());
    std::free(path);
    ASSERT_EQ(find_state_file((folder + "/").c_str(), "state", &path), 0);
    EXPECT_STREQ(path, (folder + "/rfkill4/state").c_str());
    std::free(path);
    pmtest::writeFile(root.path("/sys/plain"), "");
    EXPECT_EQ(find_state_file(root.path("/sys/plain").c_str(), "state", &path), -1);
}

TEST(Uevent, KeysAreFoundOnlyWhereTheyStartAString) {
    const std::string message("ACTION=add\0XDEVPATH=/no\0DEVPATH=/devices/btusb0\0EMPTY=\0", 55);
    EXPECT_STREQ(search_key("ACTION", message.data(), message.size()), "add");
    EXPECT_STREQ(search_key("DEVPATH", message.data(), message.size()), "/devices/btusb0");
    EXPECT_STREQ(search_key("EMPTY", message.data(), message.size()), "");
    EXPECT_EQ(search_key("ACT", message.data(), message.size()), nullptr);
    EXPECT_EQ(search_key("SUBSYSTEM", message.data(), message.size()), nullptr);
    // An empty string ends the walk; so does the length, even inside a string.
    const std::string gap("A=1\0\0B=2\0", 9);
    EXPECT_EQ(search_key("B", gap.data(), gap.size()), nullptr);
    EXPECT_EQ(search_key("DEVPATH", message.data(), 30), nullptr);
    EXPECT_STREQ(search_key("ACTION", message.data(), 11), "add");
    EXPECT_EQ(search_key("ACTION", message.data(), 10), nullptr);
}

}  // namespace
