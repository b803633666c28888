// The shortcut, COM-port and text helpers against the stand-in service's world, with a
// copy of the shipped settings file as the common settings file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "corvclient/btsdk.h"
#include "cvcommon/class_names.h"
#include "cvcommon/profile_ini.h"
#include "cvcommon/serial_device.h"
#include "cvcommon/settings_paths.h"
#include "cvcommon/shortcut_helpers.h"
#include "harness.h"

namespace {

// services_fast.ini: devices, their services, the local servers.
constexpr BTDEVHDL kPhone = 1, kLaptop = 2;
constexpr BTSVCHDL kPhoneFtp = 4, kPhoneOpp = 5, kPhoneDun = 6, kPhoneSpp = 7;
constexpr BTSVCHDL kLaptopHid = 8, kServerFtp = 11, kServerSpp = 12;

class Helpers : public testing::Test {
protected:
    corvtest::StandInService& service = corvtest::StandInService::instance();

    void SetUp() override {
        service.loadScenario(CORVANE_SCENARIOS_DIR "/services_fast.ini");
        char pattern[] = "/tmp/cvhelpers-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        ASSERT_EQ(std::system(("cp " CORVANE_DATA_DIR "/BtSettings.INI " + dir_).c_str()), 0);
        CvCm_SetWorkingDir(dir_.c_str());
    }
    void TearDown() override {
        std::system(("rm -rf " + dir_).c_str());
        service.loadScenario(CORVANE_SCENARIOS_DIR "/default.ini");
    }

    void setSetting(const char* section, const char* value) {
        char path[260] = {};
        CvCm_GetCommonSettingFilePath(path, sizeof path);
        ASSERT_EQ(WritePrivateProfileString(section, "VIRTUALDEV", value, path), 1);
    }

    // A serial server of the class announcing `port` in its extension block.
    static void announcePort(BTSVCHDL server, BTUINT8 port) {
        BTUINT8 block[8] = {};
        block[6] = port;
        BtsdkLocalServerAttr attr{};
        attr.mask = BTSDK_LSA_MASK_EXT;
        attr.service_class = 0x1101;
        attr.ext_attributes = block;
        ASSERT_EQ(Btsdk_UpdateServerAttributes(server, &attr), BTSDK_OK);
    }

    // A shortcut of the service whose attribute block keeps `port` at offset 5.
    static BTSHCHDL serialShortcut(BTDEVHDL device, BTSVCHDL service, BTUINT16 serviceClass,
                                   BTUINT8 port, size_t blockSize) {
        std::vector<BTUINT8> block(blockSize, 0);
        block[5] = port;
        BtsdkShortcutProperty p{};
        p.device = device;
        p.service = service;
        p.service_class = serviceClass;
        p.mask = 13 | BTSDK_SHC_MASK_ATTRIBUTES;
        p.attr_len = static_cast<BTUINT16>(blockSize);
        p.attributes = block.data();
        EXPECT_EQ(Btsdk_CreateShortCutEx(&p), BTSDK_OK);
        BTSHCHDL handle = 0;
        EXPECT_EQ(Btsdk_GetShortCutByServiceHandle(device, service, &handle, 1), 1u);
        return handle;
    }

