// The skin's picture requests: every kind, the profile and device keys with their states,
// icons, and the paths before Init and with a missing scheme.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "cvcommon/cv_skin.h"
#include "cvcommon/settings_paths.h"

namespace {

class Skin : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/cvskin-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        CvCm_SetWorkingDir(dir_.c_str());
        std::ofstream(dir_ + "/BtSettings.INI") << "[Skin]\nSkinRoot=Blue\nscheme=Mine.ini\n";
        std::system(("mkdir " + dir_ + "/Blue").c_str());
        std::ofstream scheme(dir_ + "/Blue/Mine.ini");
        scheme << "[ProfilePos]\nProfileInterval=64\nProfileMarginX=8\n[pic]\n";
        // Every key names a file after itself, so the path shows which key was read.
        for (const char* key :
             {"back", "local-normal", "ftp-normal", "ftp-connect", "ftp-disable", "-normal",
              "phone-normal", "keyboard-connect", "unknown-normal", "pair", "mute", "select-local",
              "select-profile", "select-remote", "up-scroll", "up-scroll-disable", "down-scroll",
              "down-scroll-disable", "inquiry", "local-config", "over-local", "over-remote",
              "over-profile", "over-scroll", "service-diable", "pan-normal", "hsf-connect"})
            scheme << key << "=" << key << ".svg\n";
        scheme << "[icons]\nupper-folder=up.svg\nbluetooth=bt.svg\nUsb_Device=usb.svg\n";
        scheme << "[long]\nname=" << std::string(40, 'n') << ".svg\n";
        scheme.close();
        skin_.Init(nullptr, nullptr);
    }
    void TearDown() override { std::system(("rm -rf " + dir_).c_str()); }

    std::string img(int kind, int key, int state) {
        return CCvSkin::GetImgPath(kind, key, state).toStdString();
    }
    std::string file(const std::string& name) { return dir_ + "/Blue/" + name; }

    std::string dir_;
    CCvSkin skin_;
};

TEST_F(Skin, ProfilesByClassAndState) {
    EXPECT_EQ(img(2, 0x1106, 4), file("ftp-normal.svg"));
    EXPECT_EQ(img(2, 0x1106, 6), file("ftp-connect.svg"));
    EXPECT_EQ(img(2, 0x1106, 5), file("ftp-disable.svg"));
    EXPECT_EQ(img(2, 0x1117, 0), file("pan-normal.svg"));  // the first "pan" row of three
    EXPECT_EQ(img(2, 0x111E, 6), file("hsf-connect.svg"));
    EXPECT_EQ(img(2, 0x1300, 4), file("-normal.svg"));  // no key for the class
}

TEST_F(Skin, RemoteDevicesByTheClassBits0x1FFC) {
    EXPECT_EQ(img(4, 0x5A020C, 0), file("phone-normal.svg"));
    EXPECT_EQ(img(4, 0x20F, 0), file("phone-normal.svg"));  // the low two bits are masked
    EXPECT_EQ(img(4, 0x540, 8), file("keyboard-connect.svg"));
    EXPECT_EQ(img(4, 0x20D0, 0), file("unknown-normal.svg"));  // no row for the bits
}

TEST_F(Skin, EveryOtherKind) {
    EXPECT_EQ(img(0, 0, 0), file("back.svg"));
    EXPECT_EQ(img(1, 0, 0), file("local-normal.svg"));
    EXPECT_EQ(img(5, 0, 0), file("pair.svg"));
    EXPECT_EQ(img(6, 0, 0), file("mute.svg"));
    EXPECT_EQ(img(7, 0, 0), file("select-local.svg"));
    EXPECT_EQ(img(7, 0, 4), file("select-profile.svg"));
    EXPECT_EQ(img(7, 0, 7), file("select-remote.svg"));
    EXPECT_EQ(img(7, 0, 1), file(""));  // the skin folder and "/"
    EXPECT_EQ(img(9, 0, 0), file("up-scroll.svg"));
    EXPECT_EQ(img(9, 0, 3), file("up-scroll-disable.svg"));
    EXPECT_EQ(img(10, 0, 0), file("down-scroll.svg"));
    EXPECT_EQ(img(10, 0, 1), file("down-scroll-disable.svg"));
    EXPECT_EQ(img(12, 0, 0), file("inquiry.svg"));
    EXPECT_EQ(img(13, 0, 0), file("local-config.svg"));
    EXPECT_EQ(img(14, 0, 0), file("over-local.svg"));
    EXPECT_EQ(img(15, 0, 0), file("over-remote.svg"));
    EXPECT_EQ(img(16, 0, 0), file("over-profile.svg"));
    EXPECT_EQ(img(17, 0, 0), file("over-scroll.svg"));
    EXPECT_EQ(img(18, 0, 0), file("service-diable.svg"));
    for (int kind : {3, 8, 19, -1}) EXPECT_EQ(img(kind, 0, 0), "") << kind;
}

TEST_F(Skin, IconsAndLayout) {
    EXPECT_EQ(img(11, 109, 0), file("up.svg"));
    EXPECT_EQ(img(11, 100, 0), file("bt.svg"));
    EXPECT_EQ(img(11, 119, 0), file("usb.svg"));
    EXPECT_EQ(img(11, 120, 0), file(""));
    EXPECT_EQ(img(11, 99, 0), file(""));
    EXPECT_EQ(skin_.GetProfileInterval(), 64);
    EXPECT_EQ(skin_.GetProfileMarginX(), 8);
    EXPECT_EQ(skin_.GetProfileMarginY(), 15);  // default
    // An image name is read into 32 bytes.
    EXPECT_EQ(CCvSkin::GetPathFromSkinSetting("long", "name").toStdString(),
              file(std::string(31, 'n')));
}

TEST_F(Skin, DefaultsWhenTheSettingsNameNoSkin) {
    std::ofstream(dir_ + "/BtSettings.INI") << "[Other]\nx=1\n";
    skin_.Init(nullptr, nullptr);
    EXPECT_EQ(img(0, 0, 0), dir_ + "/CVSkin/");  // no Default.ini there: empty file name
    EXPECT_EQ(skin_.GetProfileInterval(), 50);
    EXPECT_EQ(skin_.GetProfileMarginY(), 15);
    EXPECT_EQ(skin_.GetProfileMarginX(), 20);
}

}  // namespace
