// The browser's progress window during real transfers through the stand-in (1 MiB/s in
// chunks of 64 KiB): it guards the browser only, a cancel ends as cancelled, and its
// percent, rate and time left follow the bytes moved.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <functional>

#include "browser_fixture.h"
#include "profilekit/com_progress_dlg.h"

namespace ftptest {
namespace {

using BrowserProgress = Browser;

constexpr int kChunk = 65536;  // the scenario's TransferChunk
constexpr int kLarge = 8 * 1024 * 1024;

ComProgressDlg* progressWindow(const BtFtpClient* browser) { return browser->findChild<ComProgressDlg*>(); }

// Waits until the transfer has reported a few chunks.
bool underWay(const BtFtpClient* browser) {
    QSignalSpy progress(browser, &BtFtpClient::sgnTransStatus);
    return QTest::qWaitFor([&] { return progress.size() >= 3; }, 10000);
}

TEST_F(BrowserProgress, WhileATransferRunsTheManagersOtherWindowsTakeInput) {
    QWidget manager;
    auto* button = new QPushButton(QStringLiteral("Refresh"), &manager);
    button->setGeometry(0, 0, 200, 100);
    manager.resize(200, 100);
    manager.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&manager));
    QSignalSpy clicks(button, &QPushButton::clicked);

    writeFile(localPath(QStringLiteral("large.bin")), kLarge);
    window->UploadRequest({pathUrl(localPath(QStringLiteral("large.bin")))});
    ASSERT_NE(progressWindow(window.get()), nullptr);
    ASSERT_TRUE(underWay(window.get()));
    QTest::mouseClick(manager.windowHandle(), Qt::LeftButton, Qt::NoModifier, button->geometry().center());
    EXPECT_EQ(clicks.size(), 1);
    // The browser itself waits for its transfer.
    auto* refresh = window->findChild<QWidget*>(QStringLiteral("toolButton_Refresh"));
    QSignalSpy refreshes(action("actRefresh"), &QAction::triggered);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      refresh->mapTo(window.get(), refresh->rect().center()));
    EXPECT_TRUE(refreshes.isEmpty());

    progressWindow(window.get())->reject();
    EXPECT_TRUE(waitForStatus(QStringLiteral("Upload cancelled.")));
}

// Escape, the Cancel button or the window's close end the transfer as cancelled, also in
// a request of several items; the partial file does not stay on the device.
TEST_F(BrowserProgress, ACancelledTransferSaysCancelled) {
    writeFile(localPath(QStringLiteral("large.bin")), kLarge);
    writeFile(localPath(QStringLiteral("small.txt")), 100);
    writeFile(phoneFiles() + QStringLiteral("/phone large.bin"), kLarge);
    window->refreshRemote();
    const auto upload = [this] { window->UploadRequest({pathUrl(localPath(QStringLiteral("large.bin")))}); };
    const struct {
        const char* how;
        std::function<void()> start;
        std::function<void(ComProgressDlg*)> cancel;
        QString status;
    } cases[] = {
        {"Escape", upload, [](ComProgressDlg* d) { QTest::keyClick(d, Qt::Key_Escape); },
         QStringLiteral("Upload cancelled.")},
        {"Cancel",
         [this] {
             focus(remotePane());
             select(remotePane(), {QStringLiteral("phone large.bin")});
             action("actDownload")->trigger();
         },
         [](ComProgressDlg* d) { d->findChild<QAbstractButton*>(QStringLiteral("BtnCancel"))->click(); },
         QStringLiteral("Download cancelled.")},
        {"close, second of two items",
         [this] {
             window->UploadRequest({pathUrl(localPath(QStringLiteral("small.txt"))),
                                    pathUrl(localPath(QStringLiteral("large.bin")))});
         },
         [](ComProgressDlg* d) { d->close(); }, QStringLiteral("1 of 2 uploaded, cancelled")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        c.start();
        ComProgressDlg* dialog = progressWindow(window.get());
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->windowTitle().endsWith(QStringLiteral("large.bin")); }, 10000));
        ASSERT_TRUE(underWay(window.get()));
        c.cancel(dialog);
        EXPECT_TRUE(waitForStatus(c.status));
        EXPECT_EQ(progressWindow(window.get()), nullptr);
        EXPECT_FALSE(QFile::exists(phoneFiles() + QStringLiteral("/large.bin")));
        EXPECT_FALSE(QFile::exists(localPath(QStringLiteral("phone large.bin"))));
    }
}

