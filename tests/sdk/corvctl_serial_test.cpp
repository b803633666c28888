// corvctl's serial connections: the device a terminal program opens for each, against the
// stand-in service on the test bus.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "corvctl_run.h"
#include "harness.h"
#include "sdk_test_util.h"
#include "serial_terminal.h"

using corvtest::corvctl;
using corvtest::exitCode;
using corvtest::Outcome;

namespace {

class Corvctl : public corvtest::ServiceTest {};

// A serial port or dial-up connection names the device a terminal program opens, on the
// COM port asked for or the next free one; what is written there reaches the device's far
// end (the phone's serial port echoes, its dial-up service is a modem).
TEST_F(Corvctl, SerialConnectionsNameTheirDevice) {
    struct Case {
        std::vector<std::string> args;
        int port;
        std::string written, answer;
    };
    const Case cases[] = {
        {{"connect", "Nova Phone", "0x1101"}, 3, "hello", "hello"},
        {{"connect", "Nova Phone", "0x1101", "--port", "7"}, 7, "ping", "ping"},
        {{"connect", "Nova Phone", "0x1103", "--port", "0x10"}, 16, "AT\r", "\r\nOK\r\n"},
    };
    for (const Case& c : cases) {
        Outcome connect = corvctl(c.args);
        ASSERT_EQ(exitCode(connect), 0) << connect.err;
        std::string handle = connect.out.substr(11, connect.out.find(' ', 11) - 11);
        const std::string device = service.deviceDir() + "/ttyB" + std::to_string(c.port);
        EXPECT_EQ(connect.out, "connection " + handle + " on " + device + "\n");
        EXPECT_NE(corvctl({"connections"}).out.find("out  on " + device + "\n"), std::string::npos)
            << c.port;

        int fd = corvtest::openTerminal(device);
        ASSERT_GE(fd, 0) << device;
        EXPECT_EQ(write(fd, c.written.data(), c.written.size()), static_cast<ssize_t>(c.written.size()));
        EXPECT_EQ(corvtest::readUntil(fd, c.answer), c.answer) << c.port;
        close(fd);
        EXPECT_EQ(exitCode(corvctl({"disconnect", handle})), 0);
    }
}

// A serial service whose far end has no terminal (Serial=none): the port, and no device.
TEST_F(Corvctl, ASerialConnectionWithoutATerminalNamesItsPort) {
    service.loadScenario(CORVANE_SCENARIOS_DIR "/status_fast.ini");
    Outcome connect = corvctl({"connect", "Nova Phone", "0x1101", "--port", "5"});
    service.loadScenario(CORVANE_SCENARIOS_DIR "/default.ini");
    ASSERT_EQ(exitCode(connect), 0) << connect.err;
    EXPECT_EQ(connect.out.substr(connect.out.find(' ', 11)), " on port 5 (no device)\n") << connect.out;
}

TEST_F(Corvctl, ConnectTakesAPortOnlyForSerialClasses) {
    struct Case {
        std::vector<std::string> args;
        int exit;
    };
    const Case cases[] = {
        {{"connect", "Nova Phone", "0x1106", "--port", "5"}, 2},
        {{"connect", "Nova Phone", "0x1101", "--port", "0"}, 2},
        {{"connect", "Nova Phone", "0x1101", "--port", "65536"}, 2},
        {{"connect", "Nova Phone", "0x1101", "--port"}, 2},
        {{"connect", "Nova Phone", "0x1101", "5"}, 2},
        {{"connect", "Nova Phone", "0x1101", "--port", "9"}, 0},
        {{"connect", "Nova Phone", "0x1103", "--port", "9"}, 1},  // the first one has it
    };
    for (const Case& c : cases) {
        Outcome run = corvctl(c.args);
        EXPECT_EQ(exitCode(run), c.exit) << c.args[2] << " " << c.args.back() << ": " << run.err;
    }
}

}  // namespace
