// The programs as the tests build them (the installed code with its seams taken from the
// environment): pmdaemon_setup puts the daemon's files in place, and pmdaemon itself,
// against a temporary root and the private bus, starts the stand-in service, starts it
// again after it was killed, and carries a sleep through to it.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "child_process.h"
#include "daemon_root.h"
#include "harness.h"
#include "temporary_dir.h"

namespace {

constexpr const char* kName = "com.zel.corvane";

GDBusConnection* testBus() {
    static GDBusConnection* bus = g_dbus_connection_new_for_address_sync(
        corvtest::TestBus::instance().address().c_str(),
        static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                          G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
        nullptr, nullptr, nullptr);
    return bus;
}

GVariant* busCall(const char* destination, const char* path, const char* interface,
                  const char* method, GVariant* args, const char* replyType) {
    return g_dbus_connection_call_sync(testBus(), destination, path, interface, method, args,
                                       G_VARIANT_TYPE(replyType), G_DBUS_CALL_FLAGS_NO_AUTO_START,
                                       5000, nullptr, nullptr);
}

// The process that owns the service's name, or 0.
pid_t serverPid() {
    GVariant* reply =
        busCall("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                "GetConnectionUnixProcessID", g_variant_new("(s)", kName), "(u)");
    guint32 pid = 0;
    if (reply) {
        g_variant_get(reply, "(u)", &pid);
        g_variant_unref(reply);
    }
    return static_cast<pid_t>(pid);
}

bool powered() {
    GVariant* reply = busCall(kName, "/com/zel/corvane/simctl", "com.zel.corvane.simctl",
                              "GetAdapter", nullptr, "(a{sv})");
    gboolean on = FALSE;
    if (reply) {
        GVariant* adapter = g_variant_get_child_value(reply, 0);
        g_variant_lookup(adapter, "powered", "b", &on);
        g_variant_unref(adapter);
        g_variant_unref(reply);
    }
    return on;
}

std::string shellQuoted(const std::string& text) {
    gchar* quoted = g_shell_quote(text.c_str());
    std::string result = quoted;
    g_free(quoted);
    return result;
}

// pmdaemon on the test bus with the root's files; the monitor tells whether the
// service runs by its bus name and starts the stand-in service in its place.
class Program : public testing::Test {
protected:
    void SetUp() override {
        corvtest::TestBus::instance();
        stateDir = corvtest::makeTemporaryDir("pmdaemon-service");
        setenv("PMDAEMON_ROOT", root.dir().c_str(), 1);
        setenv("PMDAEMON_SERVER_CHECK",
               "dbus-send --system --print-reply --dest=org.freedesktop.DBus "
               "/org/freedesktop/DBus org.freedesktop.DBus.NameHasOwner string:com.zel.corvane "
               "2>/dev/null | grep -q 'boolean true'",
               1);
        std::string start = shellQuoted(CORVTEST_BT_SERVER) +
                            " --bus=" + shellQuoted(corvtest::TestBus::instance().address()) +
                            " --state-dir=" + shellQuoted(stateDir) +
                            " --scenario=" + shellQuoted(CORVANE_SCENARIOS_DIR "/fast.ini") +
                            " >/dev/null 2>&1 &";
        setenv("PMDAEMON_SERVER_START", start.c_str(), 1);
        ASSERT_EQ(socketpair(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0, uevents), 0);
        setenv("PMDAEMON_UEVENT_FD", std::to_string(uevents[1]).c_str(), 1);
        output = root.path("/daemon.log");
        int log = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        ASSERT_GE(log, 0);
        ASSERT_TRUE(daemon.start({PMDAEMON_TESTABLE_PATH}, {uevents[1]}, log));
        close(log);
        close(uevents[1]);
    }
    void TearDown() override {
        daemon.signal(SIGKILL);
        daemon.waitExit(5000);
        if (pid_t pid = serverPid())
            kill(pid, SIGKILL);
        close(uevents[0]);
        std::error_code ignored;
        std::filesystem::remove_all(stateDir, ignored);
    }

    bool printed(const std::string& line, int timeoutMs = 5000) {
        return corvtest::waitFor(
            [&] { return pmtest::readFile(output).find(line + "\n") != std::string::npos; },
            timeoutMs);
    }

    pmtest::DaemonRoot root;
    std::string stateDir, output;
    int uevents[2] = {-1, -1};
    corvtest::ChildProcess daemon;
};

TEST_F(Program, MonitorStartsTheServiceAgainAfterItWasKilled) {
    ASSERT_TRUE(corvtest::waitFor([] { return serverPid() != 0; }, 5000))
        << pmtest::readFile(output);
    pid_t first = serverPid();
    ASSERT_EQ(kill(first, SIGKILL), 0);
    ASSERT_TRUE(corvtest::waitFor([] { return serverPid() == 0; }, 2000));
    auto killed = std::chrono::steady_clock::now();
    ASSERT_TRUE(corvtest::waitFor([] { return serverPid() != 0; }, 4000));
    auto back = std::chrono::steady_clock::now() - killed;
    EXPECT_LT(back, std::chrono::milliseconds(2500));
    EXPECT_NE(serverPid(), first);
    EXPECT_TRUE(daemon.running());
}

TEST_F(Program, SleepAndAdapterRemovalReachTheService) {
    ASSERT_TRUE(corvtest::waitFor([] { return serverPid() != 0; }, 5000));
    // The state-file detector watches once a state change comes through.
    ASSERT_TRUE(corvtest::waitFor([&] {
        pmtest::writeFile(root.sysState(), "thaw\n");
        return printed("receive event sys_resume_from_hibernate.", 20);
    }));
    ASSERT_EQ(mkfifo(root.fifo().c_str(), 0600), 0);
    int reader = open(root.fifo().c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(reader, 0);

    ASSERT_TRUE(powered());
    pmtest::writeFile(root.sysState(), "suspend\n");  // as the sleep hook does
    ASSERT_TRUE(printed("receive event sys_suspend."));
    pollfd watch{reader, POLLIN, 0};
    ASSERT_EQ(poll(&watch, 1, 5000), 1);
    char notice[8] = {};
    EXPECT_EQ(read(reader, notice, sizeof notice), 4);
    EXPECT_STREQ(notice, "dumb");
    EXPECT_FALSE(powered());
    pmtest::writeFile(root.sysState(), "resume\n");
    ASSERT_TRUE(printed("receive event sys_resume_from_suspend."));
    EXPECT_TRUE(corvtest::waitFor(powered));

    std::string removal = "remove@/devices/usb1/btusb0";
    removal += '\0';
    removal += std::string("ACTION=remove") + '\0' + "DEVPATH=/devices/usb1/btusb0" + '\0';
    ASSERT_EQ(send(uevents[0], removal.data(), removal.size(), 0),
              static_cast<ssize_t>(removal.size()));
    ASSERT_TRUE(printed("receive event hw_unplug."));
    EXPECT_TRUE(corvtest::waitFor([] { return !powered(); }));
    close(reader);
}

TEST(Setup, PutsEveryFileTheDaemonNeedsInPlace) {
    std::string root = corvtest::makeTemporaryDir("pmdaemon-setup");
    setenv("PMDAEMON_ROOT", root.c_str(), 1);
    for (int run = 0; run < 2; ++run) {  // a second run keeps what is there
        corvtest::ChildProcess setup;
        ASSERT_TRUE(setup.start({PMDAEMON_SETUP_TESTABLE_PATH}));
        ASSERT_TRUE(setup.waitExit(5000));
        EXPECT_TRUE(WIFEXITED(setup.status()) && WEXITSTATUS(setup.status()) == 0);
        struct stat info {};
        ASSERT_EQ(stat((root + "/etc/pm/sleep.d/pm-corvane.sh").c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, 0655u);
        ASSERT_EQ(stat((root + "/opt/corvane/pm_tmp").c_str(), &info), 0);
        EXPECT_TRUE(S_ISFIFO(info.st_mode));
        for (const char* state : {"/opt/corvane/sys_pm_state", "/opt/corvane/dev_pm_state"}) {
            ASSERT_EQ(stat((root + state).c_str(), &info), 0) << state;
            EXPECT_TRUE(S_ISREG(info.st_mode)) << state;
        }
        pmtest::writeFile(root + "/opt/corvane/sys_pm_state", "resume\n");
    }
    EXPECT_EQ(pmtest::readFile(root + "/opt/corvane/sys_pm_state"), "resume\n");
    unsetenv("PMDAEMON_ROOT");
    std::filesystem::remove_all(root);
}

}  // namespace
