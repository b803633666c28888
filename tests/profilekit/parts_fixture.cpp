#include "parts_fixture.h"

#include "corvclient/btsdk.h"
#include "cvcommon/settings_paths.h"
#include "cvcommon/shortcut_helpers.h"

namespace pktest {

void PartsPlugin::SetUp() {
    service.loadScenario(PROFILEKIT_STATUS_WORLD);
    ASSERT_TRUE(library.load()) << qPrintable(library.errorString());
}

void PartsPlugin::TearDown() {
    service.clearReplies();
    uninit();
}

unsigned short PartsPlugin::serverStatus(unsigned int server) {
    BTUINT16 status = 0;
    EXPECT_EQ(Btsdk_GetServerStatus(server, &status), BTSDK_OK);
    return status;
}

std::string PartsPlugin::settingsFile() {
    char path[256] = {};
    CvCm_GetCommonSettingFilePath(path, sizeof path);
    return path;
}

std::vector<std::vector<std::string>> PartsPlugin::settingsWritten() {
    std::vector<std::vector<std::string>> writes;
    for (const corvtest::RecordedCall& call : service.calls()) {
        if (call.method == "write_private_profile_string")
            writes.push_back({call.s(0), call.s(1), call.s(2), call.s(3)});
    }
    return writes;
}

unsigned int PartsPlugin::phoneShortcut() {
    unsigned int shortcut = 0;
    EXPECT_EQ(CvCm_CreateShortCut(kPhone, kPhoneFtp, &shortcut), BTSDK_OK);
    return shortcut;
}

}  // namespace pktest
