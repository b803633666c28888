// The browser window and its connection as a person finds them: the title names the
// device, the window opens on the screen, the wait cursor ends with the connect whatever
// ends it, and a link or service that is gone is told, with a way to connect again.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <functional>

#include "browser_fixture.h"
#include "cvcommon/shortcut_helpers.h"
#include "qt_print.h"

namespace ftptest {
namespace {

using BrowserLink = Browser;

const QString kLinkLost = QStringLiteral("The connection to Nova Phone was lost.");
const QString kServiceGone = QStringLiteral("The Bluetooth service is not available.");

QWidget* notice(const BtFtpClient* browser) { return browser->findChild<QWidget*>(QStringLiteral("frame_LinkNotice")); }

// The notice's text while it shows, else empty.
QString noticeText(const BtFtpClient* browser) {
    return notice(browser)->isVisible() ? browser->findChild<QLabel*>(QStringLiteral("label_LinkNotice"))->text()
                                        : QString();
}

void clickReconnect(const BtFtpClient* browser) {
    browser->findChild<QPushButton*>(QStringLiteral("pushButton_Reconnect"))->click();
}

BTCONNHDL phoneConnection() {
    BTCONNHDL connections[8] = {};
    return Btsdk_GetAllOutgoingConnections(connections, 8) == 1 ? connections[0] : 0;
}

TEST_F(BrowserLink, TheTitleNamesTheDeviceAndTheWindowOpensOnTheScreen) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Nova Phone - Bluetooth File Transfer"));

    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
        const char* parent;
        QRect parentGeometry;  // null: no parent
    } cases[] = {
        {"none", QRect()},
        {"covering the screen", area.adjusted(40, 30, -40, -30)},
        {"in the lower right corner", QRect(area.right() - 150, area.bottom() - 100, 300, 200)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.parent);
        std::unique_ptr<QWidget> manager;
        if (!c.parentGeometry.isNull()) {
            manager = std::make_unique<QWidget>();
            manager->setGeometry(c.parentGeometry);
            manager->show();
        }
        BtFtpClient browser(0, manager.get());
        browser.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&browser));
        const QRect frame = browser.frameGeometry();
        EXPECT_TRUE(area.contains(frame)) << frame.x() << "," << frame.y() << " " << frame.width() << "x"
                                          << frame.height() << " in " << area.width() << "x" << area.height();
        // Centred on the parent, or on the screen, wherever that fits.
        QRect centred(QPoint(), browser.frameGeometry().size());
        centred.moveCenter(manager ? c.parentGeometry.center() : area.center());
        if (area.contains(centred)) {
            EXPECT_EQ(browser.frameGeometry(), centred);
        }
    }
}

// However the connect ends, the wait cursor it set goes, once: the application's own
// override cursor stays.
TEST_F(BrowserLink, TheWaitCursorEndsWithTheConnectWhateverEndsIt) {
    window.reset();
    QApplication::setOverrideCursor(Qt::CrossCursor);
    corvtest::ReplyOverride slow, refused;
    slow.delayMs = 1500;
    refused.result = 1;
    const struct {
        const char* ending;
        corvtest::ReplyOverride reply;
        QString status;  // empty: the window is closed while it connects
    } cases[] = {
        {"connected", corvtest::ReplyOverride(), QStringLiteral("Connected.")},
        {"refused", refused, QStringLiteral("Cannot connect to the FTP service.")},
        {"window closed while connecting", slow, QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ending);
        service.setReply("btsdkconn", "connect_ex", c.reply);
        QPointer<BtFtpClient> browser = new BtFtpClient(0, nullptr);
        browser->setAttribute(Qt::WA_DeleteOnClose);
        browser->show();
        browser->setShortcutHandle(shortcut);
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        if (!c.status.isEmpty()) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return browser->statusBar()->currentMessage() == c.status; }, 10000))
                << browser->statusBar()->currentMessage().toStdString();
        }
        browser->close();
        ASSERT_TRUE(QTest::qWaitFor([&] { return browser.isNull(); }, 10000));
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::CrossCursor);
        service.clearReplies();
    }
    QApplication::restoreOverrideCursor();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// A link that drops is told however the window finds it, and the pane no longer shows the
