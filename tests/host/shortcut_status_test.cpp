// The shortcut list's status column follows the service's connection events: a shortcut
// that another client connects reads "Connected", and "Idle" again once it is disconnected
// or its link drops, without the user refreshing anything.
#include <gtest/gtest.h>

#include <QTreeWidget>

#include <functional>

#include "corvclient/btsdk.h"
#include "cvcommon/shortcut_helpers.h"
#include "harness.h"
#include "host_test_util.h"
#include "main_window.h"

namespace {

constexpr unsigned int kPhone = 1, kPhoneFileTransfer = 4;  // services_fast.ini
constexpr int kStatusColumn = 2;

QString statusOf(QTreeWidget* view, unsigned int shortcut) { return hosttest::rowText(view, shortcut, kStatusColumn); }

TEST(ShortcutStatus, TheRowFollowsTheShortcutsConnection) {
    corvtest::StandInService::instance().loadScenario(hosttest::scenario("services_fast.ini"));
    unsigned int shortcut = 0;
    ASSERT_EQ(CvCm_CreateShortCut(kPhone, kPhoneFileTransfer, &shortcut), 0);
    MainWindow window;
    window.show();
    auto* view = window.findChild<QTreeWidget*>(QStringLiteral("shortcutList"));
    ASSERT_TRUE(view);
    ASSERT_EQ(statusOf(view, shortcut), QStringLiteral("Idle"));

    struct Ending {
        const char* how;
        std::function<void(BTCONNHDL)> end;
    };
    const Ending endings[] = {
        {"disconnected by a client",
         [shortcut](BTCONNHDL) {
             EXPECT_EQ(hosttest::callOffThread([shortcut] { return Btsdk_DisconnectShortCut(shortcut); }), 0u);
         }},
        {"its link dropped",
         [](BTCONNHDL connection) {
             corvtest::StandInService::instance().act("DropConnection", g_variant_new("(u)", connection));
         }},
    };
    for (const Ending& ending : endings) {
        SCOPED_TRACE(ending.how);
        // Another client connects; the user-interface thread dispatches the library's signals.
        BTCONNHDL connection = 0;
        ASSERT_EQ(hosttest::callOffThread([&] { return Btsdk_ConnectShortCutEx(shortcut, nullptr, &connection); }), 0u);
        EXPECT_TRUE(hosttest::waitUntil([&] { return statusOf(view, shortcut) == QStringLiteral("Connected"); }))
            << statusOf(view, shortcut).toStdString();
        ending.end(connection);
        EXPECT_TRUE(hosttest::waitUntil([&] { return statusOf(view, shortcut) == QStringLiteral("Idle"); }))
            << statusOf(view, shortcut).toStdString();
    }
}

}  // namespace
