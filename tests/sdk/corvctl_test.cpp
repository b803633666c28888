// corvctl run as a user runs it, against the stand-in service on the test bus.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "corvctl_run.h"
#include "harness.h"
#include "sdk_test_util.h"

using corvtest::corvctl;
using corvtest::exitCode;
using corvtest::Outcome;
using corvtest::shell;

namespace {

class Corvctl : public corvtest::ServiceTest {
protected:
    void TearDown() override {
        if (!service.running()) service.start();
    }
};

TEST_F(Corvctl, InfoShowsTheAdapterAsPeopleWriteIt) {
    Outcome run = corvctl({"info"});
    EXPECT_EQ(exitCode(run), 0) << run.err;
    EXPECT_NE(run.out.find("Name:      Corvane PC\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Address:   00:1B:DC:0F:3A:52\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Class:     0x3E010C\n"), std::string::npos) << run.out;
}

TEST_F(Corvctl, NameIsSetAndReadBack) {
    EXPECT_EQ(exitCode(corvctl({"name", "Desk PC"})), 0);
    Outcome run = corvctl({"name"});
    EXPECT_EQ(run.out, "Desk PC\n");
    EXPECT_EQ(exitCode(corvctl({"name", std::string(256, 'x')})), 2);
}

TEST_F(Corvctl, UsageErrorsAndFailuresExitNonZero) {
    Outcome help = corvctl({"--help"});
    EXPECT_EQ(exitCode(help), 0);
    EXPECT_NE(help.out.find("power on|off"), std::string::npos);
    EXPECT_EQ(exitCode(corvctl({"frobnicate"})), 2);
    EXPECT_EQ(exitCode(corvctl({"power", "maybe"})), 2);

    corvtest::ReplyOverride refused;
    refused.result = 9;
    service.setReply("btsdkinit", "stop_bluetooth", refused);
    Outcome run = corvctl({"power", "off"});
    EXPECT_EQ(exitCode(run), 1);
    EXPECT_NE(run.err.find("corvctl: cannot turn Bluetooth off (result 9)"), std::string::npos)
        << run.err;
}

TEST_F(Corvctl, DevicesAndPairingWithAPipedPin) {
    Outcome devices = corvctl({"devices"});
    EXPECT_EQ(exitCode(devices), 0);
    EXPECT_NE(devices.out.find("5C:F3:70:8A:21:C4  0x5A020C  paired  Nova Phone"), std::string::npos)
        << devices.out;
    EXPECT_EQ(exitCode(corvctl({"unpair", "Nova Phone"})), 0);
    EXPECT_NE(corvctl({"devices"}).out.find("0x5A020C  -       Nova Phone"), std::string::npos);

    Outcome pair = shell("echo 1234 | corvctl pair 5c:f3:70:8a:21:c4");
    EXPECT_EQ(exitCode(pair), 0) << pair.err;
    EXPECT_NE(pair.out.find("PIN for"), std::string::npos) << pair.out;
    EXPECT_NE(corvctl({"devices"}).out.find("0x5A020C  paired  Nova Phone"), std::string::npos);

    EXPECT_EQ(exitCode(corvctl({"unpair", "no such device"})), 1);
}

TEST_F(Corvctl, ServicesServersAndConnections) {
    Outcome services = corvctl({"services", "Nova Phone"});
    EXPECT_EQ(exitCode(services), 0) << services.err;
    EXPECT_NE(services.out.find("4    0x1106  OBEX File Transfer\n"), std::string::npos) << services.out;
    EXPECT_NE(services.out.find("7    0x1101  Serial Port\n"), std::string::npos) << services.out;

    // The default world's servers ask remote devices for a passkey.
    Outcome servers = corvctl({"servers"});
    EXPECT_NE(servers.out.find("13   0x1106  running  File Transfer  (secure)\n"), std::string::npos) << servers.out;
    EXPECT_NE(servers.out.find("15   0x1101  stopped  Serial Port  (secure)\n"), std::string::npos) << servers.out;
    EXPECT_EQ(corvctl({"server", "start", "15"}).out, "server 15 started\n");
    EXPECT_NE(corvctl({"servers"}).out.find("15   0x1101  running  Serial Port"), std::string::npos);
    Outcome unknown = corvctl({"server", "stop", "999"});
    EXPECT_EQ(exitCode(unknown), 1);
    EXPECT_NE(unknown.err.find("(result 4)"), std::string::npos) << unknown.err;

    Outcome connect = corvctl({"connect", "Nova Phone", "0x1101"});
    ASSERT_EQ(exitCode(connect), 0) << connect.err;
    ASSERT_EQ(connect.out.rfind("connection ", 0), 0u) << connect.out;
    std::string handle = connect.out.substr(11, connect.out.find(' ', 11) - 11);
    Outcome listed = corvctl({"connections"});
    EXPECT_EQ(listed.out.rfind(handle, 0), 0u) << listed.out;
    EXPECT_NE(listed.out.find(" out device 1    0x1101"), std::string::npos) << listed.out;
    EXPECT_EQ(corvctl({"disconnect", handle}).out, "connection " + handle + " closed\n");
    EXPECT_EQ(corvctl({"connections"}).out, "");

    Outcome absent = corvctl({"connect", "Nova Phone", "0x1124"});
    EXPECT_EQ(exitCode(absent), 1);
    EXPECT_NE(absent.err.find("(result 9)"), std::string::npos) << absent.err;
    EXPECT_EQ(exitCode(corvctl({"connect", "Nova Phone", "file transfer"})), 2);
}

TEST_F(Corvctl, ShortcutsAreAddedConnectedAndDeleted) {
    EXPECT_EQ(corvctl({"shortcuts"}).out, "");
    Outcome add = corvctl({"shortcut", "add", "Nova Phone", "4"});
    ASSERT_EQ(exitCode(add), 0) << add.err;
    ASSERT_EQ(add.out.rfind("shortcut ", 0), 0u) << add.out;
    std::string handle = add.out.substr(9, add.out.size() - 10);
    Outcome listed = corvctl({"shortcuts"});
    EXPECT_NE(listed.out.find("device 1    0x1106  -          OBEX File Transfer"), std::string::npos)
        << listed.out;

    Outcome connect = corvctl({"shortcut", "connect", handle});
    EXPECT_EQ(exitCode(connect), 0) << connect.err;
    EXPECT_NE(connect.out.find("shortcut " + handle + " connected (connection "), std::string::npos);
    EXPECT_NE(corvctl({"shortcuts"}).out.find("connected"), std::string::npos);
    EXPECT_EQ(corvctl({"shortcut", "disconnect", handle}).out, "shortcut " + handle + " disconnected\n");
    EXPECT_EQ(corvctl({"shortcut", "delete", handle}).out, "shortcut " + handle + " deleted\n");
    EXPECT_EQ(corvctl({"shortcuts"}).out, "");

    Outcome gone = corvctl({"shortcut", "connect", handle});
    EXPECT_EQ(exitCode(gone), 1);
    EXPECT_NE(gone.err.find("(result 4)"), std::string::npos) << gone.err;
    EXPECT_EQ(exitCode(corvctl({"shortcut", "rename", handle})), 2);
    EXPECT_EQ(exitCode(corvctl({"shortcut", "add", "Nova Phone", "999"})), 1);
}

// A command of every family: the adapter, devices, services and connections, shortcuts,
// file transfer and the profiles.
TEST_F(Corvctl, EveryCommandFailsWhenTheServiceIsAbsent) {
    service.stop();
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"info"}, {"name"}, {"power", "on"}, {"discover", "1"}, {"devices"},
             {"pair", "Nova Phone"}, {"services", "Nova Phone"}, {"servers"},
             {"connect", "Nova Phone", "0x1101"}, {"connections"}, {"shortcuts"},
             {"shortcut", "connect", "1"}, {"ftp", "1", "pwd"}, {"push", "Nova Phone", "/etc/hostname"},
             {"dial", "1", "*99#"}, {"hangup"}}) {
        Outcome run = corvctl(args);
        EXPECT_EQ(exitCode(run), 1) << args[0];
        EXPECT_NE(run.err.find("corvctl: the Bluetooth service is not running"), std::string::npos)
            << args[0] << ": " << run.err;
        EXPECT_EQ(run.out, "") << args[0];
    }
}

