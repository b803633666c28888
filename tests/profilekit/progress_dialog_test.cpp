// The transfer progress window: what one report does to the bar, the rate and the time
// left; the size and time texts; a cancel by the user.
#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <memory>

#include "modal_answer.h"
#include "profilekit/com_progress_dlg.h"
#include "qt_print.h"
#include "shots.h"

namespace {

constexpr quint32 kMiB = 1024 * 1024, kGiB = 1024 * 1024 * 1024;

// The rate is bytes over elapsed milliseconds: let the clock move on by at least ms.
void letClockAdvance(qint64 ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
}

class Progress : public testing::Test {
protected:
    QString src = QStringLiteral("/home/ana/report.pdf");
    QString dest = QStringLiteral("Nova Phone:/Documents");
    std::unique_ptr<ComProgressDlg> dialog = std::make_unique<ComProgressDlg>(src, dest);

    QString text(const char* label) const { return dialog->findChild<QLabel*>(QLatin1String(label))->text(); }
    int bar() const { return dialog->findChild<QProgressBar*>(QStringLiteral("progressBar"))->value(); }
    QString rate() const { return text("LabelNum"); }
    QString timeLeft() const { return text("Label_TimeLeft"); }

    void startFile(quint32 size, QByteArray name = "report.pdf") {
        dialog->slotProcTransStatus(1, 0, reinterpret_cast<quint8*>(name.data()), size, 0);
    }
    void chunk(quint32 bytes) { dialog->slotProcTransStatus(0, 0, nullptr, 0, bytes); }
    void endFile() { dialog->slotProcTransStatus(0, 1, nullptr, 0, 0); }
};

TEST_F(Progress, OpensWithTheEndsOfTheTransferAndEmptyLines) {
    EXPECT_EQ(text("LabelSrc"), src);
    EXPECT_EQ(text("LabelDest"), dest);
    EXPECT_EQ(text("LabelFrom"), QStringLiteral("From"));
    EXPECT_EQ(text("LabelTo"), QStringLiteral("To"));
    EXPECT_EQ(rate(), QStringLiteral("Rate:"));
    EXPECT_EQ(timeLeft(), QStringLiteral("Estimated time left:"));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Copying "));
    EXPECT_EQ(dialog->windowFlags() & Qt::WindowType_Mask, Qt::Window);
    EXPECT_TRUE(dialog->isModal());
}

TEST_F(Progress, BarFollowsTheBytesOfEachFile) {
    startFile(1000, "Übersicht.txt");
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("Copying Übersicht.txt"));
    EXPECT_EQ(bar(), 0);
    chunk(333);
    EXPECT_EQ(bar(), 33);
    chunk(333);
    EXPECT_EQ(bar(), 66);  // 66.6 truncated
    endFile();
    EXPECT_EQ(bar(), 100);

    startFile(3 * kGiB, "big.iso");  // the next file starts from nothing
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Copying big.iso"));
    EXPECT_EQ(bar(), 0);
    chunk(kGiB);
    EXPECT_EQ(bar(), 33);  // no 32-bit overflow in the percentage

    dialog->slotProcTransStatus(1, 0, nullptr, 10, 0);  // a file without a name
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Copying "));
}

TEST_F(Progress, ReportsOfAFileOfSizeZeroChangeNothing) {
    startFile(0, "empty.txt");
    letClockAdvance(2);
    chunk(500);
    EXPECT_EQ(bar(), 0);
    EXPECT_EQ(rate(), QStringLiteral("Rate:"));
    EXPECT_EQ(timeLeft(), QStringLiteral("Estimated time left:"));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Copying empty.txt"));
}

// A report in the millisecond of the previous one has no rate: the lines stay.
TEST_F(Progress, TwoReportsInOneMillisecondLeaveTheLines) {
    bool sameMillisecond = false;
    for (int attempt = 0; attempt < 100 && !sameMillisecond; ++attempt) {
        dialog = std::make_unique<ComProgressDlg>(src, dest);
        QElapsedTimer around;  // started before the dialog's timers, read after them
        around.start();
        startFile(kMiB);
        chunk(64 * 1024);
        sameMillisecond = around.nsecsElapsed() < 1000000;
    }
    ASSERT_TRUE(sameMillisecond) << "no two reports within one millisecond in 100 attempts";
    EXPECT_EQ(bar(), 6);  // the bar moves all the same
    EXPECT_EQ(rate(), QStringLiteral("Rate:"));
    EXPECT_EQ(timeLeft(), QStringLiteral("Estimated time left:"));

    letClockAdvance(2);
    chunk(64 * 1024);
    EXPECT_TRUE(rate().startsWith(QStringLiteral("Rate: 128.00KB/1024.00KB ("))) << rate().toStdString();
}