// device's old listing; Reconnect connects and lists the folder that was shown.
TEST_F(BrowserLink, ADroppedLinkIsToldAndReconnectListsTheFolderAgain) {
    writeFile(localPath(QStringLiteral("large.bin")), 8 * 1024 * 1024);
    const struct {
        const char* foundBy;
        std::function<void()> act;  // right after the drop
    } cases[] = {
        {"the window's own watch", [] {}},
        {"a refresh", [this] { window->refreshRemote(); }},
        {"a download", [this] { window->DownloadRequest({pathUrl(QStringLiteral("/Documents/Projects"))}); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.foundBy);
        window->UpdateRmtCombox(QStringLiteral("/Documents"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return remotePane()->topLevelItemCount() == 2; }, 5000));
        service.act("DropConnection", g_variant_new("(u)", phoneConnection()));
        c.act();
        ASSERT_TRUE(QTest::qWaitFor([&] { return noticeText(window.get()) == kLinkLost; }, 5000))
            << status().toStdString();
        EXPECT_EQ(status(), kLinkLost);
        EXPECT_EQ(remotePane()->topLevelItemCount(), 0);
        EXPECT_TRUE(callsOf("get_dir").empty());

        clickReconnect(window.get());
        ASSERT_TRUE(QTest::qWaitFor([&] { return names(remotePane()).size() == 2; }, 10000)) << status().toStdString();
        EXPECT_EQ(names(remotePane()), (QStringList{QStringLiteral("Projects"), QStringLiteral("Résumé 2026.v2.final.pdf")}));
        EXPECT_EQ(window->findChild<QComboBox*>(QStringLiteral("comboBox_Remote"))->currentText(),
                  QStringLiteral("/Documents"));
        EXPECT_EQ(noticeText(window.get()), QString());
        EXPECT_EQ(status(), QStringLiteral("Connected."));
    }

    // A transfer that the drop ends fails, and the window says why.
    window->UploadRequest({pathUrl(localPath(QStringLiteral("large.bin")))});
    QSignalSpy progress(window.get(), &BtFtpClient::sgnTransStatus);
    ASSERT_TRUE(QTest::qWaitFor([&] { return progress.size() >= 2; }, 10000));
    service.act("DropConnection", g_variant_new("(u)", phoneConnection()));
    ASSERT_TRUE(waitForStatus(QStringLiteral("Upload was not successful.")));
    EXPECT_EQ(noticeText(window.get()), kLinkLost);
}

// The service leaving the bus is told; Reconnect says so again while it is away and
// connects once it is back.
TEST_F(BrowserLink, TheServiceLeavingIsToldAndReconnectWorksOnceItIsBack) {
    service.stop();
    const bool told = QTest::qWaitFor([&] { return noticeText(window.get()) == kServiceGone; }, 5000);
    const QString statusWhileGone = status();
    const int rowsWhileGone = remotePane()->topLevelItemCount();
    clickReconnect(window.get());
    const QString afterReconnect = noticeText(window.get());
    service.start(FTP_WORLD);
    ASSERT_TRUE(told) << status().toStdString();
    EXPECT_EQ(statusWhileGone, kServiceGone);
    EXPECT_EQ(rowsWhileGone, 0);
    EXPECT_EQ(afterReconnect, kServiceGone);

    clickReconnect(window.get());
    ASSERT_TRUE(QTest::qWaitFor([&] { return remotePane()->topLevelItemCount() == 5; }, 10000))
        << status().toStdString();
    EXPECT_EQ(status(), QStringLiteral("Connected."));
    EXPECT_EQ(noticeText(window.get()), QString());
}

}  // namespace
}  // namespace ftptest