    std::string dir_;
};

TEST_F(Helpers, ServerPortsComeFromTheSettingsWhileNoServerUsesThem) {
    EXPECT_EQ(CvCm_GetAvailableComPort(0x1101, true), 3);
    announcePort(kServerSpp, 3);
    EXPECT_EQ(CvCm_GetAvailableComPort(0x1101, true), 4);  // SPPSERVER2
    BtsdkLocalServerAttr added{};
    ASSERT_EQ(Btsdk_AddServer(&added), BTSDK_OK);
    announcePort(added.server_value, 4);
    EXPECT_EQ(CvCm_GetAvailableComPort(0x1101, true), -1);
    EXPECT_EQ(CvCm_GetAvailableComPort(0x1106, true), -1);
    EXPECT_EQ(CvCm_GetLocalSPPSvrComPort(kServerSpp), -1);

    EXPECT_EQ(CvCm_GetAvailableComPort(0x1103, false), 7);
    setSetting("DunClient", "0");
    EXPECT_EQ(CvCm_GetAvailableComPort(0x1103, false), 0);  // as it stands
    setSetting("DunClient", "");
    EXPECT_EQ(CvCm_GetAvailableComPort(0x1103, false), -1);
    EXPECT_EQ(CvCm_GetAvailableComPort(0x1106, false), -1);
}

TEST_F(Helpers, ClientPortsOfConnectedShortcutsAreSkipped) {
    BTSHCHDL serial = serialShortcut(kPhone, kPhoneSpp, 0x1101, 5, 15);
    ASSERT_NE(serial, 0u);
    EXPECT_EQ(CvCm_GetComPortByShortcut(serial, 0x1101), 5);
    EXPECT_EQ(CvCm_GetComPortByShortcut(serial, 0x1106), -1);  // not a serial-type class
    EXPECT_EQ(CvCm_GetComPortByShortcut(999, 0x1101), -1);
    EXPECT_EQ(CvCm_GetAvailableComPort(0x1101, false), 5);  // not connected yet

    ASSERT_EQ(Btsdk_ConnectShortCut(serial), BTSDK_OK);
    EXPECT_TRUE(CvCm_IsShortcutConnected(serial));
    EXPECT_EQ(CvCm_GetAvailableComPort(0x1101, false), 6);
    setSetting("SPPCLIENT2", "5");
    EXPECT_EQ(CvCm_GetAvailableComPort(0x1101, false), -1);
    ASSERT_EQ(Btsdk_DisconnectShortCut(serial), BTSDK_OK);
    EXPECT_FALSE(CvCm_IsShortcutConnected(serial));
    EXPECT_EQ(CvCm_GetAvailableComPort(0x1101, false), 5);

    // A dial-up shortcut's block is larger than the 15 bytes read (the service says 775).
    BTSHCHDL dialup = serialShortcut(kPhone, kPhoneDun, 0x1103, 9, 295);
    EXPECT_EQ(CvCm_GetComPortByShortcut(dialup, 0x1103), 9);
}

TEST_F(Helpers, ASerialConnectionsDeviceIsFoundWhereTheServicePublishedIt) {
    BTSHCHDL serial = serialShortcut(kPhone, kPhoneSpp, 0x1101, 7, 15);
    ASSERT_NE(serial, 0u);
    BTUINT8 param[8] = {8, 0, 0, 0, 0, 0, 7, 0};  // size, then the COM port at offset 6
    BTCONNHDL connection = 0;
    ASSERT_EQ(Btsdk_ConnectShortCutEx(serial, param, &connection), BTSDK_OK);
    const std::string published = service.deviceDir() + "/ttyB7";
    EXPECT_EQ(CvCm_GetSerialDevicePath(7).toStdString(), published);
    ASSERT_EQ(Btsdk_Disconnect(connection), BTSDK_OK);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(published)));
    // Where the next one will be, the service's folder being known; else /dev.
    EXPECT_EQ(CvCm_GetSerialDevicePath(7).toStdString(), published);
    const char* given = std::getenv("CORVANE_DEVICE_DIR");
    ASSERT_NE(given, nullptr);  // the harness tells its clients the service's folder
    const std::string chosen = given;
    unsetenv("CORVANE_DEVICE_DIR");
    EXPECT_EQ(CvCm_GetSerialDevicePath(7).toStdString(), "/dev/ttyB7");
    setenv("CORVANE_DEVICE_DIR", chosen.c_str(), 1);
}

TEST_F(Helpers, CreateShortcutFindsOrMakesAndGivesHidItsPnpHeader) {
    BTUINT32 found = 0;
    ASSERT_EQ(Btsdk_BrowseRemoteServices(kLaptop, nullptr, &found), BTSDK_OK);
    unsigned int hid = 0;
    ASSERT_EQ(CvCm_CreateShortCut(kLaptop, kLaptopHid, &hid), BTSDK_OK);
    ASSERT_NE(hid, 0u);
    BTUINT8 block[64] = {};
    BtsdkShortcutProperty p{};
    p.shortcut = hid;
    p.mask = BTSDK_SHC_MASK_ATTRIBUTES;
    p.attr_len = sizeof block;
    p.attributes = block;
    ASSERT_EQ(Btsdk_GetShortCutProperty(&p), BTSDK_OK);
    EXPECT_STREQ(p.name, "A4:C3:F0:55:90:1E 1124 Keyboard");
    EXPECT_STREQ(p.service_name, "Keyboard");
    EXPECT_EQ(p.mask, 13 | BTSDK_SHC_MASK_ATTRIBUTES);
    EXPECT_EQ(p.device_class, 0x1A010Cu);
    ASSERT_EQ(p.attr_len, 20 + 16);
    auto word = [&](size_t at) { return block[at] | block[at + 1] << 8; };
    EXPECT_EQ(word(0), 20);
    EXPECT_EQ(word(2), 4);  // the PnP record is the primary one
    EXPECT_EQ(word(8), 0x0103);
    EXPECT_EQ(word(10), 0x046D);
    EXPECT_EQ(word(12), 0xB309);
    EXPECT_EQ(word(14), 0x0100);
    EXPECT_EQ(word(16), 0x0002);
    EXPECT_EQ(word(20), 16);      // the service's extended attributes, their length first
    EXPECT_EQ(block[24], 0xC0);

    unsigned int again = 0;
    EXPECT_EQ(CvCm_CreateShortCut(kLaptop, kLaptopHid, &again), BTSDK_OK);
    EXPECT_EQ(again, hid);

    unsigned int files = 0;
    ASSERT_EQ(CvCm_CreateShortCut(kPhone, kPhoneFtp, &files), BTSDK_OK);
    EXPECT_NE(files, hid);
    p = {};
    p.shortcut = files;
    ASSERT_EQ(Btsdk_GetShortCutProperty(&p), BTSDK_OK);
    EXPECT_STREQ(p.name, "5C:F3:70:8A:21:C4 1106 OBEX File Transfer");
    EXPECT_EQ(p.attr_len, 0);
    EXPECT_EQ(p.flag1, 1);
    EXPECT_EQ(p.flag2, 1);

    EXPECT_EQ(CvCm_CreateShortCut(0, kPhoneOpp, &files), BTSDK_ER_INVALID_PARAMETER);
    EXPECT_EQ(CvCm_CreateShortCut(kPhone, kPhoneOpp, nullptr), BTSDK_OK);
    BTSHCHDL opp = 0;
    EXPECT_EQ(Btsdk_GetShortCutByServiceHandle(kPhone, kPhoneOpp, &opp, 1), 1u);
    EXPECT_NE(CvCm_CreateShortCut(kPhone, 999, &files), BTSDK_OK);
}