// The rate is the last chunk's bytes over the milliseconds since the report before it;
// the time left is the bytes left over the average rate since the file began.
TEST_F(Progress, ChunkShowsItsRateAndTheTimeLeft) {
    QElapsedTimer around;
    around.start();
    startFile(2 * kGiB);
    letClockAdvance(4);
    chunk(1024);
    const double longestMs = around.elapsed();

    const QRegularExpressionMatch line =
        QRegularExpression(QStringLiteral("^Rate: 1.00KB/2.00GB \\((\\d+\\.\\d\\d)KB /Sec\\)$")).match(rate());
    ASSERT_TRUE(line.hasMatch()) << rate().toStdString();
    const double bytesPerSecond = line.captured(1).toDouble() * 1024;
    EXPECT_LE(bytesPerSecond, 1024 * 1000 / 4.0 + 10.24);
    EXPECT_GE(bytesPerSecond, 1024 * 1000 / (longestMs + 1) - 10.24);
    // Nearly 2 GiB left at no more than 250 KB/s: above two hours.
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Estimated time left: \\d+hours?(\\d+minutes?)?(\\d+seconds?)?$"))
                    .match(timeLeft())
                    .hasMatch())
        << timeLeft().toStdString();
}

TEST_F(Progress, MoreBytesThanAnnouncedFillTheBarAndLeaveNoTime) {
    startFile(1000);
    letClockAdvance(2);
    chunk(1500);
    EXPECT_EQ(bar(), 100);
    EXPECT_TRUE(rate().startsWith(QStringLiteral("Rate: 1.46KB/1000Bytes ("))) << rate().toStdString();
    EXPECT_EQ(timeLeft(), QStringLiteral("Estimated time left: "));
}

TEST(ProgressTexts, TimeTextsCountStrictlyAboveAnHourAndAMinute) {
    const std::pair<quint32, const char*> cases[] = {
        {0, ""},
        {1, "1second"},
        {60, "60seconds"},
        {61, "1minute1second"},
        {3600, "60minutes"},
        {3601, "1hour1second"},
        {3660, "1hour60seconds"},
        {3661, "1hour1minute1second"},
        {3903, "1hour5minutes3seconds"},
        {7322, "2hours2minutes2seconds"},
    };
    for (const auto& [seconds, expected] : cases)
        EXPECT_EQ(ComProgressDlg::GetTimeString(seconds), QLatin1String(expected)) << seconds;
}

TEST(ProgressTexts, SizeTextsChangeUnitAboveEachPowerOf1024) {
    const std::pair<quint32, const char*> cases[] = {
        {0, "0Bytes"},
        {1023, "1023Bytes"},
        {1024, "1.00KB"},
        {1536, "1.50KB"},
        {kMiB, "1024.00KB"},
        {kMiB + 1, "1.00MB"},
        {kGiB, "1024.00MB"},
        {kGiB + 1, "1.00GB"},
        {4294967295u, "4.00GB"},
    };
    for (const auto& [bytes, expected] : cases)
        EXPECT_EQ(ComProgressDlg::GetSizeString(bytes), QLatin1String(expected)) << bytes;
}

// Cancel, Escape and the window's close button each end the dialog with result 0 and
// report one cancel.
TEST_F(Progress, CancelReportsOnceAndClosesWithResultZero) {
    QSignalSpy cancels(dialog.get(), &ComProgressDlg::userActionInd);
    startFile(10 * kMiB, "holiday.mp4");
    letClockAdvance(2);
    chunk(3 * kMiB);
    int result = -1;
    const corvtest::ModalAnswer answer = corvtest::answerModal(
        [&] { result = dialog->exec(); }, corvtest::Press::named(QStringLiteral("BtnCancel")),
        [](QWidget* box) { pktest::saveShot(box, "progress"); });
    EXPECT_TRUE(answer.came);
    EXPECT_TRUE(answer.pressed);
    EXPECT_EQ(answer.objectName, QStringLiteral("ComProgressDlg"));
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(dialog->isVisible());
    QCoreApplication::processEvents();
    ASSERT_EQ(cancels.count(), 1);
    EXPECT_EQ(cancels.at(0).at(0).value<quint8>(), 1);

    const std::function<void(QWidget*)> closers[] = {
        [](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); },
        [](QWidget* box) { box->close(); },
    };
    for (const auto& close : closers) {
        result = -1;
        cancels.clear();
        EXPECT_TRUE(corvtest::answerModal([&] { result = dialog->exec(); }, corvtest::Press::none(), close).came);
        EXPECT_EQ(result, 0);
        QCoreApplication::processEvents();
        EXPECT_EQ(cancels.count(), 1);
    }
}

}  // namespace
