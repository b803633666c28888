#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "harness.h"
#include "temporary_dir.h"

namespace corvtest {

namespace {

constexpr int kStartTimeoutMs = 10000;

[[noreturn]] void abortWith(const std::string& message) {
    std::fprintf(stderr, "corvtest: %s\n", message.c_str());
    std::abort();
}

void writeConfig(const std::string& path, const std::string& socket) {
    std::ofstream out(path);
    out << "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
           " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
           "<busconfig>\n"
           "  <type>session</type>\n"
           "  <listen>unix:path="
        << socket
        << "</listen>\n"
           "  <auth>EXTERNAL</auth>\n"
           "  <policy context=\"default\">\n"
           "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
           "    <allow eavesdrop=\"true\"/>\n"
           "    <allow own=\"*\"/>\n"
           "  </policy>\n"
           "</busconfig>\n";
    if (!out)
        abortWith("cannot write the bus configuration " + path);
}

// The first line the daemon prints on fd, within the time limit.
std::string readLine(int fd) {
    std::string line;
    pollfd watch{fd, POLLIN, 0};
    char c = 0;
    while (poll(&watch, 1, kStartTimeoutMs) == 1 && read(fd, &c, 1) == 1 && c != '\n') line += c;
    return line;
}

}  // namespace

TestBus& TestBus::instance() {
    static TestBus bus;
    return bus;
}

TestBus::TestBus() : dir_(makeTemporaryDir("corvtest-bus")) {
    std::string config = dir_ + "/bus.conf";
    writeConfig(config, dir_ + "/socket");
    int pipe[2];
    if (pipe2(pipe, O_CLOEXEC) != 0)
        abortWith("cannot make a pipe");
    bool started =
        daemon_.start({"dbus-daemon", "--nofork", "--print-address=" + std::to_string(pipe[1]),
                       "--config-file=" + config},
                      {pipe[1]});
    close(pipe[1]);
    address_ = started ? readLine(pipe[0]) : "";
    close(pipe[0]);
    if (address_.empty())
        abortWith("dbus-daemon did not start (is it installed?)");
    setenv("DBUS_SYSTEM_BUS_ADDRESS", address_.c_str(), 1);
    setenv("DBUS_SESSION_BUS_ADDRESS", address_.c_str(), 1);
}

TestBus::~TestBus() {
    stop();
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

void TestBus::stop() {
    if (!daemon_.running())
        return;
    daemon_.signal(SIGTERM);
    if (!daemon_.waitExit(5000)) {
        daemon_.signal(SIGKILL);
        daemon_.waitExit(5000);
    }
}

}  // namespace corvtest
