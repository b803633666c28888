// A device's push through the object-push plug-in: a device that is not trusted is asked
// for first; an accepted object is listed with its sender and never replaces a file of
// its name in the inbox; a refused one leaves nothing.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTreeWidget>

#include <fstream>
#include <string>

#include "cvcommon/profile_plug_mng.h"
#include "harness.h"
#include "host_test_util.h"
#include "shown_windows.h"
#include "main_window.h"

namespace {

// A device's push, started without waiting: the service answers once the user decided and
// the file is over, while this thread runs the window's events.
struct Push {
    bool done = false;
    std::string error;

    void start(const char* device, const std::string& file) {
        g_dbus_connection_call(corvtest::StandInService::instance().bus(), "com.zel.corvane", "/com/zel/corvane/simctl",
                               "com.zel.corvane.simctl", "DevicePushesFile",
                               g_variant_new("(ss)", device, file.c_str()), G_VARIANT_TYPE("()"),
                               G_DBUS_CALL_FLAGS_NO_AUTO_START, 40000, nullptr, &Push::finished, this);
    }
    static void finished(GObject* bus, GAsyncResult* result, gpointer data) {
        auto* push = static_cast<Push*>(data);
        GError* error = nullptr;
        if (GVariant* reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(bus), result, &error))
            g_variant_unref(reply);
        else
            push->error = error->message, g_error_free(error);
        push->done = true;
    }
};

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList newestReceived(MainWindow& window) {
    window.findChild<QAction*>(QStringLiteral("actionReceivedFiles"))->trigger();
    QWidget* list = shownWindow(QStringLiteral("receivedFiles"));
    auto* view = list ? list->findChild<QTreeWidget*>(QStringLiteral("receivedList")) : nullptr;
    QTreeWidgetItem* row = view ? view->topLevelItem(0) : nullptr;
    return row ? QStringList{row->text(0), row->text(1), row->text(3)} : QStringList();
}

TEST(ObjectPushReceived, AnUntrustedDeviceIsAskedFirstAndItsObjectNeverReplacesAnother) {
    corvtest::StandInService& service = corvtest::StandInService::instance();
    service.loadScenario(hosttest::scenario("push_fast.ini"));
    ProfilePlugMng::StartProfileServer();
    const QDir inbox(QString::fromStdString(hosttest::inboxFolder()));
    const std::string source = hosttest::workingDir() + "/photo.jpg";
    std::ofstream(source) << std::string(4000, 'p');
    std::ofstream(inbox.filePath(QStringLiteral("photo.jpg")).toStdString()) << "kept";
    MainWindow window;
    window.show();

    struct Case {
        const char* button;
        const char* arrived;  // null: refused, nothing arrives
    };
    for (const Case& c : {Case{"rejectButton", nullptr}, Case{"acceptButton", "photo (1).jpg"}}) {
        SCOPED_TRACE(c.button);
        Push push;
        push.start("tablet", source);
        QWidget* prompt = nullptr;
        ASSERT_TRUE(hosttest::waitUntil(
            [&] { return (prompt = shownWindow(QStringLiteral("authorizationPrompt"))) != nullptr; }));
        prompt->findChild<QAbstractButton*>(QLatin1String(c.button))->click();
        ASSERT_TRUE(hosttest::waitUntil([&] { return push.done; }, 10000));
        if (c.arrived) {
            EXPECT_EQ(push.error, "");
            EXPECT_EQ(contents(inbox.filePath(QLatin1String(c.arrived))), QByteArray(4000, 'p'));
            // The plug-in's report comes over the client's own connection, perhaps after the answer.
            EXPECT_TRUE(hosttest::waitUntil([&] { return !newestReceived(window).isEmpty(); }));
            EXPECT_EQ(newestReceived(window), (QStringList{QLatin1String(c.arrived), QStringLiteral("Slate Tablet"),
                                                           QLocale().formattedDataSize(4000)}));
        } else {
            EXPECT_NE(push.error.find("refused"), std::string::npos) << push.error;
            EXPECT_EQ(inbox.entryList(QDir::Files), QStringList{QStringLiteral("photo.jpg")});
        }
    }
    EXPECT_EQ(contents(inbox.filePath(QStringLiteral("photo.jpg"))), QByteArray("kept"));
}

}  // namespace