TEST_F(Helpers, TextsOfServersShortcutsAndDevices) {
    QString text;
    EXPECT_EQ(CvCm_GetLocSvcDisplayName(kServerFtp, &text), 0);
    EXPECT_EQ(text, QStringLiteral("Bluetooth File Transfer"));
    EXPECT_EQ(CvCm_GetLocSvcDisplayName(kServerSpp, &text), 0);
    EXPECT_EQ(text, QStringLiteral("Bluetooth Serial Port"));  // no COM suffix
    EXPECT_EQ(CvCm_GetLocSvcDisplayName(0, &text), static_cast<int>(BTSDK_ER_INVALID_PARAMETER));
    EXPECT_NE(CvCm_GetLocSvcDisplayName(999, &text), 0);

    EXPECT_EQ(CvCm_GetLocSvcStatusString(kServerFtp, &text), 1);
    EXPECT_EQ(text, QStringLiteral("Idle"));
    EXPECT_EQ(CvCm_GetLocSvcStatusString(kServerSpp, &text), 1);
    EXPECT_EQ(text, QStringLiteral("Disabled"));
    service.act("ConnectToServer", g_variant_new("(su)", "laptop", kServerFtp));
    EXPECT_EQ(CvCm_GetLocSvcStatusString(kServerFtp, &text), 1);
    EXPECT_EQ(text, QStringLiteral("Connected"));
    text = QStringLiteral("kept");
    EXPECT_EQ(CvCm_GetLocSvcStatusString(0, &text), 0);
    EXPECT_EQ(text, QStringLiteral("kept"));

    unsigned int files = 0;
    ASSERT_EQ(CvCm_CreateShortCut(kPhone, kPhoneFtp, &files), BTSDK_OK);
    EXPECT_EQ(CvCm_GetRmtSvcStatusString(files, &text), 1);
    EXPECT_EQ(text, QStringLiteral("Idle"));
    ASSERT_EQ(Btsdk_ConnectShortCut(files), BTSDK_OK);
    EXPECT_EQ(CvCm_GetRmtSvcStatusString(files, &text), 1);
    EXPECT_EQ(text, QStringLiteral("Connected"));
    EXPECT_EQ(CvCm_GetDeviceNameByShortcut(files), QStringLiteral("Nova Phone"));
    EXPECT_EQ(CvCm_GetDeviceNameByShortcut(999), QStringLiteral("Unknown"));
    EXPECT_EQ(CvCm_GetRmtDevDisplayName(kLaptop), QStringLiteral("Work Laptop"));

    ASSERT_EQ(Btsdk_StopBluetooth(), BTSDK_OK);
    EXPECT_EQ(CvCm_GetLocSvcStatusString(kServerFtp, &text), 1);
    EXPECT_EQ(text, QStringLiteral("Disabled"));
    EXPECT_EQ(CvCm_GetRmtSvcStatusString(files, &text), 1);
    EXPECT_EQ(text, QStringLiteral("Disabled"));
}

// The default world: a headset reached through the local audio gateway.
TEST_F(Helpers, AHeadsetShortcutIsRelatedToAnIncomingGatewayConnection) {
    service.loadScenario(CORVANE_SCENARIOS_DIR "/default.ini");
    constexpr BTDEVHDL kHeadset = 3;
    constexpr BTSVCHDL kHeadsetHs = 11, kHeadsetHf = 12, kGatewayServer = 17;
    unsigned int headset = 0, handsFree = 0;
    ASSERT_EQ(CvCm_CreateShortCut(kHeadset, kHeadsetHs, &headset), BTSDK_OK);
    ASSERT_EQ(CvCm_CreateShortCut(kHeadset, kHeadsetHf, &handsFree), BTSDK_OK);
    EXPECT_FALSE(CvCm_IsShortcutRelatedConnected(headset));

    ASSERT_EQ(Btsdk_StartServer(kGatewayServer), BTSDK_OK);
    service.act("ConnectToServer", g_variant_new("(su)", "headset", kGatewayServer));
    EXPECT_TRUE(CvCm_IsShortcutRelatedConnected(headset));
    EXPECT_FALSE(CvCm_IsShortcutRelatedConnected(handsFree));  // a hands-free unit is not
    EXPECT_FALSE(CvCm_IsShortcutConnected(headset));           // not its own connection
}

}  // namespace