// Calls that fail on the bus, and answers that refuse, in the middle of a command: it
// says which part failed and exits 1, whatever it printed before.
TEST_F(Corvctl, ACallThatFailsMidwayFailsTheCommand) {
    Outcome connect = corvctl({"connect", "Nova Phone", "0x1106"});
    ASSERT_EQ(exitCode(connect), 0) << connect.err;
    std::string connection = connect.out.substr(11, connect.out.size() - 12);
    ASSERT_EQ(exitCode(corvctl({"shortcut", "add", "Nova Phone", "4"})), 0);

    corvtest::ReplyOverride broken;
    broken.error = "org.freedesktop.DBus.Error.Failed";
    broken.message = "the stand-in fails this call";
    corvtest::ReplyOverride refused;
    refused.result = 4;
    struct Case {
        const char* interface;
        const char* method;
        const corvtest::ReplyOverride& reply;
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {"btsdklocal", "get_discovery_mode", broken, {"info"}, "cannot read the discovery mode"},
        {"btsdkrmt", "is_device_paired", refused, {"devices"}, "cannot describe every known device"},
        {"btsdkrmt", "end_enum_remote_device", refused, {"trust", "Nova Phone"},
         "cannot list the known devices (result 4)"},
        {"btsdksvc", "get_server_status", broken, {"servers"}, "cannot read the status of every server"},
        {"btsdkconn", "end_enum_connection", refused, {"connections"}, "cannot list the connections (result 4)"},
        {"btsdkshc", "get_shortcut_property", broken, {"shortcuts"}, "cannot read every shortcut"},
        {"btsdkftp", "get_rmt_dir", broken, {"ftp", connection, "ls"}, "cannot read the current folder"},
        {"btsdkopp", "push_obj", broken, {"push", "Nova Phone", "/etc/hostname"}, "cannot push /etc/hostname"},
    };
    for (const Case& c : cases) {
        service.clearReplies();
        service.setReply(c.interface, c.method, c.reply);
        Outcome run = corvctl(c.args);
        EXPECT_EQ(exitCode(run), 1) << c.method << ": " << run.out;
        EXPECT_NE(run.err.find(std::string("corvctl: ") + c.message), std::string::npos)
            << c.method << ": " << run.err;
    }
}

}  // namespace
