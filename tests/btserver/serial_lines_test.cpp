// The pseudo-terminals of serial connections on services_fast.ini, used as a terminal
// program uses them: the phone's serial port echoes, its dial-up service is a modem, a
// device connecting to a local serial server gets one too, and each link goes with its
// connection.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "serial_terminal.h"
#include "service_world.h"
#include "temporary_dir.h"

using bttest::Answer;
using bttest::Bytes;
using bttest::callArea;
using bttest::word32;
using corvtest::readUntil;

namespace {

std::string devicePath(uint32_t port) {
    return corvtest::StandInService::instance().deviceDir() + "/ttyB" + std::to_string(port);
}

bool linked(uint32_t port) {
    struct stat info {};
    return lstat(devicePath(port).c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

int openTerminal(uint32_t port) { return corvtest::openTerminal(devicePath(port)); }

uint32_t connectOnPort(uint32_t serviceClass, uint8_t port) {
    Bytes block = {8, 0, 0, 0, 0, 0, port, 0};
    Answer made = callArea("btsdkconn", "connect_ex",
                           g_variant_new("(uu@ay)", bttest::kPhone, serviceClass,
                                         bttest::bytes(block)));
    EXPECT_EQ(made.u(1), 0u);
    return made.u(0);
}

Bytes property(uint32_t connection) {
    return callArea("btsdkconn", "get_connection_property", g_variant_new("(u)", connection))
        .ay(0);
}

void disconnect(uint32_t connection) {
    EXPECT_EQ(callArea("btsdkconn", "disconnect", g_variant_new("(u)", connection)).u(0), 0u);
}

class SerialLines : public bttest::ServiceWorld {};

TEST_F(SerialLines, TheEchoSendsBackWhatIsWrittenAndTheConnectionCountsIt) {
    uint32_t connection = connectOnPort(0x1101, 5);
    ASSERT_TRUE(linked(5));
    int fd = openTerminal(5);
    ASSERT_GE(fd, 0);
    const std::string text = "hello\r\n\x01\xff";
    ASSERT_EQ(write(fd, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    EXPECT_EQ(readUntil(fd, "\xff"), text);
    close(fd);
    Bytes record = property(connection);
    EXPECT_EQ(word32(record, 20), text.size());  // received from the device
    EXPECT_EQ(word32(record, 24), text.size());  // sent to it
    disconnect(connection);
    EXPECT_FALSE(linked(5));
}

TEST_F(SerialLines, TheDialUpModemAnswersAtCommands) {
    struct Case {
        const char* command;
        const char* answer;
    };
    const Case cases[] = {
        {"AT\r", "\r\nOK\r\n"},
        {"ati\r", "\r\nNova Phone\r\n\r\nOK\r\n"},
        {"AT+CGDCONT?\r", "\r\n+CGDCONT: 1,\"IP\",\"internet\",\"0.0.0.0\",0,0\r\n\r\nOK\r\n"},
        {"ATD*99#\r", "\r\nCONNECT\r\n"},
        {"ATDT*99***1#\r\n", "\r\nCONNECT\r\n"},
        {"ATD*99***2#\r", "\r\nBUSY\r\n"},
        {"ATD555\r", "\r\nNO CARRIER\r\n"},
        {"ATH\r", "\r\nOK\r\n"},
        {"ATX9\r", "\r\nERROR\r\n"},
    };
    uint32_t connection = connectOnPort(0x1103, 8);
    int fd = openTerminal(8);
    ASSERT_GE(fd, 0);
    for (const Case& c : cases) {
        std::string command = c.command, answer = c.answer;
        // Written in two pieces: a command counts once its line ends.
        ASSERT_EQ(write(fd, command.data(), 2), 2);
        ASSERT_EQ(write(fd, command.data() + 2, command.size() - 2),
                  static_cast<ssize_t>(command.size() - 2));
        EXPECT_EQ(readUntil(fd, answer), answer) << c.command;
    }
    close(fd);
    disconnect(connection);
}

TEST_F(SerialLines, ADeviceConnectingToALocalSerialServerGetsOneOnTheServersPort) {
    uint32_t server =
        callArea("btsdkspp", "register_spp_service", g_variant_new("(u)", 6u)).u(0);
    ASSERT_NE(server, 0u);
    ASSERT_EQ(callArea("btsdksvc", "start_server", g_variant_new("(u)", server)).u(0), 0u);
    ASSERT_TRUE(bttest::control("ConnectToServer", g_variant_new("(su)", "phone", server)).ok());
    ASSERT_TRUE(linked(6));
    int fd = openTerminal(6);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(write(fd, "ping", 4), 4);
    EXPECT_EQ(readUntil(fd, "ping"), "ping");
    close(fd);
    ASSERT_EQ(callArea("btsdkspp", "unregister_spp_service", g_variant_new("(u)", server)).u(0),
              0u);
    EXPECT_FALSE(linked(6));
}

TEST_F(SerialLines, ScenarioConnectionsToASerialServerHaveOneFromEveryReset) {
    std::string dir = corvtest::makeTemporaryDir("serial-scenario");
    std::ofstream(dir + "/world.ini") << "[Device phone]\nAddress=5C:F3:70:8A:21:C4\n"
                                         "[Server spp]\nClass=0x1101\nStatus=1\n"
                                         "Connected=phone\nSerial=modem\n";
    service.loadScenario(dir + "/world.ini");
    for (int round = 0; round < 2; ++round) {  // as loaded, then after a reset
        ASSERT_TRUE(linked(3)) << round;
        int fd = openTerminal(3);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(write(fd, "AT\r", 3), 3);
        EXPECT_EQ(readUntil(fd, "OK\r\n"), "\r\nOK\r\n");
        close(fd);
        ASSERT_TRUE(bttest::control("Reset").ok());
    }
    std::filesystem::remove_all(dir);
}

}  // namespace
