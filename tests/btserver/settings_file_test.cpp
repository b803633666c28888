// write_private_profile_string and write_private_profile_int on real files: what the
// service creates, what it replaces in place, and that it replaces files atomically.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "harness.h"
#include "service_client.h"

namespace {

class SettingsFile : public testing::Test {
protected:
    corvtest::StandInService& service = corvtest::StandInService::instance();
    std::string folder;

    void SetUp() override {
        service.reset();
        folder = service.stateDir() + "/settings-" +
                 testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    uint32_t write(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& file) {
        return bttest::callArea("btsdkinit", "write_private_profile_string",
                                g_variant_new("(ssss)", section.c_str(), key.c_str(), value.c_str(),
                                              file.c_str()))
            .u(0);
    }
    uint32_t writeInt(const std::string& section, const std::string& key, uint32_t value,
                      const std::string& file) {
        return bttest::callArea(
                   "btsdkinit", "write_private_profile_int",
                   g_variant_new("(ssus)", section.c_str(), key.c_str(), value, file.c_str()))
            .u(0);
    }
    static std::string read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
};

TEST_F(SettingsFile, CreatesTheFileTheSectionAndTheKey) {
    std::string name = "settings-" +
                       std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) +
                       "/BtSettings.INI";  // relative: a file of the state folder
    std::string path = service.stateDir() + "/" + name;
    EXPECT_EQ(write("FTPSERVER", "SHAREFOLDER", "/home/user/Shared Files", name), 0u);
    EXPECT_EQ(read(path), "[FTPSERVER]\nSHAREFOLDER=/home/user/Shared Files\n");
    EXPECT_EQ(write("FTPSERVER", "status", "enable", name), 0u);
    EXPECT_EQ(writeInt("PANSERVER", "DESIRED_ACCESS", 3, name), 0u);
    EXPECT_EQ(read(path),
              "[FTPSERVER]\nSHAREFOLDER=/home/user/Shared Files\nstatus=enable\n"
              "\n[PANSERVER]\nDESIRED_ACCESS=3\n");
}

TEST_F(SettingsFile, ReplacesTheFirstEntryInPlaceAndKeepsEveryOtherLine) {
    std::string path = folder + "/kept.ini";  // absolute: written there
    const std::string before =
        "# settings of the suite\n"
        "[Profiles]\n"
        "status=first section, other name\n"
        "\n"
        "[ftpserver]\n"
        "SHAREFOLDER =spaced, not this key\n"
        "#status=commented out\n"
        "Status=old\n"
        "status=second entry\n"
        "\n"
        "[Later]\n"
        "x=1\r\n"
        "[FTPServer]\n"
        "other=kept\n";
    std::ofstream(path) << before;
    EXPECT_EQ(write("FTPSERVER", "status", "enable", path), 0u);
    std::string expected = before;
    expected.replace(expected.find("Status=old"), 10, "status=enable");
    EXPECT_EQ(read(path), expected);

    // A key found only in a later occurrence of the section is replaced there; a missing
    // one goes to the end of the first occurrence, before its blank line.
    EXPECT_EQ(write("FTPSERVER", "OTHER", "changed", path), 0u);
    EXPECT_EQ(write("FTPSERVER", "SHAREFOLDER", "/srv", path), 0u);
    expected.replace(expected.find("other=kept"), 10, "OTHER=changed");
    expected.insert(expected.find("\n\n[Later]") + 1, "SHAREFOLDER=/srv\n");
    EXPECT_EQ(read(path), expected);
}

TEST_F(SettingsFile, ReplacesTheFileAtomicallyKeepingItsMode) {
    std::string path = folder + "/atomic.ini";
    std::ofstream(path) << "[S]\nk=old\n";
    ASSERT_EQ(chmod(path.c_str(), 0600), 0);
    struct stat before {
    }, after{};
    ASSERT_EQ(stat(path.c_str(), &before), 0);
    EXPECT_EQ(write("S", "k", "new", path), 0u);
    ASSERT_EQ(stat(path.c_str(), &after), 0);
    EXPECT_NE(before.st_ino, after.st_ino);  // a new file renamed into place, not rewritten
    EXPECT_EQ(after.st_mode & 0777, 0600u);
    EXPECT_EQ(read(path), "[S]\nk=new\n");
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        EXPECT_EQ(entry.path().filename(), "atomic.ini");  // no temporary file left
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

TEST_F(SettingsFile, IntegersAreWrittenAsSignedDecimals) {
    std::string path = folder + "/int.ini";
    EXPECT_EQ(writeInt("SPPSERVER1", "VIRTUALDEV", 42, path), 0u);
    EXPECT_EQ(writeInt("DunClient", "VIRTUALDEV", 0xFFFFFFFF, path), 0u);
    EXPECT_EQ(read(path), "[SPPSERVER1]\nVIRTUALDEV=42\n\n[DunClient]\nVIRTUALDEV=-1\n");
}

TEST_F(SettingsFile, RefusesWhatItCannotWriteAndLeavesTheFileAlone) {
    std::string path = folder + "/refused.ini";
    std::ofstream(path) << "[S]\nk=v\n";
    EXPECT_NE(write("S", "k", "two\nlines", path), 0u);
    EXPECT_NE(write("S", "k", "a\ttab", path), 0u);
    EXPECT_NE(write("S", "k=x", "v", path), 0u);
    EXPECT_NE(write("", "k", "v", path), 0u);
    EXPECT_NE(write("S", "k", std::string(600, 'v'), path), 0u);  // longer than a reader's line
    EXPECT_EQ(read(path), "[S]\nk=v\n");
    EXPECT_NE(write("S", "k", "v", folder + "/missing/folder.ini"), 0u);
    EXPECT_NE(write("S", "k", "v", ""), 0u);
    EXPECT_NE(write("S", "k", "v", folder), 0u);  // a folder, not a file
    EXPECT_NE(writeInt("S", "k", 1, folder + "/missing/folder.ini"), 0u);
}

}  // namespace
