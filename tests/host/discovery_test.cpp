// Discovery in the main window: the known devices are listed at once, and the devices
// that answer the inquiry appear while it still runs, with their pictures and details.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QProgressBar>

#include "harness.h"
#include "host_test_util.h"
#include "main_window.h"

namespace {

using hosttest::itemNamed;
using hosttest::names;

TEST(Discovery, TheDeviceListFillsAsTheInquiryFindsDevices) {
    corvtest::StandInService::instance().loadScenario(hosttest::scenario("devices_fast.ini"));
    MainWindow window;
    window.show();
    auto* list = window.findChild<QListWidget*>(QStringLiteral("deviceList"));
    auto* progress = window.findChild<QProgressBar*>(QStringLiteral("discoverProgress"));
    ASSERT_TRUE(list && progress);
    // The speaker is in range but not stored yet: only the inquiry brings it.
    const QStringList known{QStringLiteral("Nova Phone"), QStringLiteral("Work Laptop"),
                            QStringLiteral("Slim Keyboard"), QStringLiteral("Old Watch")};
    EXPECT_EQ(names(list), known);
    EXPECT_FALSE(progress->isVisible());

    window.discover();
    ASSERT_TRUE(window.discovering());
    EXPECT_TRUE(progress->isVisible());
    bool seenWhileSearching = false;
    ASSERT_TRUE(hosttest::waitUntil([&] {
        if (window.discovering() && itemNamed(list, QStringLiteral("Room Speaker"))) seenWhileSearching = true;
        return !window.discovering();
    }));
    EXPECT_TRUE(seenWhileSearching);
    EXPECT_FALSE(progress->isVisible());
    EXPECT_EQ(names(list), known + QStringList{QStringLiteral("Room Speaker")});

    QListWidgetItem* speaker = itemNamed(list, QStringLiteral("Room Speaker"));
    ASSERT_TRUE(speaker);
    EXPECT_FALSE(speaker->icon().isNull());
    EXPECT_TRUE(speaker->toolTip().contains(QStringLiteral("00:0D:44:10:20:30"))) << speaker->toolTip().toStdString();
    EXPECT_TRUE(speaker->toolTip().contains(QStringLiteral("Not paired")));
    EXPECT_TRUE(itemNamed(list, QStringLiteral("Old Watch"))->toolTip().contains(QStringLiteral("Paired")));
}

}  // namespace
