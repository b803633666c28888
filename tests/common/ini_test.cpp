// The settings reader and writer on real files.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "cvcommon/profile_ini.h"

namespace {

class Ini : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/cvini-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        path_ = dir_ + "/BtSettings.INI";
    }
    void TearDown() override { std::system(("rm -rf " + dir_).c_str()); }

    void write(const std::string& text) { std::ofstream(path_, std::ios::binary) << text; }
    std::string content() const {
        std::ifstream in(path_, std::ios::binary);
        std::stringstream all;
        all << in.rdbuf();
        return all.str();
    }
    std::string get(const char* section, const char* key, const char* def = "def") const {
        char out[64] = {};
        int length = GetPrivateProfileString(section, key, def, out, sizeof out, path_.c_str());
        EXPECT_EQ(length, static_cast<int>(strlen(out)));
        return out;
    }
    int number(const char* key, int def = -7) const {
        return GetPrivateProfileInt("N", key, def, path_.c_str());
    }
    int put(const char* section, const char* key, const char* value) const {
        return WritePrivateProfileString(section, key, value, path_.c_str());
    }

    std::string dir_, path_;
};

TEST_F(Ini, ReaderFindsKeysWithoutRegardToCaseInEveryOccurrenceOfASection) {
    write("top=1\n[Profiles]\nnumber=2\n[Other]\nkey=x\n[profiles]\nLast=3\n");
    EXPECT_EQ(get("PROFILES", "NUMBER"), "2");
    EXPECT_EQ(get("Profiles", "last"), "3");  // the second occurrence is searched too
    EXPECT_EQ(get("Profiles", "top"), "def");   // outside every section
    EXPECT_EQ(get("Missing", "key"), "def");
    EXPECT_EQ(get("Profiles", "missing"), "def");
}

TEST_F(Ini, ReaderValuesKeepEqualsSignsAndSpacesButEndAtATab) {
    write("[S]\nurl=a=b c\nspaced = v\nbare=v\nlead= v\ntabbed\tvalue\nend=one\ttwo\n"
          "empty=\nempty=later\n[Name With Spaces]\nk=ok\n");
    EXPECT_EQ(get("S", "url"), "a=b c");
    EXPECT_EQ(get("S", "spaced"), "def");  // its key is "spaced "
    EXPECT_EQ(get("S", "spaced "), " v");
    EXPECT_EQ(get("S", "BARE"), "v");
    EXPECT_EQ(get("S", "lead"), " v");
    EXPECT_EQ(get("S", "tabbed"), "value");  // a TAB separates like "="
    EXPECT_EQ(get("S", "end"), "one");
    EXPECT_EQ(get("S", "empty"), "later");  // the empty one is passed over
    EXPECT_EQ(get("Name With Spaces", "k"), "ok");
}

TEST_F(Ini, CrLfFilesAreReadButNotRewritten) {
    write("[S]\r\nkey=value\r\n[T]\r\nother=1\r\n");
    EXPECT_EQ(get("S", "key"), "value");
    EXPECT_EQ(get("T", "other"), "1");
    EXPECT_EQ(put("S", "key", "new"), 0);
    EXPECT_EQ(content(), "[S]\r\nkey=value\r\n[T]\r\nother=1\r\n");
}

TEST_F(Ini, AHeaderOnALastLineWithoutLineEndIsNoSection) {
    write("[A]\nk=1\n[B]");
    EXPECT_EQ(get("B", "k"), "def");
    EXPECT_EQ(put("B", "k", "2"), 0);
    write("[A]\nk=1\n[B]\nk=2");  // the value on a last line without line end is read
    EXPECT_EQ(get("B", "k"), "2");
}

TEST_F(Ini, NumbersNeedTheirWholeText) {
    write("[N]\nhex=0x12\noct=012\ndec=12\nspace=12 \ntext=abc\nneg=-5\nempty=\n");
    EXPECT_EQ(number("hex"), 18);
    EXPECT_EQ(number("oct"), 10);
    EXPECT_EQ(number("dec"), 12);
    EXPECT_EQ(number("space"), -7);
    EXPECT_EQ(number("text"), -7);
    EXPECT_EQ(number("neg"), -5);
    EXPECT_EQ(number("empty"), -7);
    EXPECT_EQ(number("missing"), -7);
}

// A value as long as the caller's buffer or longer is cut so that the text keeps its NUL.
TEST_F(Ini, AValueAsLongAsTheBufferIsCutAndTerminated) {
    write("[S]\nfour=abcd\nlong=abcdefghij\n");
    char out[5];
    memset(out, 'X', sizeof out);
    EXPECT_EQ(GetPrivateProfileString("S", "four", "", out, sizeof out, path_.c_str()), 4);
    EXPECT_STREQ(out, "abcd");
    memset(out, 'X', sizeof out);
    EXPECT_EQ(GetPrivateProfileString("S", "long", "", out, sizeof out, path_.c_str()), 4);
    EXPECT_STREQ(out, "abcd");
    memset(out, 'X', sizeof out);
    EXPECT_EQ(GetPrivateProfileString("S", "none", "defaults", out, sizeof out, path_.c_str()), 4);
    EXPECT_STREQ(out, "defa");
    EXPECT_EQ(GetPrivateProfileString("S", "four", "", out, 0, path_.c_str()), 0);
    EXPECT_EQ(out[0], 'd');  // untouched
}

