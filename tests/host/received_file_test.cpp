// A file that a remote device puts on this computer: the plug-in's receive callback calls
// the host function, and the manager shows a notice whose button opens the folder.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

#include <fstream>

#include "cvcommon/profile_plug_mng.h"
#include "harness.h"
#include "host_test_util.h"
#include "shown_windows.h"
#include "main_window.h"

namespace {

// Takes the place of the desktop's handler of local-file URLs.
class FolderOpener : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public Q_SLOTS:
    void open(const QUrl& url) { opened.append(url); }
};

TEST(ReceivedFile, APutFileShowsANoticeThatOpensItsFolder) {
    corvtest::StandInService& service = corvtest::StandInService::instance();
    service.loadScenario(hosttest::scenario("fast.ini"));
    // The plug-in registers the shared folder with the service when the servers start;
    // the new scenario forgot the one of the start-up.
    ProfilePlugMng::StartProfileServer();
    MainWindow window;
    window.show();
    std::string source = hosttest::workingDir() + "/report.txt";
    std::ofstream(source) << "quarterly figures\n";

    service.act("DevicePutsFile", g_variant_new("(sss)", "phone", source.c_str(), "report.txt"));
    QWidget* notice = nullptr;
    ASSERT_TRUE(hosttest::waitUntil([&] { return (notice = shownWindow(QStringLiteral("receivedFileNotice"))); }));
    EXPECT_TRUE(std::ifstream(hosttest::sharedFolder() + "/report.txt").good());
    EXPECT_EQ(notice->findChild<QLabel*>(QStringLiteral("noticeText"))->text(), QStringLiteral("Received report.txt"));
    EXPECT_TRUE(notice->findChild<QLabel*>(QStringLiteral("noticeFolder"))
                    ->text()
                    .contains(QString::fromStdString(hosttest::sharedFolder())));
    EXPECT_FALSE(notice->isModal());

    FolderOpener opener;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opener, "open");
    notice->findChild<QPushButton*>(QStringLiteral("openFolderButton"))->click();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_EQ(opener.opened, QList<QUrl>{QUrl::fromLocalFile(QString::fromStdString(hosttest::sharedFolder()))});
    EXPECT_TRUE(hosttest::waitUntil([] { return !shownWindow(QStringLiteral("receivedFileNotice")); }));
}

}  // namespace

#include "received_file_test.moc"
