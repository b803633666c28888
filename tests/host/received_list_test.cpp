// The list of received files: a file that a device puts through the file-transfer
// plug-in is listed with its sender and size, opens from the list with its folder, and
// is still listed when the manager starts again.
#include <gtest/gtest.h>

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPushButton>
#include <QStandardPaths>
#include <QTreeWidget>
#include <QUrl>

#include <fstream>
#include <memory>

#include "cvcommon/profile_plug_mng.h"
#include "harness.h"
#include "host_test_util.h"
#include "shown_windows.h"
#include "main_window.h"

namespace {

// Takes the place of the desktop's handler of local-file URLs.
class UrlOpener : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public Q_SLOTS:
    void open(const QUrl& url) { opened.append(url); }
};

// Opens the list from the window's menu entry; its newest row.
QTreeWidgetItem* newestRow(MainWindow& window) {
    window.findChild<QAction*>(QStringLiteral("actionReceivedFiles"))->trigger();
    QWidget* list = shownWindow(QStringLiteral("receivedFiles"));
    auto* view = list ? list->findChild<QTreeWidget*>(QStringLiteral("receivedList")) : nullptr;
    return view ? view->topLevelItem(0) : nullptr;
}

TEST(ReceivedList, AnFtpPutIsListedWithSenderAndSizeAndKeptAcrossARestart) {
    corvtest::StandInService& service = corvtest::StandInService::instance();
    service.loadScenario(hosttest::scenario("fast.ini"));
    ProfilePlugMng::StartProfileServer();
    const std::string source = hosttest::workingDir() + "/minutes.txt";
    std::ofstream(source) << std::string(3000, 'm');
    const QString shared = QString::fromStdString(hosttest::sharedFolder());
    const QStringList expected{QStringLiteral("minutes.txt"), QStringLiteral("Nova Phone"),
                               QLocale().formattedDataSize(3000)};
    {
        MainWindow window;
        window.show();
        service.act("DevicePutsFile", g_variant_new("(sss)", "phone", source.c_str(), "minutes.txt"));
        ASSERT_TRUE(hosttest::waitUntil([] { return shownWindow(QStringLiteral("receivedFileNotice")); }));
        QTreeWidgetItem* row = newestRow(window);
        ASSERT_TRUE(row);
        EXPECT_EQ((QStringList{row->text(0), row->text(1), row->text(3)}), expected);

        UrlOpener opener;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &opener, "open");
        QWidget* list = row->treeWidget()->window();
        for (const char* button : {"openButton", "openFolderButton"})
            list->findChild<QPushButton*>(QLatin1String(button))->click();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        EXPECT_EQ(opener.opened, (QList<QUrl>{QUrl::fromLocalFile(QDir(shared).filePath(QStringLiteral("minutes.txt"))),
                                              QUrl::fromLocalFile(shared)}));
    }
    EXPECT_TRUE(QFileInfo::exists(qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/corvane/received-files.json")));
    MainWindow restarted;
    restarted.show();
    QTreeWidgetItem* row = newestRow(restarted);
    ASSERT_TRUE(row);
    EXPECT_EQ((QStringList{row->text(0), row->text(1), row->text(3)}), expected);
}

}  // namespace

#include "received_list_test.moc"