TEST_F(Ini, AMissingFileGivesTheDefaultAndIsNeverCreated) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(get("S", "k", "fallback"), "fallback");
    EXPECT_NE(testing::internal::GetCapturedStderr().find("open file: "), std::string::npos);
    EXPECT_EQ(put("S", "k", "v"), 0);
    EXPECT_NE(access(path_.c_str(), F_OK), 0);
}

TEST_F(Ini, WriterReplacesOnlyAnExistingKeyWithTheKeyAsTheCallerWroteIt) {
    const std::string before = "# comment=1\n[Other]\nPort=1\n[SPPSERVER1]\n  VirtualDev=3\nx = y\n"
                               "[sppserver1]\nVIRTUALDEV=9\n";
    write(before);
    // The reader does not skip spaces before a key: "  VirtualDev" is not the bare key,
    // the next occurrence of the section has it.
    EXPECT_EQ(get("SPPSERVER1", "VirtualDev"), "9");
    EXPECT_EQ(put("SPPServer1", "VIRTUALDEV", "5"), 1);
    EXPECT_EQ(content(), "# comment=1\n[Other]\nPort=1\n[SPPSERVER1]\nVIRTUALDEV=5\nx = y\n"
                         "[sppserver1]\nVIRTUALDEV=9\n");
    EXPECT_EQ(put("SPPSERVER1", "x", "z"), 0);         // its key is "x "
    EXPECT_EQ(put("SPPSERVER1", "x ", "z"), 1);
    EXPECT_EQ(put("Other", "missing", "1"), 0);
    EXPECT_EQ(put("Missing", "Port", "1"), 0);
    EXPECT_EQ(put("Other", "Port", "two\nlines"), 0);  // would add a line of its own
    EXPECT_EQ(WritePrivateProfileInt("Other", "port", -12, path_.c_str()), 1);
    EXPECT_EQ(get("Other", "Port"), "-12");
    EXPECT_EQ(content().find("port=-12\n"), before.find("Port=1"));
}

TEST_F(Ini, WriterSearchesRepeatedSectionsAndSkipsComments) {
    write("[S]\n#key=old\na=1\n[S]\nkey=old\n");
    EXPECT_EQ(put("s", "KEY", "new"), 1);
    EXPECT_EQ(content(), "[S]\n#key=old\na=1\n[S]\nKEY=new\n");
}

TEST_F(Ini, ARewriteLargerThanTheLimitLeavesTheFileUntouched) {
    std::string big = "[S]\nkey=v\n" + std::string(8180, '#') + "\n";
    big.resize(8190);
    big.back() = '\n';
    write(big);
    EXPECT_EQ(put("S", "key", "vv"), 1);  // 8191 bytes fit
    EXPECT_EQ(put("S", "key", std::string(20, 'w').c_str()), 0);
    EXPECT_EQ(get("S", "key"), "vv");
}

