// The shared profile windows from the manager's menus: a server's and a shortcut's status
// windows (one per item, raised when asked for again, freed when closed) and a shortcut's
// modal properties window, from the context menus and from the main menu. The items are
// ones the test plug-in has no actions for, so that their menus hold the manager's entries.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPointer>

#include "cvcommon/shortcut_helpers.h"
#include "harness.h"
#include "host_test_util.h"
#include "main_window.h"
#include "modal_answer.h"
#include "profilekit/profile_status_class.h"
#include "profilekit/rmt_profile_property_class.h"
#include "server_list.h"
#include "shortcut_list.h"

namespace {

constexpr unsigned int kPhone = 1, kPhoneSerialPort = 7;  // services_fast.ini
const QString kServerStatusTitle = QStringLiteral("Bluetooth File Transfer Status");
const QString kShortcutStatusTitle = QStringLiteral("Bluetooth Serial Port Status");
const QString kPropertiesTitle = QStringLiteral("Bluetooth Serial Port Properties");

// Opens a context menu with `open` and triggers its action of this object name.
void choose(const std::function<void()>& open, const QString& action) {
    open();
    QMenu* menu = hosttest::waitForMenu();
    ASSERT_TRUE(menu);
    QAction* chosen = menu->findChild<QAction*>(action);
    menu->close();
    ASSERT_TRUE(chosen) << action.toStdString();
    chosen->trigger();
}

class ProfileWindowMenus : public testing::Test {
protected:
    void SetUp() override {
        corvtest::StandInService::instance().loadScenario(hosttest::scenario("services_fast.ini"));
        ASSERT_EQ(CvCm_CreateShortCut(kPhone, kPhoneSerialPort, &shortcut), 0);
        window = std::make_unique<MainWindow>();
        window->show();
        server = hosttest::serverNamed(window.get(), QStringLiteral("Bluetooth File Transfer"));
        ASSERT_NE(server, 0u);
    }

    QList<ProfileStatusClass*> statusWindows() const { return window->findChildren<ProfileStatusClass*>(); }
    void serverStatus() { choose([this] { window->servers()->showMenuOf(server); }, QStringLiteral("statusAction")); }
    void shortcutMenu(const QString& action) {
        choose([this] { window->shortcuts()->showMenuOf(shortcut); }, action);
    }
    QAction* mainAction(const char* name) const { return window->findChild<QAction*>(QLatin1String(name)); }

    unsigned int shortcut = 0, server = 0;
    std::unique_ptr<MainWindow> window;
};

TEST_F(ProfileWindowMenus, TheServersStatusOpensOnceAndIsRaisedWhenAskedAgain) {
    serverStatus();
    ASSERT_EQ(statusWindows().size(), 1);
    ProfileStatusClass* shown = statusWindows().first();
    ASSERT_TRUE(shown);
    QPointer<ProfileStatusClass> status = shown;
    EXPECT_EQ(shown->windowTitle(), kServerStatusTitle);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_FALSE(shown->isModal());
    EXPECT_EQ(shown->windowType(), Qt::Window);

    window->activateWindow();
    ASSERT_TRUE(hosttest::waitUntil([&] { return QApplication::activeWindow() == window.get(); }));
    serverStatus();
    EXPECT_EQ(statusWindows(), QList<ProfileStatusClass*>{status.data()});
    EXPECT_TRUE(hosttest::waitUntil([&] { return QApplication::activeWindow() == status; }));

    status->close();
    EXPECT_TRUE(hosttest::waitUntil([&] { return status.isNull(); }));
    EXPECT_TRUE(statusWindows().isEmpty());
    // The freed window is not handed out again: asking anew opens a new one.
    serverStatus();
    ASSERT_EQ(statusWindows().size(), 1);
    EXPECT_TRUE(statusWindows().first()->isVisible());
}

TEST_F(ProfileWindowMenus, TheShortcutsStatusIsAWindowOfItsOwn) {
    serverStatus();
    shortcutMenu(QStringLiteral("statusAction"));
    ASSERT_EQ(statusWindows().size(), 2);
    ProfileStatusClass* shown = statusWindows().last();
    ASSERT_TRUE(shown);
    QPointer<ProfileStatusClass> ofShortcut = shown;
    EXPECT_EQ(shown->windowTitle(), kShortcutStatusTitle);
    EXPECT_TRUE(shown->isVisible());
    shortcutMenu(QStringLiteral("statusAction"));
    EXPECT_EQ(statusWindows().size(), 2);

    ASSERT_TRUE(ofShortcut);
    ofShortcut->close();
    EXPECT_TRUE(hosttest::waitUntil([&] { return ofShortcut.isNull(); }));
    EXPECT_EQ(statusWindows().size(), 1);
}

TEST_F(ProfileWindowMenus, TheShortcutsPropertiesAreModalAndFreedAfterTheAnswer) {
    corvtest::ModalAnswer answer = corvtest::answerModal([this] { shortcutMenu(QStringLiteral("propertiesAction")); },
                                                         corvtest::Press::button(QMessageBox::Cancel));
    EXPECT_TRUE(answer.came);
    EXPECT_TRUE(answer.pressed);
    EXPECT_EQ(answer.title, kPropertiesTitle);
    EXPECT_EQ(answer.others, 0);
    EXPECT_TRUE(window->findChildren<RmtProfilePropertyClass*>().isEmpty());
}

TEST_F(ProfileWindowMenus, TheMainMenuActsOnTheSelectedServerOrShortcut) {
    QAction* status = mainAction("actionStatus");
    QAction* properties = mainAction("actionProperties");
    ASSERT_TRUE(status && properties);

    window->servers()->showMenuOf(server);
    QMenu* menu = hosttest::waitForMenu();
    ASSERT_TRUE(menu);
    menu->close();
    EXPECT_TRUE(status->isEnabled());
    EXPECT_FALSE(properties->isEnabled());
    status->trigger();
    ASSERT_EQ(statusWindows().size(), 1);

    // Selecting the shortcut leaves the server unselected: the menu acts on the shortcut.
    window->shortcuts()->showMenuOf(shortcut);
    menu = hosttest::waitForMenu();
    ASSERT_TRUE(menu);
    menu->close();
    EXPECT_EQ(window->servers()->selectedServer(), 0u);
    EXPECT_EQ(window->shortcuts()->selectedShortcut(), shortcut);
    EXPECT_TRUE(properties->isEnabled());
    status->trigger();
    EXPECT_EQ(statusWindows().size(), 2);
    corvtest::ModalAnswer answer =
        corvtest::answerModal([&] { properties->trigger(); }, corvtest::Press::button(QMessageBox::Ok));
    EXPECT_TRUE(answer.pressed);
    EXPECT_EQ(answer.title, kPropertiesTitle);
}

}  // namespace
