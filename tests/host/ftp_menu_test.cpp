// The context menus with the file-transfer plug-in libPxFtp: the very actions it hands out
// for the FTP server and for an FTP shortcut are the whole menu, and choosing one runs the
// plug-in's own window; the serial-port server, which no plug-in serves, gets the
// manager's entries.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include "cvcommon/profile_plug_mng.h"
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

constexpr unsigned int kPhone = 1, kPhoneFileTransfer = 4;  // services_fast.ini

// Closes the menu and returns its entry with this text.
QAction* takeEntry(QMenu* menu, const QString& text) {
    QAction* chosen = nullptr;
    for (QAction* action : menu->actions())
        if (action->text() == text) chosen = action;
    menu->close();
    return chosen;
}

class FtpMenus : public testing::Test {
protected:
    void SetUp() override {
        corvtest::StandInService::instance().loadScenario(hosttest::scenario("services_fast.ini"));
        ProfilePlugMng::StartProfileServer();
        ASSERT_EQ(CvCm_CreateShortCut(kPhone, kPhoneFileTransfer, &shortcut), 0);
        window = std::make_unique<MainWindow>();
        window->show();
        ftpServer = hosttest::serverNamed(window.get(), QStringLiteral("Bluetooth File Transfer"));
        serialServer = hosttest::serverNamed(window.get(), QStringLiteral("Bluetooth Serial Port"));
        ASSERT_NE(ftpServer, 0u);
        ASSERT_NE(serialServer, 0u);
    }

    QMenu* serverMenu(unsigned int server) {
        window->servers()->showMenuOf(server);
        return hosttest::waitForMenu();
    }

    // The manager's own status and properties windows, none of which the plug-in opens.
    int managersWindows() const {
        return window->findChildren<ProfileStatusClass*>().size() +
               window->findChildren<RmtProfilePropertyClass*>().size();
    }

    unsigned int shortcut = 0, ftpServer = 0, serialServer = 0;
    std::unique_ptr<MainWindow> window;
};

TEST_F(FtpMenus, TheFtpServersMenuIsThePluginsAndItsStatusIsThePluginsWindow) {
    QMenu* menu = serverMenu(ftpServer);
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->objectName(), QStringLiteral("serverMenu"));
    const QList<QAction*> pluginActions = ProfilePlugMng::GetLocalSvrActionList(ftpServer);
    ASSERT_FALSE(pluginActions.isEmpty());
    EXPECT_EQ(menu->actions(), pluginActions);

    QAction* status = takeEntry(menu, QStringLiteral("&Status"));
    ASSERT_TRUE(status);
    const corvtest::ModalAnswer answer =
        corvtest::answerModal([&] { status->trigger(); }, corvtest::Press::named(QStringLiteral("pushButton")));
    EXPECT_TRUE(answer.came);
    EXPECT_TRUE(answer.pressed);
    EXPECT_EQ(answer.title, QStringLiteral("Bluetooth File Transfer Status"));
    EXPECT_EQ(answer.others, 0);
    EXPECT_EQ(managersWindows(), 0);
}

TEST_F(FtpMenus, TheFtpShortcutsMenuIsThePluginsWithDeleteAndItsPropertiesAreThePluginsWindow) {
    window->shortcuts()->showMenuOf(shortcut);
    QMenu* menu = hosttest::waitForMenu();
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->objectName(), QStringLiteral("shortcutMenu"));
    const QList<QAction*> pluginActions = ProfilePlugMng::GetActionListByShortcutHandle(shortcut);
    ASSERT_FALSE(pluginActions.isEmpty());
    QList<QAction*> shown = menu->actions();
    ASSERT_GE(shown.size(), 2);
    EXPECT_EQ(shown.takeLast()->text(), QStringLiteral("Delete shortcut"));
    EXPECT_TRUE(shown.takeLast()->isSeparator());
    EXPECT_EQ(shown, pluginActions);

    QAction* properties = takeEntry(menu, QStringLiteral("&Properties"));
    ASSERT_TRUE(properties);
    const corvtest::ModalAnswer answer =
        corvtest::answerModal([&] { properties->trigger(); }, corvtest::Press::button(QMessageBox::Cancel));
    EXPECT_TRUE(answer.came);
    EXPECT_TRUE(answer.pressed);
    EXPECT_EQ(answer.title, QStringLiteral("Bluetooth File Transfer Properties"));
    EXPECT_EQ(managersWindows(), 0);
}

TEST_F(FtpMenus, AServerNoPluginServesHasTheManagersEntries) {
    QMenu* menu = serverMenu(serialServer);
    ASSERT_TRUE(menu);
    EXPECT_EQ(hosttest::menuTexts(menu), (QStringList{QStringLiteral("Status…"), QStringLiteral("Start server"),
                                                      QStringLiteral("Stop server")}));
    QAction* status = menu->findChild<QAction*>(QStringLiteral("statusAction"));
    ASSERT_TRUE(status);
    menu->close();
    status->trigger();
    ASSERT_EQ(window->findChildren<ProfileStatusClass*>().size(), 1);
    EXPECT_EQ(window->findChildren<ProfileStatusClass*>().first()->windowTitle(),
              QStringLiteral("Bluetooth Serial Port Status"));
}

}  // namespace
