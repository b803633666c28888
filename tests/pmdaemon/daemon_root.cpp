#include "daemon_root.h"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "pm_paths.h"
#include "temporary_dir.h"

namespace pmtest {

namespace {

constexpr const char* kRfkillFolder = "/sys/bus/sdio/devices/mmc0:0001:5/rfkill";

}  // namespace

DaemonRoot::DaemonRoot() : dir_(corvtest::makeTemporaryDir("pmdaemon-root")) {
    std::filesystem::create_directories(path("/opt/corvane"));
    std::filesystem::create_directories(path("/etc/pm/sleep.d"));
    writeFile(sysState(), "");
    writeFile(devState(), "");
    set_pm_root(dir_);
}

// The prefix stays: a thread of the daemon still running writes into a folder that is
// gone, never into the real paths.
DaemonRoot::~DaemonRoot() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

std::string DaemonRoot::sysState() const {
    return path("/opt/corvane/sys_pm_state");
}

std::string DaemonRoot::devState() const {
    return path("/opt/corvane/dev_pm_state");
}

std::string DaemonRoot::fifo() const {
    return path("/opt/corvane/pm_tmp");
}

std::string DaemonRoot::addRfkill() const {
    std::filesystem::create_directories(path(kRfkillFolder) + "/rfkill0");
    writeFile(rfkillState(), "");
    return rfkillState();
}

std::string DaemonRoot::rfkillState() const {
    return path(kRfkillFolder) + "/rfkill0/state";
}

void writeFile(const std::string& path, const std::string& bytes) {
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0) << path;
    EXPECT_EQ(write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    close(fd);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace pmtest
