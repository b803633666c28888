// The sleep hook that installation puts in place, byte for byte and with its mode.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "daemon_root.h"
#include "output_capture.h"
#include "pm_hook.h"

namespace {

// The seventeen lines: leading tabs, then the text (blanks at some ends included).
std::string expectedHook() {
    const std::pair<int, const char*> lines[] = {
        {0, "#!/bin/bash"},
        {0, "case \"$1\" in "},
        {1, "hibernate) "},
        {2, "echo \"hibernate\" >/opt/corvane/sys_pm_state"},
        {2, ";;"},
        {1, "suspend) "},
        {2, "echo \"suspend\" >/opt/corvane/sys_pm_state"},
        {2, ";;"},
        {1, "thaw) "},
        {2, "echo \"thaw\" >/opt/corvane/sys_pm_state"},
        {2, ";;"},
        {1, "resume) "},
        {2, "echo \"resume\" >/opt/corvane/sys_pm_state"},
        {2, ";;"},
        {1, "*) "},
        {2, ";;"},
        {0, "esac"},
    };
    std::string text;
    for (const auto& [tabs, line] : lines)
        text += std::string(static_cast<size_t>(tabs), '\t') + line + "\n";
    return text;
}

mode_t modeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

TEST(Hook, ScriptIsWrittenByteForByteWithMode0655) {
    pmtest::DaemonRoot root;
    std::filesystem::remove(root.sysState());
    umask(077);  // the mode is set, not left to the mask
    ASSERT_TRUE(create_sys_pm_hook());
    std::string hook = root.path("/etc/pm/sleep.d/pm-corvane.sh");
    EXPECT_EQ(pmtest::readFile(hook), expectedHook());
    EXPECT_EQ(modeOf(hook), 0655u);
    ASSERT_TRUE(std::filesystem::is_regular_file(root.sysState()));
    EXPECT_EQ(std::filesystem::file_size(root.sysState()), 0u);
}

TEST(Hook, FilesInPlaceAreKept) {
    pmtest::DaemonRoot root;
    std::string hook = root.path("/etc/pm/sleep.d/pm-corvane.sh");
    pmtest::writeFile(hook, "#!/bin/sh\nexit 0\n");
    pmtest::writeFile(root.sysState(), "resume\n");
    ASSERT_TRUE(create_sys_pm_hook());
    EXPECT_EQ(pmtest::readFile(hook), "#!/bin/sh\nexit 0\n");
    EXPECT_EQ(pmtest::readFile(root.sysState()), "resume\n");
}

TEST(Hook, MissingHookFolderIsReportedAndStopsThere) {
    pmtest::DaemonRoot root;
    std::filesystem::remove_all(root.path("/etc/pm"));
    std::filesystem::remove(root.sysState());
    pmtest::OutputCapture err(STDERR_FILENO);
    EXPECT_FALSE(create_sys_pm_hook());
    EXPECT_EQ(err.text(),
              "create file:" + root.path("/etc/pm/sleep.d/pm-corvane.sh") + " failed!\n");
    EXPECT_FALSE(std::filesystem::exists(root.sysState()));
}

TEST(Hook, UnwritableStateFolderIsReported) {
    pmtest::DaemonRoot root;
    std::filesystem::remove_all(root.path("/opt/corvane"));
    pmtest::OutputCapture err(STDERR_FILENO);
    EXPECT_FALSE(create_sys_pm_hook());
    EXPECT_EQ(err.text(), "create file:" + root.sysState() + " failed!\n");
    EXPECT_EQ(pmtest::readFile(root.path("/etc/pm/sleep.d/pm-corvane.sh")), expectedHook());
}

}  // namespace