// Bytes in a size text ("1.50MB" and the like), to within its two decimals.
double bytesOf(const QString& text) {
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^([0-9.]+)(Bytes|KB|MB|GB)$")).match(text);
    if (!m.hasMatch()) return -1;
    const QString unit = m.captured(2);
    const double scale = unit == QLatin1String("KB") ? 1024.0
                         : unit == QLatin1String("MB") ? 1048576.0
                         : unit == QLatin1String("GB") ? 1073741824.0
                                                       : 1.0;
    return m.captured(1).toDouble() * scale;
}

// At each chunk's report the window shows the bytes moved so far: the device reports once
// per chunk of the scenario's size, so after n reports n chunks have moved.
TEST_F(BrowserProgress, PercentRateAndTimeLeftFollowTheBytesMoved) {
    constexpr int kSize = 3 * 1024 * 1024;  // three seconds, 48 chunks
    writeFile(localPath(QStringLiteral("three.bin")), kSize);
    window->UploadRequest({pathUrl(localPath(QStringLiteral("three.bin")))});
    ComProgressDlg* dialog = progressWindow(window.get());
    ASSERT_NE(dialog, nullptr);
    auto* bar = dialog->findChild<QProgressBar*>(QStringLiteral("progressBar"));
    auto* rate = dialog->findChild<QLabel*>(QStringLiteral("LabelNum"));
    auto* left = dialog->findChild<QLabel*>(QStringLiteral("Label_TimeLeft"));
    const QString noRate = rate->text();  // until a report brings a rate
    struct Seen {
        qint64 moved;
        int percent;
        QString rate, left;
    };
    std::vector<Seen> seen;
    qint64 chunks = 0;
    // Connected after the dialog, so it sees each report once the dialog has drawn it.
    QObject::connect(window.get(), &BtFtpClient::sgnTransStatus, dialog,
                     [&](quint8 first, quint8 last, quint8*, quint32, quint32) {
                         if (first || last) return;
                         ++chunks;
                         seen.push_back({chunks * kChunk, bar->value(), rate->text(), left->text()});
                     });
    ASSERT_TRUE(waitForStatus(QStringLiteral("Upload succeeded.")));
    ASSERT_GE(seen.size(), 10u);

    const QRegularExpression rateLine(QStringLiteral("^Rate: (\\S+)/(\\S+) \\((\\S+) /Sec\\)$"));
    const QString timeLeft = QStringLiteral("Estimated time left: ");
    QString previousRate = noRate;
    // The first report that is off is enough to tell.
    for (const Seen& s : seen) {
        const int expected = int(s.moved * 100 / kSize);
        ASSERT_LE(std::abs(s.percent - expected), kChunk * 100 / kSize)
            << "percent " << s.percent << " after " << s.moved << " bytes";
    }
    for (const Seen& s : seen) {
        if (HasFailure()) break;
        SCOPED_TRACE(s.moved);
        // The rate and time-left lines change at a report that came a while after the one
        // before (not in the same millisecond).
        if (s.rate == previousRate) continue;
        previousRate = s.rate;
        const QRegularExpressionMatch m = rateLine.match(s.rate);
        ASSERT_TRUE(m.hasMatch()) << s.rate.toStdString();
        EXPECT_NEAR(bytesOf(m.captured(1)), double(s.moved), kChunk) << s.rate.toStdString();
        EXPECT_EQ(m.captured(2), ComProgressDlg::GetSizeString(kSize));
        ASSERT_TRUE(s.left.startsWith(timeLeft)) << s.left.toStdString();
        // Once the average rate has settled, and while a second or more is left.
        if (s.moved >= kSize / 4 && s.moved <= kSize / 2) {
            EXPECT_GT(s.left.size(), timeLeft.size()) << "no time left shown";
        }
    }
}

}  // namespace
}  // namespace ftptest
