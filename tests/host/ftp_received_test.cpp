// Files that a remote device puts on the local FTP server, end to end: the stand-in
// service copies them into the shared folder, libPxFtp's receive callback hands each to
// the host function, and the manager shows a notice per file without blocking, which the
// user closes.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPointer>

#include <fstream>

#include "cvcommon/profile_plug_mng.h"
#include "harness.h"
#include "host_test_util.h"
#include "shown_windows.h"
#include "main_window.h"
#include "modal_answer.h"

namespace {

const QString kNotice = QStringLiteral("receivedFileNotice");

QList<QWidget*> visibleNotices() { return shownWindows(kNotice); }

QString noticeText(QWidget* notice, const char* label) {
    return notice->findChild<QLabel*>(QLatin1String(label))->text();
}

TEST(FtpReceivedFile, EachPutFileGetsANoticeOfItsOwnWithTheSharedFolder) {
    corvtest::StandInService& service = corvtest::StandInService::instance();
    service.loadScenario(hosttest::scenario("fast.ini"));
    // The new scenario forgot the shared folder that the plug-in registered at start-up.
    ProfilePlugMng::StartProfileServer();
    MainWindow window;
    window.show();
    const std::string sources = hosttest::workingDir();
    for (const char* name : {"report.txt", "photo.jpg"}) std::ofstream(sources + "/" + name) << "contents of " << name;

    for (const char* name : {"report.txt", "photo.jpg"})
        service.act("DevicePutsFile", g_variant_new("(sss)", "phone", (sources + "/" + name).c_str(), name));
    // The first notice does not hold up the second: both are up together.
    ASSERT_TRUE(hosttest::waitUntil([] { return visibleNotices().size() == 2; })) << visibleNotices().size();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    const QString shared = QString::fromStdString(hosttest::sharedFolder());
    QStringList received;
    for (QWidget* notice : visibleNotices()) {
        received.append(noticeText(notice, "noticeText"));
        EXPECT_EQ(noticeText(notice, "noticeFolder"), QStringLiteral("in %1").arg(shared));
    }
    received.sort();
    EXPECT_EQ(received, (QStringList{QStringLiteral("Received photo.jpg"), QStringLiteral("Received report.txt")}));
    for (const char* name : {"report.txt", "photo.jpg"})
        EXPECT_TRUE(std::ifstream(hosttest::sharedFolder() + "/" + name).good()) << name;

    for (QWidget* notice : visibleNotices()) {
        QPointer<QWidget> closing = notice;
        QAbstractButton* close = corvtest::Press::button(QMessageBox::Close).find(notice);
        ASSERT_TRUE(close);
        close->click();
        EXPECT_TRUE(hosttest::waitUntil([&] { return closing.isNull(); }));
    }
    EXPECT_TRUE(visibleNotices().isEmpty());
}

}  // namespace
