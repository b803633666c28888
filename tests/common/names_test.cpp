// Class names, service texts, settings-file paths and the translation catalogues.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

#include "cvcommon/class_names.h"
#include "cvcommon/settings_paths.h"

namespace {

QString svc(int (*text)(unsigned short, QString*), unsigned short svcClass) {
    QString out = QStringLiteral("untouched");
    EXPECT_EQ(text(svcClass, &out), 0);
    return out;
}

TEST(Names, DeviceClassesCompareTheirLow13Bits) {
    EXPECT_EQ(CvCm_GetDeviceClsNameString(0x20C), QStringLiteral("Smart Phone"));
    EXPECT_EQ(CvCm_GetDeviceClsNameString(0x5A020C), QStringLiteral("Smart Phone"));
    EXPECT_EQ(CvCm_GetDeviceClsNameString(0xFFE000 | 0x20C), QStringLiteral("Smart Phone"));
    EXPECT_EQ(CvCm_GetDeviceClsNameString(0x1A010C), QStringLiteral("Laptop"));
    EXPECT_EQ(CvCm_GetDeviceClsNameString(0x240404), QStringLiteral("Headset"));
    EXPECT_EQ(CvCm_GetDeviceClsNameString(0x5C0), QStringLiteral("Combo Keyboard/Pointing"));
    EXPECT_EQ(CvCm_GetDeviceClsNameString(0x511), QStringLiteral("Unknown device"));
    EXPECT_EQ(CvCm_GetDeviceClsNameString(0x20D), QStringLiteral("Unknown device"));  // no row
    EXPECT_EQ(CvCm_GetDeviceClsNameString(0x3A0), QStringLiteral("LAN Access Point"));
}

TEST(Names, ServiceTextsAndTheirEmptyDescriptions) {
    EXPECT_EQ(svc(CvCm_GetSvcDisplayName, 0x1106), QStringLiteral("Bluetooth File Transfer"));
    EXPECT_EQ(svc(CvCm_GetLocSvcDesc, 0x1102), QString());  // an empty description
    EXPECT_EQ(svc(CvCm_GetRmtSvcDesc, 0x1103), QStringLiteral("Dial-up to the Internet."));
    EXPECT_EQ(svc(CvCm_GetLocSvcDesc, 0x1103), QString());
    EXPECT_EQ(svc(CvCm_GetSvcDisplayName, 0x1113), QStringLiteral("Unrecognized service"));
    EXPECT_EQ(svc(CvCm_GetSvcDisplayName, 0x1300), QStringLiteral("Unrecognized"));
    EXPECT_EQ(svc(CvCm_GetRmtSvcDesc, 0x1300), QStringLiteral("Unrecognized"));
    EXPECT_EQ(svc(CvCm_GetLocSvcDesc, 0x1117),
              QStringLiteral("Allow other Bluetooth devices to join in the Bluetooth TCP/IP network "
                             "established by this computer."));
    EXPECT_EQ(CvCm_ShouldShowThisLocalServer(0x1106), 1);
    EXPECT_EQ(CvCm_ShouldShowThisLocalServer(0x111B), 1);
    EXPECT_EQ(CvCm_ShouldShowThisLocalServer(0x1112), 0);
}

TEST(Paths, SettingsFilesLieInTheWorkingDirectory) {
    char buf[260] = {};
    CvCm_SetWorkingDir("");
    CvCm_GetCommonSettingFilePath(buf, sizeof buf);
    EXPECT_STREQ(buf, "/BtSettings.INI");  // the root directory

    CvCm_SetWorkingDir("/opt/corvane");
    CvCm_GetZELMobilePath(buf, sizeof buf);
    EXPECT_STREQ(buf, "/opt/corvane/ZELMobile.INI");
    char small[16];
    CvCm_GetZELProviderPath(small, sizeof small);
    EXPECT_STREQ(small, "/opt/corvane/ZE");  // cut below the size
    CvCm_GetWorkingDir(small, 5);
    EXPECT_STREQ(small, "/opt");
    CvCm_GetWorkingDir(nullptr, 5);  // nothing happens

    std::string longDir(300, 'd');
    CvCm_SetWorkingDir(longDir.c_str());
    CvCm_GetWorkingDir(buf, sizeof buf);
    EXPECT_EQ(std::string(buf), std::string(255, 'd'));
}

TEST(Translations, TheGermanCatalogueCoversBothContexts) {
    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral("cvcommon_de"), QStringLiteral(CORVANE_TRANSLATIONS_DIR)));
    QCoreApplication::installTranslator(&german);
    EXPECT_EQ(CvCm_GetDeviceClsNameString(0x5A020C), QStringLiteral("Smartphone"));
    EXPECT_EQ(CvCm_GetDeviceClsNameString(0x20D), QString::fromUtf8("Unbekanntes Gerät"));
    EXPECT_EQ(svc(CvCm_GetSvcDisplayName, 0x1300), QStringLiteral("Nicht erkannt"));
    EXPECT_EQ(svc(CvCm_GetLocSvcDesc, 0x1102), QString());
    EXPECT_EQ(svc(CvCm_GetSvcDisplayName, 0x1106), QString::fromUtf8("Bluetooth Dateiübertragung"));
    QCoreApplication::removeTranslator(&german);
    EXPECT_EQ(CvCm_GetDeviceClsNameString(0x5A020C), QStringLiteral("Smart Phone"));
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