TEST_F(Ini, ARewriteKeepsTheModeAndFollowsALink) {
    write("[S]\nk=1\n");
    chmod(path_.c_str(), 0640);
    std::string link = dir_ + "/link.INI";
    ASSERT_EQ(symlink(path_.c_str(), link.c_str()), 0);
    EXPECT_EQ(WritePrivateProfileString("S", "k", "2", link.c_str()), 1);
    struct stat info {};
    ASSERT_EQ(lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    ASSERT_EQ(stat(path_.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(get("S", "k"), "2");
}

// A write that fails half-way (the file-size limit stands in for a full disk) returns 0
// and leaves the previous content whole; no temporary file stays behind.
TEST_F(Ini, AFailedWriteKeepsThePreviousContent) {
    std::string before = "[S]\nkey=old\n" + std::string(3000, '#') + "\n";
    write(before);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{1024, 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(put("S", "key", "new"));
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(content(), before);
    EXPECT_EQ(std::system(("test $(ls " + dir_ + " | wc -l) -eq 1").c_str()), 0);
}

// The shipped settings file has a line for every key the suite reads or writes (the
// writer never adds one), and the provider files have the keys the dial-up pages list.
TEST(ShippedSettings, HaveEveryKeyOfTheSuite) {
    const char* settings = CORVANE_DATA_DIR "/BtSettings.INI";
    // Writing a key's own value back succeeds only where the key has a line; empty
    // values read as missing, so reading alone would not tell.
    char copy[] = "/tmp/cvini-shipped-XXXXXX";
    ASSERT_NE(mkdtemp(copy), nullptr);
    std::string file = std::string(copy) + "/BtSettings.INI";
    ASSERT_EQ(std::system(("cp " + std::string(settings) + " " + file).c_str()), 0);
    const std::pair<const char*, const char*> keys[] = {
        {"Profiles", "number"}, {"Profiles", "Profile1"}, {"Skin", "SkinRoot"}, {"Skin", "scheme"},
        {"FTPSERVER", "status"}, {"FTPSERVER", "SHAREFOLDER"}, {"FTPSERVER", "DESIRED_ACCESS"},
        {"FtpClient", "DefaultLocalFolder"}, {"OPPSERVER", "status"}, {"OPPSERVER", "INBOXFOLDER"},
        {"OPPSERVER", "OUTBOXFOLDER"}, {"OPPSERVER", "OWNCARDNAME"}, {"OPPSERVER", "SENDFOLDER"},
        {"OPPSERVER", "VCARD_SUPPORT"}, {"SPPSERVER1", "VIRTUALDEV"}, {"SPPSERVER1", "status"},
        {"SPPSERVER2", "VIRTUALDEV"}, {"SPPSERVER2", "status"}, {"SPPCLIENT1", "VIRTUALDEV"},
        {"SPPCLIENT2", "VIRTUALDEV"}, {"DunClient", "VIRTUALDEV"}, {"PANSERVER", "status"},
        {"PANSERVER", "GNIP"}, {"PANSERVER", "PANUIP"}};
    for (const auto& [section, key] : keys) {
        char before[300] = {};
        GetPrivateProfileString(section, key, "", before, sizeof before, file.c_str());
        EXPECT_EQ(WritePrivateProfileString(section, key, before, file.c_str()), 1)
            << section << "/" << key;
    }
    std::system(("rm -rf " + std::string(copy)).c_str());

    char countries[5000] = {};
    GetPrivateProfileString("Country Provider", "Country", "", countries, sizeof countries,
                            CORVANE_DATA_DIR "/ZELProvider.INI");
    EXPECT_NE(std::string(countries).find("Germany;"), std::string::npos);
    char providers[260] = {};
    GetPrivateProfileString("Country Provider", "Germany", "", providers, sizeof providers,
                            CORVANE_DATA_DIR "/ZELProvider.INI");
    char networks[260] = {};
    std::string first = std::string(providers).substr(0, std::string(providers).find(';'));
    GetPrivateProfileString(first.c_str(), "Network", "", networks, sizeof networks,
                            CORVANE_DATA_DIR "/ZELMobile.INI");
    EXPECT_STRNE(networks, "");
}

// The shipped defaults expose nothing: the shared folder is read-only, no folder is one
// that every local user may write (such as /tmp), each sits under "/home/user" where the
// shared-folder check puts the login name in place of "user", and the simulated world's
// servers ask remote devices for a passkey.
TEST(ShippedSettings, AreSafe) {
    const char* settings = CORVANE_DATA_DIR "/BtSettings.INI";
    EXPECT_EQ(GetPrivateProfileInt("FTPSERVER", "DESIRED_ACCESS", 1, settings), 2);
    const std::pair<const char*, const char*> folders[] = {{"FTPSERVER", "SHAREFOLDER"},
                                                           {"FtpClient", "DefaultLocalFolder"},
                                                           {"OPPSERVER", "INBOXFOLDER"},
                                                           {"OPPSERVER", "OUTBOXFOLDER"},
                                                           {"OPPSERVER", "SENDFOLDER"}};
    for (const auto& [section, key] : folders) {
        char folder[260] = {};
        GetPrivateProfileString(section, key, "", folder, sizeof folder, settings);
        const std::string path(folder);
        EXPECT_TRUE(path == "/home/user" || path.rfind("/home/user/", 0) == 0) << section << "/" << key << ": " << path;
    }
    for (const char* server : {"Server ftp", "Server opp", "Server spp", "Server pan", "Server ag"})
        EXPECT_NE(GetPrivateProfileInt(server, "Security", 0, CORVANE_DATA_DIR "/scenarios/default.ini") & 7, 0)
            << server;
}

TEST(IniLines, LtrimAndTheWritersKey) {
    char spaced[] = "  \tx";
    EXPECT_STREQ(ltrim(spaced), "\tx");  // spaces only
    char line[] = "  Key =value\n";
    char* key = getlname(line, '=');
    ASSERT_NE(key, nullptr);
    EXPECT_STREQ(key, "Key ");
    free(key);
    char comment[] = "#k=v\n";
    EXPECT_EQ(getlname(comment, '='), nullptr);
    char none[] = "no separator\n";
    EXPECT_EQ(getlname(none, '='), nullptr);
}

}  // namespace
