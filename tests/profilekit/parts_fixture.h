// The parts test plug-in loaded with QLibrary, its plug-in object made for each test, on
// the status window's world of the stand-in service.
#pragma once

#include <gtest/gtest.h>

#include <QLibrary>

#include <string>
#include <vector>

#include "cvcommon/profile_plugin.h"
#include "harness.h"

namespace pktest {

// status_world.ini
constexpr unsigned int kPhone = 1, kStick = 4, kPhoneFtp = 5;
constexpr unsigned int kServerSpp = 9, kServerFtp = 10, kServerOpp = 11;

class PartsPlugin : public testing::Test {
protected:
    corvtest::StandInService& service = corvtest::StandInService::instance();
    QLibrary library{QStringLiteral(PARTS_PLUGIN)};

    void SetUp() override;
    void TearDown() override;

    template <typename Func>
    Func entry(const char* name) {
        auto function = reinterpret_cast<Func>(library.resolve(name));
        EXPECT_NE(function, nullptr) << name;
        return function;
    }
    void init() { entry<InitProfileFunc>("InitProfile")(nullptr); }
    void uninit() { entry<UninitProfileFunc>("UninitProfile")(); }

    static unsigned short serverStatus(unsigned int server);
    static std::string settingsFile();
    // The settings writes the service received: section, key, value, file.
    std::vector<std::vector<std::string>> settingsWritten();
    unsigned int phoneShortcut();
};

}  // namespace pktest
