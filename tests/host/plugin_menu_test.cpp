// The plug-ins in the shortcut list: a shortcut of the test plug-in's class shows the
// plug-in's actions and tool-tip, one of another class shows none of them, and the
// manager's own action of the menu works.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTreeWidget>

#include "cvcommon/shortcut_helpers.h"
#include "harness.h"
#include "host_test_util.h"
#include "main_window.h"
#include "shortcut_list.h"

namespace {

constexpr unsigned int kPhone = 1, kPhoneFileTransfer = 4, kPhoneSerialPort = 7;  // services_fast.ini

QTreeWidgetItem* rowOf(QTreeWidget* view, unsigned int shortcut) {
    for (int i = 0; i < view->topLevelItemCount(); ++i)
        if (view->topLevelItem(i)->data(0, Qt::UserRole).toUInt() == shortcut) return view->topLevelItem(i);
    return nullptr;
}

// The texts of the menu that opens for the shortcut, separators left out.
QMenu* openMenu(MainWindow& window, unsigned int shortcut) {
    window.shortcuts()->showMenuOf(shortcut);
    QMenu* menu = nullptr;
    hosttest::waitUntil([&] { return (menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) != nullptr; });
    return menu;
}

QStringList texts(const QMenu* menu) {
    QStringList all;
    for (QAction* action : menu->actions())
        if (!action->isSeparator()) all.append(action->text());
    return all;
}

class ShortcutMenus : public testing::Test {
protected:
    void SetUp() override {
        corvtest::StandInService::instance().loadScenario(hosttest::scenario("services_fast.ini"));
        ASSERT_EQ(CvCm_CreateShortCut(kPhone, kPhoneFileTransfer, &files), 0);
        ASSERT_EQ(CvCm_CreateShortCut(kPhone, kPhoneSerialPort, &serial), 0);
        window = std::make_unique<MainWindow>();
        window->show();
        view = window->findChild<QTreeWidget*>(QStringLiteral("shortcutList"));
        ASSERT_TRUE(view);
        ASSERT_TRUE(rowOf(view, files) && rowOf(view, serial));
    }

    unsigned int files = 0, serial = 0;
    std::unique_ptr<MainWindow> window;
    QTreeWidget* view = nullptr;
};

TEST_F(ShortcutMenus, AShortcutOfThePluginsClassShowsItsActionsAndTip) {
    EXPECT_EQ(rowOf(view, files)->toolTip(0), QStringLiteral("Test tip of shortcut %1").arg(files));
    QMenu* menu = openMenu(*window, files);
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->objectName(), QStringLiteral("shortcutMenu"));
    EXPECT_EQ(texts(menu), (QStringList{QStringLiteral("Test: browse folders"), QStringLiteral("Test: send a file"),
                                        QStringLiteral("Status…"), QStringLiteral("Properties…"),
                                        QStringLiteral("Delete shortcut")}));
    menu->close();
}

TEST_F(ShortcutMenus, AShortcutOfAnotherClassShowsNoPluginAction) {
    EXPECT_FALSE(rowOf(view, serial)->toolTip(0).startsWith(QStringLiteral("Test tip")));
    QMenu* menu = openMenu(*window, serial);
    ASSERT_TRUE(menu);
    EXPECT_EQ(texts(menu), (QStringList{QStringLiteral("No profile actions"), QStringLiteral("Status…"),
                                        QStringLiteral("Properties…"), QStringLiteral("Delete shortcut")}));
    EXPECT_FALSE(menu->actions().first()->isEnabled());
    menu->close();
}

TEST_F(ShortcutMenus, DeleteShortcutRemovesItsRow) {
    QMenu* menu = openMenu(*window, serial);
    ASSERT_TRUE(menu);
    menu->actions().last()->trigger();
    menu->close();
    EXPECT_TRUE(hosttest::waitUntil([&] { return rowOf(view, serial) == nullptr; }));
    EXPECT_TRUE(rowOf(view, files));
}

}  // namespace
