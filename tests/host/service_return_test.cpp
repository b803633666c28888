// The Bluetooth service leaves and comes back while the window is open: the window says
// so and greys what needs the service, and once the service runs again it shows the new
// service's world and a real action works. Once the service alone stops and starts again
// on the same bus; once the whole bus goes away and comes back, which takes a new start of
// the client library.
#include <gtest/gtest.h>

#include <dbus/dbus-glib-lowlevel.h>

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QSplitter>
#include <QStatusBar>

#include <fstream>

#include "corvclient/btsdk.h"
#include "harness.h"
#include "host_test_util.h"
#include "shown_windows.h"
#include "main_window.h"

namespace {

const QString kStopped =
    QStringLiteral("The Bluetooth service has stopped. The manager carries on by itself as soon as it runs again.");
const QString kRunning = QStringLiteral("The Bluetooth service is running again.");
// The watch asks once a second; a new start of the library takes another second.
constexpr int kNoticeTimeoutMs = 8000;

bool libraryConnected() {
    return g_dbus_connection && dbus_connection_get_is_connected(dbus_g_connection_get_connection(g_dbus_connection));
}

class ServiceReturn : public testing::Test {
protected:
    void SetUp() override {
        service.loadScenario(hosttest::scenario("fast.ini"));
        window = std::make_unique<MainWindow>();
        window->show();
        devices = window->findChild<QListWidget*>(QStringLiteral("deviceList"));
        panes = window->findChild<QSplitter*>(QStringLiteral("mainSplitter"));
        discover = window->findChild<QAction*>(QStringLiteral("actionDiscover"));
        ASSERT_TRUE(devices && panes && discover);
        ASSERT_EQ(noticeShown(), QString()) << "no notice while the service runs";
    }

    void TearDown() override {
        // Later tests need the bus and the service, whatever became of this one.
        if (busStopped) corvtest::TestBus::instance().restart();
        if (!service.running()) service.start();
    }

    // The text of the service notice while it is visible.
    QString noticeShown() const {
        auto* notice = window->findChild<QWidget*>(QStringLiteral("serviceNotice"));
        return notice && notice->isVisible() ? notice->findChild<QLabel*>(QStringLiteral("serviceNoticeText"))->text()
                                             : QString();
    }

    bool noticeBecomes(const QString& text) {
        return hosttest::waitUntil([&] { return noticeShown() == text; }, kNoticeTimeoutMs);
    }

    // What the window shows while the service is gone.
    void expectGreyed() {
        EXPECT_EQ(window->statusBar()->currentMessage(), kStopped);
        EXPECT_FALSE(panes->isEnabled());
        EXPECT_FALSE(discover->isEnabled());
    }

    // What it shows once the service is back.
    void expectUsable() {
        EXPECT_EQ(window->statusBar()->currentMessage(), kRunning);
        EXPECT_TRUE(panes->isEnabled());
        EXPECT_TRUE(discover->isEnabled());
    }

    corvtest::StandInService& service = corvtest::StandInService::instance();
    bool busStopped = false;
    std::unique_ptr<MainWindow> window;
    QListWidget* devices = nullptr;
    QSplitter* panes = nullptr;
    QAction* discover = nullptr;
};

TEST_F(ServiceReturn, AfterTheServiceRestartsTheWindowShowsItsWorldAndDiscovers) {
    ASSERT_EQ(hosttest::names(devices), QStringList{QStringLiteral("Nova Phone")});
    window->discover();
    ASSERT_TRUE(window->discovering());

    service.kill();
    ASSERT_TRUE(noticeBecomes(kStopped));
    expectGreyed();
    EXPECT_FALSE(window->discovering()) << "the inquiry ended with the service";

    service.start(hosttest::scenario("devices_fast.ini"));
    ASSERT_TRUE(noticeBecomes(kRunning));
    expectUsable();
    const QStringList known{QStringLiteral("Nova Phone"), QStringLiteral("Work Laptop"),
                            QStringLiteral("Slim Keyboard"), QStringLiteral("Old Watch")};
    EXPECT_EQ(hosttest::names(devices), known) << "the device list is read anew";

    window->discover();
    ASSERT_TRUE(window->discovering());
    ASSERT_TRUE(hosttest::waitUntil([&] { return !window->discovering(); }));
    EXPECT_TRUE(hosttest::itemNamed(devices, QStringLiteral("Room Speaker"))) << "inquiry results reach the window";
}

TEST_F(ServiceReturn, AfterTheBusComesBackAReceivedFileIsShownAgain) {
    corvtest::TestBus& bus = corvtest::TestBus::instance();
    bus.stop();  // bt_server ends with its bus
    busStopped = true;
    ASSERT_TRUE(noticeBecomes(kStopped));
    expectGreyed();
    EXPECT_FALSE(libraryConnected());
    EXPECT_EQ(Btsdk_IsBluetoothReady(), 0);

    ASSERT_TRUE(bus.restart());
    busStopped = false;
    service.start(hosttest::scenario("fast.ini"));
    ASSERT_TRUE(noticeBecomes(kRunning));
    expectUsable();
    EXPECT_TRUE(libraryConnected()) << "the library runs on a new connection";

    // The plug-in's file-transfer server and receive callback, registered with the old
    // service and library, now serve the new ones: the manager started the servers again.
    std::string source = hosttest::workingDir() + "/after-restart.txt";
    std::ofstream(source) << "sent once the bus was back\n";
    service.act("DevicePutsFile", g_variant_new("(sss)", "phone", source.c_str(), "after-restart.txt"));
    QWidget* notice = nullptr;
    ASSERT_TRUE(hosttest::waitUntil(
        [&] { return (notice = shownWindow(QStringLiteral("receivedFileNotice"))) != nullptr; }));
    EXPECT_EQ(notice->findChild<QLabel*>(QStringLiteral("noticeText"))->text(),
              QStringLiteral("Received after-restart.txt"));
}

}  // namespace
