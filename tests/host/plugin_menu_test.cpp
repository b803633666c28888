// The context menus of shortcuts and local servers with the test plug-in: the plug-in's
// actions are the whole menu of an item it has actions for; an item it has none for, or
// that no plug-in serves, gets the manager's own entries instead, and those work.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QTreeWidget>

#include "cvcommon/shortcut_helpers.h"
#include "harness.h"
#include "host_test_util.h"
#include "main_window.h"
#include "server_list.h"
#include "shortcut_list.h"

namespace {

constexpr unsigned int kPhone = 1, kPhoneFileTransfer = 4, kPhoneSerialPort = 7;  // services_fast.ini
const QString kStatus = QStringLiteral("Status…"), kProperties = QStringLiteral("Properties…");

QTreeWidgetItem* rowOf(QTreeWidget* view, unsigned int handle) {
    for (int i = 0; i < view->topLevelItemCount(); ++i)
        if (view->topLevelItem(i)->data(0, Qt::UserRole).toUInt() == handle) return view->topLevelItem(i);
    return nullptr;
}

class ItemMenus : public testing::Test {
protected:
    void SetUp() override {
        corvtest::StandInService::instance().loadScenario(hosttest::scenario("services_fast.ini"));
        ASSERT_EQ(CvCm_CreateShortCut(kPhone, kPhoneFileTransfer, &files), 0);
        ASSERT_EQ(CvCm_CreateShortCut(kPhone, kPhoneSerialPort, &serial), 0);
        window = std::make_unique<MainWindow>();
        window->show();
        shortcutView = window->findChild<QTreeWidget*>(QStringLiteral("shortcutList"));
        ASSERT_TRUE(shortcutView);
        ASSERT_TRUE(rowOf(shortcutView, files) && rowOf(shortcutView, serial));
        fileServer = hosttest::serverNamed(window.get(), QStringLiteral("Bluetooth File Transfer"));
        ASSERT_NE(fileServer, 0u);
    }

    QMenu* shortcutMenu(unsigned int shortcut) {
        window->shortcuts()->showMenuOf(shortcut);
        return hosttest::waitForMenu();
    }

    unsigned int files = 0, serial = 0, fileServer = 0;
    std::unique_ptr<MainWindow> window;
    QTreeWidget* shortcutView = nullptr;
};

TEST_F(ItemMenus, ThePluginsActionsMakeTheShortcutsMenuWithTheManagersDelete) {
    EXPECT_EQ(rowOf(shortcutView, files)->toolTip(0), QStringLiteral("Test tip of shortcut %1").arg(files));
    QPointer<QMenu> menu = shortcutMenu(files);
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->objectName(), QStringLiteral("shortcutMenu"));
    const QStringList pluginTexts{QStringLiteral("Test: browse folders"), QStringLiteral("Test: send a file"),
                                  QStringLiteral("Delete shortcut")};
    EXPECT_EQ(hosttest::menuTexts(menu), pluginTexts);
    EXPECT_EQ(menu->findChild<QAction*>(QStringLiteral("statusAction")), nullptr);
    EXPECT_EQ(menu->findChild<QAction*>(QStringLiteral("propertiesAction")), nullptr);

    // The actions stay the plug-in's: the next menu shows them again after this one is gone.
    menu->close();
    ASSERT_TRUE(hosttest::waitUntil([&] { return menu.isNull(); }));
    menu = shortcutMenu(files);
    ASSERT_TRUE(menu);
    EXPECT_EQ(hosttest::menuTexts(menu), pluginTexts);
    menu->close();
}

TEST_F(ItemMenus, AShortcutNoPluginServesHasTheManagersOwnEntries) {
    EXPECT_FALSE(rowOf(shortcutView, serial)->toolTip(0).startsWith(QStringLiteral("Test tip")));
    QMenu* menu = shortcutMenu(serial);
    ASSERT_TRUE(menu);
    EXPECT_EQ(hosttest::menuTexts(menu), (QStringList{kStatus, kProperties, QStringLiteral("Delete shortcut")}));
    for (QAction* action : menu->actions()) EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
    EXPECT_TRUE(menu->findChild<QAction*>(QStringLiteral("statusAction")));
    EXPECT_TRUE(menu->findChild<QAction*>(QStringLiteral("propertiesAction")));
    menu->close();
}

// The test plug-in serves the file-transfer class but hands out no server actions.
TEST_F(ItemMenus, AServerThePluginHasNoActionsForHasTheManagersOwnEntries) {
    window->servers()->showMenuOf(fileServer);
    QMenu* menu = hosttest::waitForMenu();
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->objectName(), QStringLiteral("serverMenu"));
    EXPECT_EQ(hosttest::menuTexts(menu),
              (QStringList{kStatus, QStringLiteral("Start server"), QStringLiteral("Stop server")}));
    EXPECT_TRUE(menu->findChild<QAction*>(QStringLiteral("statusAction")));
    menu->close();
}

TEST_F(ItemMenus, DeleteShortcutRemovesItsRow) {
    QMenu* menu = shortcutMenu(serial);
    ASSERT_TRUE(menu);
    QAction* remove = menu->actions().last();
    ASSERT_EQ(remove->text(), QStringLiteral("Delete shortcut"));
    remove->trigger();
    menu->close();
    EXPECT_TRUE(hosttest::waitUntil([&] { return rowOf(shortcutView, serial) == nullptr; }));
    EXPECT_TRUE(rowOf(shortcutView, files));
}

}  // namespace
