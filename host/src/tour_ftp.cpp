#include "tour_ftp.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProgressBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <memory>

#include "cvcommon/profile_plug_mng.h"
#include "shown_windows.h"
#include "tour_windows.h"

namespace {

// The phone's folder that the tour downloads: two pictures, about 200 KB, which the
// default world's 128 KB/s moves in about a second and a half.
const QString kRemoteFolder = QStringLiteral("Pictures");
constexpr QSize kBrowserSize(1180, 560);

template <typename T>
T* browserPart(const char* name) {
    QWidget* browser = shownBrowser();
    return browser ? browser->findChild<T*>(QLatin1String(name)) : nullptr;
}

// The browser's transfer window while it is on screen.
QDialog* shownProgress() {
    QWidget* browser = shownBrowser();
    if (!browser) return nullptr;
    for (QDialog* dialog : browser->findChildren<QDialog*>())
        if (dialog->inherits("ComProgressDlg") && dialog->isVisible()) return dialog;
    return nullptr;
}

QTreeWidgetItem* rowNamed(QTreeWidget* view, const QString& name) {
    if (!view) return nullptr;
    const QList<QTreeWidgetItem*> found = view->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    return found.isEmpty() ? nullptr : found.first();
}

// The folder of the browser's local pane, which also receives the download: a few
// documents in a temporary folder, removed with the tour.
struct LocalFiles {
    QTemporaryDir root{QDir::tempPath() + QStringLiteral("/corvane-files-XXXXXX")};
    QString folder;
    bool shown = false;  // the browser was asked to show the folder

    bool make() {
        if (!root.isValid()) return false;
        const QDir dir(root.path());
        if (!dir.mkpath(QStringLiteral("Letters")) || !dir.mkpath(QStringLiteral("Music"))) return false;
        const struct {
            const char* name;
            int size;
        } samples[] = {{"budget 2026.ods", 18432}, {"notes.txt", 612}, {"travel plan.pdf", 96256}};
        for (const auto& sample : samples) {
            QFile file(dir.filePath(QLatin1String(sample.name)));
            if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(sample.size, 'x')) != sample.size)
                return false;
        }
        folder = dir.absolutePath();
        return true;
    }
};

}  // namespace

QList<QWidget*> browserWindows() {
    QList<QWidget*> windows;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QLatin1String("BtFtpClientClass")) windows << top;
    return windows;
}

QWidget* shownBrowser() { return shownWindow(QStringLiteral("BtFtpClientClass")); }

QList<TourStep> ftpTourSteps(QWidget* window) {
    auto local = std::make_shared<LocalFiles>();
    return {
        {QStringLiteral("13-ftp-browser.png"),
         [window, local] {
             closeProfileWindows(window);
             if (!local->make()) return;
             // The shortcut's default action, as a double click on its row runs it: the
             // plug-in opens its browser, which connects and lists the phone's root.
             QTreeWidget* view = shortcutView(window);
             if (QTreeWidgetItem* row = view->topLevelItem(0)) Q_EMIT view->itemDoubleClicked(row, 0);
         },
         [local] {
             auto* localPane = browserPart<QTreeWidget>("treeWidget_Local");
             if (!localPane || local->folder.isEmpty()) return false;
             if (!local->shown) {
                 // Room for the four columns of both panes in details view.
                 shownBrowser()->resize(kBrowserSize);
                 local->shown =
                     QMetaObject::invokeMethod(shownBrowser(), "UpdateLocCombox", Q_ARG(QString, local->folder));
             }
             auto* remotePane = browserPart<QTreeWidget>("treeWidget_Remote");
             return rowNamed(localPane, QStringLiteral("notes.txt")) && rowNamed(remotePane, kRemoteFolder);
         },
         10000},
        {QStringLiteral("14-ftp-details.png"),
         [] {
             if (QWidget* browser = shownBrowser()) browser->activateWindow();
         },
         // The view actions act on the pane that has the focus: details for the local pane,
         // then for the remote one, which keeps the focus.
         [] {
             auto* details = browserPart<QAction>("actDetails");
             if (!details) return false;
             for (const char* name : {"treeWidget_Local", "treeWidget_Remote"}) {
                 auto* pane = browserPart<QTreeWidget>(name);
                 if (!pane) return false;
                 if (!pane->isColumnHidden(1)) continue;
                 if (!pane->hasFocus())
                     pane->setFocus(Qt::OtherFocusReason);
                 else
                     details->trigger();
                 return false;
             }
             return true;
         },
         3000},
        {QStringLiteral("15-ftp-progress.png"),
         [] {
             // Downloads the selected folder into the local pane's folder, as the toolbar's
             // Download button does.
             auto* remotePane = browserPart<QTreeWidget>("treeWidget_Remote");
             QTreeWidgetItem* row = rowNamed(remotePane, kRemoteFolder);
             if (!row) return;
             remotePane->setCurrentItem(row);
             if (auto* download = browserPart<QAction>("actDownload"); download && download->isEnabled())
                 download->trigger();
         },
         // A picture part of the way into the folder's first file.
         [] {
             QDialog* progress = shownProgress();
             auto* bar = progress ? progress->findChild<QProgressBar*>(QStringLiteral("progressBar")) : nullptr;
             return bar && bar->value() >= 20 && bar->value() < 90;
         },
         10000},
        {QStringLiteral("16-ftp-downloaded.png"), [] {},
         [local] {
             return !shownProgress() && QFileInfo(QDir(local->folder).filePath(kRemoteFolder)).isDir() &&
                    rowNamed(browserPart<QTreeWidget>("treeWidget_Local"), kRemoteFolder);
         },
         15000},
        {QStringLiteral("17-ftp-server-properties.png"),
         [window] {
             // Closing the browser ends its connection.
             if (QWidget* browser = shownBrowser()) browser->close();
             // Queued: the window is modal, as the plug-in's server action "Properties"
             // opens it, and its loop runs the tour's next steps.
             const quint32 server = serverOfClass(window, kFileTransferClass);
             if (!server) return;
             QMetaObject::invokeMethod(
                 window, [server] { ProfilePlugMng::ShowSvrPropertyDlg(server, nullptr, 0); }, Qt::QueuedConnection);
         },
         [] {
             QWidget* modal = QApplication::activeModalWidget();
             return modal && modal->inherits("FtppropertyClass") && !shownBrowser();
         },
         3000},
        {QStringLiteral("18-ftp-server-options.png"),
         [] {
             // The dialog's second page: the shared folder and what remote devices may do.
             if (QWidget* modal = QApplication::activeModalWidget())
                 if (auto* pages = modal->findChild<QTabWidget*>()) pages->setCurrentIndex(1);
         },
         [] {
             QWidget* modal = QApplication::activeModalWidget();
             auto* pages = modal ? modal->findChild<QTabWidget*>() : nullptr;
             return pages && pages->currentIndex() == 1;
         },
         3000},
    };
}
