// The plug-in manager with test plug-ins in a working directory of its own: loading from
// the settings or by scanning, routing to the first plug-in that supports a class, the
// empty results, and the start-up sweep of the local servers, against the stand-in
// service's default world.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QLibrary>

#include <cstdlib>
#include <fstream>
#include <string>

#include "corvclient/btsdk.h"
#include "cvcommon/profile_plug_mng.h"
#include "cvcommon/profile_plugin.h"
#include "cvcommon/settings_paths.h"
#include "cvcommon/shortcut_helpers.h"
#include "harness.h"
#include "sdk_test_util.h"

namespace {

constexpr BTSVCHDL kServerFtp = 13, kServerOpp = 14, kServerSpp = 15;  // default.ini

std::string s_dir;

struct HostCall {
    quint32 command = 0, subCode = 0, size = 0;
    QStringList list;
};
HostCall s_hostCall;

quint32 host(quint32 command, quint32 subCode, quint32 size, void* bytes) {
    s_hostCall = {command, subCode, size, *static_cast<QStringList*>(bytes)};
    return 0;
}

QStringList* logOf(const char* file) {
    QLibrary library(QString::fromStdString(s_dir + "/" + file));
    auto log = reinterpret_cast<QStringList* (*)()>(library.resolve("testLog"));
    return log ? log() : nullptr;
}

void writeSettings(const std::string& profiles, const std::string& servers = {}) {
    std::ofstream(s_dir + "/BtSettings.INI") << "[Profiles]\n" << profiles << servers;
}

QStringList texts(const QList<QAction*>& actions) {
    QStringList all;
    for (QAction* action : actions) all.append(action->text());
    return all;
}

class PluginMng : public corvtest::ServiceTest {
protected:
    static void SetUpTestSuite() {
        char pattern[] = "/tmp/cvplugins-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        s_dir = pattern;
        std::string setup = "cd " + s_dir + " && cp " CORVANE_FULL_PLUGIN " libPxFull.so && cp " CORVANE_PARTIAL_PLUGIN
                            " libPxAlpha.so && ln -s libPxFull.so libPxfull-link.so.1 && "
                            "echo 'not a library' > libPxBroken.so && mkdir libPxDir.so && "
                            "cp " CORVANE_PARTIAL_PLUGIN " libOther.so";
        ASSERT_EQ(std::system(setup.c_str()), 0);
        CvCm_SetWorkingDir(s_dir.c_str());
    }
    static void TearDownTestSuite() { std::system(("rm -rf " + s_dir).c_str()); }

    void SetUp() override {
        ServiceTest::SetUp();
        writeSettings("number=0\n");
        full = logOf("libPxFull.so");
        alpha = logOf("libPxAlpha.so");
        ASSERT_TRUE(full && alpha);
        full->clear();
        alpha->clear();
        s_hostCall = {};
    }

