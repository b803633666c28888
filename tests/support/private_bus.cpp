#include "private_bus.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "temporary_dir.h"

namespace corvtest {

namespace {

constexpr int kStartTimeoutMs = 10000;

// A bus on which any peer may own any name, listening on a socket in `dir`.
bool writeConfig(const std::string& dir) {
    std::ofstream out(dir + "/bus.conf");
    out << "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
           " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
           "<busconfig>\n"
           "  <type>session</type>\n"
           "  <listen>unix:path="
        << dir << "/socket</listen>\n"
        << "  <auth>EXTERNAL</auth>\n"
           "  <policy context=\"default\">\n"
           "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
           "    <allow eavesdrop=\"true\"/>\n"
           "    <allow own=\"*\"/>\n"
           "  </policy>\n"
           "</busconfig>\n";
    return static_cast<bool>(out);
}

// The first line that the daemon prints on fd, within the start time.
std::string firstLine(int fd) {
    std::string line;
    pollfd watch{fd, POLLIN, 0};
    char c = 0;
    while (poll(&watch, 1, kStartTimeoutMs) == 1 && read(fd, &c, 1) == 1 && c != '\n') line += c;
    return line;
}

}  // namespace

PrivateBus::PrivateBus() : dir_(makeTemporaryDir("corvtest-bus")) {
    if (writeConfig(dir_)) start();
}

bool PrivateBus::start() {
    int pipe[2];
    if (pipe2(pipe, O_CLOEXEC) != 0) return false;
    bool launched =
        daemon_.start({"dbus-daemon", "--nofork", "--print-address=" + std::to_string(pipe[1]),
                       "--config-file=" + dir_ + "/bus.conf"},
                      {pipe[1]});
    close(pipe[1]);
    // The address without the daemon's guid, which a new daemon on the socket would not
    // match.
    bool up = launched && !firstLine(pipe[0]).empty();
    close(pipe[0]);
    address_ = up ? "unix:path=" + dir_ + "/socket" : "";
    return up;
}

void PrivateBus::stop() {
    if (!daemon_.running()) return;
    daemon_.signal(SIGTERM);
    if (!daemon_.waitExit(5000)) {
        daemon_.signal(SIGKILL);
        daemon_.waitExit(5000);
    }
}

PrivateBus::~PrivateBus() {
    stop();
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

GDBusConnection* PrivateBus::connect() const {
    GError* error = nullptr;
    GDBusConnection* connection = g_dbus_connection_new_for_address_sync(
        address_.c_str(),
        static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                          G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
        nullptr, nullptr, &error);
    if (!connection) {
        ADD_FAILURE() << "cannot reach the bus: " << error->message;
        g_error_free(error);
    }
    return connection;
}

}  // namespace corvtest
