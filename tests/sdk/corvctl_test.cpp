// corvctl run as a user runs it, against the stand-in service on the test bus.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness.h"
#include "sdk_test_util.h"

namespace {

struct Outcome {
    int status = -1;
    std::string out, err;
};

Outcome corvctl(const std::vector<std::string>& args) {
    std::vector<char*> argv{const_cast<char*>(CORVCTL_PATH)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    Outcome run;
    gchar* out = nullptr;
    gchar* err = nullptr;
    GError* error = nullptr;
    if (!g_spawn_sync(nullptr, argv.data(), nullptr, G_SPAWN_DEFAULT, nullptr, nullptr, &out, &err,
                      &run.status, &error)) {
        ADD_FAILURE() << error->message;
        g_error_free(error);
        return run;
    }
    run.out = out;
    run.err = err;
    g_free(out);
    g_free(err);
    return run;
}

// Runs a shell line with corvctl standing for the program (for piped answers).
Outcome shell(const std::string& line) {
    std::string command = line;
    const std::string path = CORVCTL_PATH;
    for (size_t at = command.find("corvctl "); at != std::string::npos;
         at = command.find("corvctl ", at + path.size())) {
        command.replace(at, 7, path);
    }
    Outcome run;
    gchar* out = nullptr;
    gchar* err = nullptr;
    const char* argv[] = {"/bin/sh", "-c", command.c_str(), nullptr};
    if (g_spawn_sync(nullptr, const_cast<char**>(argv), nullptr, G_SPAWN_DEFAULT, nullptr, nullptr,
                     &out, &err, &run.status, nullptr)) {
        run.out = out;
        run.err = err;
    }
    g_free(out);
    g_free(err);
    return run;
}

int exitCode(const Outcome& run) { return WIFEXITED(run.status) ? WEXITSTATUS(run.status) : -1; }

class Corvctl : public corvtest::ServiceTest {};

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

}  // namespace