    QStringList* full = nullptr;
    QStringList* alpha = nullptr;
};

TEST_F(PluginMng, AnEmptyFirstEntryLoadsOnlyTheSecondAndScansNothing) {
    writeSettings("number=2\nProfile1=\nProfile2=libPxAlpha.so\n");
    {
        ProfilePlugMng manager(reinterpret_cast<void*>(host));
        EXPECT_EQ(ProfilePlugMng::GetSupportedProfileList(), QList<unsigned short>{0x1105});
    }
    EXPECT_TRUE(full->isEmpty()) << full->join(QLatin1Char(',')).toStdString();
}

TEST_F(PluginMng, OnlyEmptyEntriesScanTheFolderWithLinksCounted) {
    writeSettings("number=3\nProfile1=\nProfile2=\nProfile3=\n");
    {
        ProfilePlugMng manager(reinterpret_cast<void*>(host));
        // libPxAlpha, libPxBroken (never answers), libPxfull-link.so.1 and libPxFull.so
        // in name order without regard to case; the folder and libOther are not taken.
        EXPECT_EQ(ProfilePlugMng::GetSupportedProfileList(),
                  (QList<unsigned short>{0x1105, 0x1106, 0x1106}));
        // The same library under two names is initialised twice.
        EXPECT_EQ(full->filter(QStringLiteral("InitProfile 0")).size(), 2);
        EXPECT_EQ(full->filter(QStringLiteral("setCvCommFunc")).size(), 2);
    }
    EXPECT_EQ(full->filter(QStringLiteral("UninitProfile")).size(), 2);
}

TEST_F(PluginMng, RequestsGoToTheFirstPluginThatSupportsTheClass) {
    unsigned int files = 0, serial = 0;
    ASSERT_EQ(CvCm_CreateShortCut(1, 4, &files), BTSDK_OK);
    ASSERT_EQ(CvCm_CreateShortCut(1, 7, &serial), BTSDK_OK);
    ProfilePlugMng manager(reinterpret_cast<void*>(host));
    full->clear();

    EXPECT_EQ(texts(ProfilePlugMng::GetActionListByShortcutHandle(files)),
              (QStringList{QStringLiteral("Full: open"), QStringLiteral("Full: properties")}));
    EXPECT_TRUE(alpha->contains(QStringLiteral("IsSupportedServiceClass 1106")));
    EXPECT_TRUE(full->contains(QStringLiteral("GetActionListByShortcut %1").arg(files)));

    // The serial class goes to the first plug-in, which has no shortcut actions: none,
    // and the later plug-in is not asked.
    full->clear();
    EXPECT_TRUE(ProfilePlugMng::GetActionListByShortcutHandle(serial).isEmpty());
    EXPECT_TRUE(ProfilePlugMng::GetRemoteActionListByShortcut(serial).isEmpty());
    EXPECT_TRUE(full->isEmpty()) << full->join(QLatin1Char(',')).toStdString();

    EXPECT_EQ(texts(ProfilePlugMng::GetLocalSvrActionList(kServerOpp)),
              QStringList{QStringLiteral("Partial: server")});
    EXPECT_EQ(ProfilePlugMng::GetLocalSvrActionList(kServerFtp).size(), 2);
    EXPECT_EQ(manager.GetActionListByShortcut(0x1106, 5).size(), 2);
    EXPECT_TRUE(full->contains(QStringLiteral("GetActionListByShortcut 5")));
    EXPECT_TRUE(ProfilePlugMng::GetActionListBySvcHandle(1, 4).isEmpty());

    // A shortcut whose properties cannot be read asks nobody.
    full->clear();
    alpha->clear();
    EXPECT_TRUE(ProfilePlugMng::GetActionListByShortcutHandle(999).isEmpty());
    EXPECT_EQ(ProfilePlugMng::getProfileTipByShortcut(999, kServerFtp), QString());
    EXPECT_TRUE(full->isEmpty() && alpha->isEmpty());

    EXPECT_EQ(ProfilePlugMng::getProfileTipByShortcut(files, 0), QStringLiteral("Full tip"));
    EXPECT_EQ(ProfilePlugMng::getProfileTipByShortcut(0, kServerFtp), QStringLiteral("Full tip"));
    EXPECT_EQ(ProfilePlugMng::getProfileTipByShortcut(0, 0), QString());  // class 0: nobody

    ProfilePlugMng::ShowSvrPropertyDlg(kServerFtp, nullptr, 2);
    EXPECT_TRUE(full->contains(QStringLiteral("ShowSvrPropertyDlg %1 2").arg(kServerFtp)));
    ProfilePlugMng::performLocalSvrDefaultAction(kServerFtp);
    EXPECT_TRUE(full->contains(QStringLiteral("performLocalSvrDefaultAction %1").arg(kServerFtp)));
    ProfilePlugMng::PerformPostDisc(0x1106);
    EXPECT_TRUE(full->contains(QStringLiteral("PerformPostDisc 1106")));

    unsigned int related[4] = {};
    EXPECT_EQ(ProfilePlugMng::getRelatedShortcutBySvcClass(1, 0x1106, related, 4), 1);
    EXPECT_EQ(related[0], 77u);
    EXPECT_EQ(ProfilePlugMng::getRelatedShortcutBySvcClass(1, 0x1105, related, 4), 0);
    EXPECT_TRUE(ProfilePlugMng::isServerRelatedIncomingConnectionExist(kServerFtp));
    EXPECT_FALSE(ProfilePlugMng::isServerRelatedIncomingConnectionExist(kServerOpp));
    EXPECT_TRUE(ProfilePlugMng::isShortcutRelatedConnectionExist(files));
    EXPECT_FALSE(ProfilePlugMng::isShortcutRelatedConnectionExist(serial));

    // The host pointer reaches the plug-in unchanged.
    ProfilePlugMng::performDefaultActionByShortcut(files);
    EXPECT_EQ(s_hostCall.command, 1u);
    EXPECT_EQ(s_hostCall.subCode, 7u);
    EXPECT_EQ(s_hostCall.size, 260u);
    EXPECT_EQ(s_hostCall.list, (QStringList{QStringLiteral("/tmp/inbox"), QStringLiteral("photo.jpg")}));
}

TEST_F(PluginMng, WithoutALiveManagerEveryOperationIsEmpty) {
    auto everything = [] {
        unsigned int related[2] = {};
        EXPECT_TRUE(ProfilePlugMng::GetActionListByShortcutHandle(1).isEmpty());
        EXPECT_TRUE(ProfilePlugMng::GetRemoteActionListByShortcut(1).isEmpty());
        EXPECT_TRUE(ProfilePlugMng::GetLocalSvrActionList(kServerFtp).isEmpty());
        EXPECT_TRUE(ProfilePlugMng::GetSupportedProfileList().isEmpty());
        EXPECT_EQ(ProfilePlugMng::getRelatedShortcutBySvcClass(1, 0x1106, related, 2), 0);
        EXPECT_EQ(ProfilePlugMng::getProfileTipByShortcut(0, kServerFtp), QString());
        EXPECT_FALSE(ProfilePlugMng::isServerRelatedIncomingConnectionExist(kServerFtp));
        EXPECT_FALSE(ProfilePlugMng::isShortcutRelatedConnectionExist(1));
        ProfilePlugMng::ShowSvrPropertyDlg(kServerFtp, nullptr, 0);
        ProfilePlugMng::PerformPostDisc(0x1106);
        ProfilePlugMng::performLocalSvrDefaultAction(kServerFtp);
        ProfilePlugMng::performDefaultActionByShortcut(1);
        ProfilePlugMng::StartProfileServer();
        ProfilePlugMng::StopProfileServer();
    };
    everything();
    { ProfilePlugMng manager(nullptr); }
    full->clear();
    service.clearCalls();
    everything();
    EXPECT_TRUE(full->isEmpty()) << full->join(QLatin1Char(',')).toStdString();
    EXPECT_TRUE(service.calls().empty());
}

TEST_F(PluginMng, StartUpStopsTheServersTheSettingsDisable) {
    std::string servers = "[FTPSERVER]\nstatus=disable\n[OPPSERVER]\nstatus=Disable\n"
                          "[SPPSERVER1]\nVIRTUALDEV=3\nstatus=disable\n"
                          "[SPPSERVER2]\nVIRTUALDEV=4\nstatus=disable\n";
    writeSettings("number=1\nProfile1=libPxFull.so\n", servers);
    ASSERT_EQ(Btsdk_StartServer(kServerSpp), BTSDK_OK);
    auto status = [](BTSVCHDL server) {
        BTUINT16 value = 0;
        Btsdk_GetServerStatus(server, &value);
        return value;
    };
    {
        ProfilePlugMng manager(nullptr);
        ProfilePlugMng::StartProfileServer();
        EXPECT_TRUE(full->contains(QStringLiteral("StartProfileServer")));
        EXPECT_EQ(status(kServerFtp), BTSDK_SERVER_STOPPED);
        EXPECT_EQ(status(kServerOpp), BTSDK_SERVER_RUNNING);  // "Disable" is not "disable"
        EXPECT_EQ(status(kServerSpp), BTSDK_SERVER_RUNNING);  // both ports reserved
        ProfilePlugMng::StopProfileServer();
        EXPECT_TRUE(full->contains(QStringLiteral("StopProfileServer")));
    }
    writeSettings("number=1\nProfile1=libPxFull.so\n",
                  servers.replace(servers.find("VIRTUALDEV=3"), 12, "VIRTUALDEV=0"));
    ProfilePlugMng manager(nullptr);
    ProfilePlugMng::StartProfileServer();
    EXPECT_EQ(status(kServerSpp), BTSDK_SERVER_STOPPED);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new corvtest::ServiceEnvironment);
    testing::AddGlobalTestEnvironment(new corvtest::ClientEnvironment);
    return RUN_ALL_TESTS();
}
