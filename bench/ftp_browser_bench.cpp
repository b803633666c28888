// The file-transfer browser window (BtFtpClient) against the stand-in service, off screen.
// Two figures:
// - listing: a remote folder of 10,000 and of 50,000 entries (files and some folders)
//   shown in the remote pane, from the listing request (UpdateRmtTree) until every entry
//   is in the pane, the event queue is drained and the viewport has drawn the last row;
//   entries per second, which must not fall as the folder grows.
// - progress: the user-interface thread's CPU time per progress report that reaches the
//   progress dialog while a 64 MiB file downloads at the service's full pace in 64 KiB
//   chunks.
// The last word of each result line is its rate or cost.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidgetItem>

#include <time.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench_world.h"
#include "bt_ftp_client.h"
#include "corvclient/btsdk.h"
#include "cvcommon/cv_skin.h"
#include "cvcommon/profile_ini.h"
#include "cvcommon/settings_paths.h"
#include "cvcommon/shortcut_helpers.h"
#include "harness.h"
#include "my_tree_widget.h"

namespace {

// The scenario's phone (the first device) and its file-transfer service.
constexpr unsigned int kPhone = 1, kPhoneFtp = 2;
constexpr int kFolderEvery = 20;  // one folder among every 20 entries
constexpr int kListingSizes[] = {10000, 50000};
// The root: one folder per listing size and the transfer folder.
constexpr int kRootEntries = static_cast<int>(std::size(kListingSizes)) + 1;
constexpr size_t kTransferBytes = 64u << 20;
constexpr unsigned kChunkBytes = 64u << 10;
constexpr double kListingTarget = 10000;   // entries per second, at least
constexpr double kProgressTargetUs = 50;   // CPU microseconds per report, below

const QString kTransferFolder = QStringLiteral("/transfer");
const QString kTransferName = QStringLiteral("big.bin");

double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

QString listingFolder(int entries) { return QStringLiteral("/list%1").arg(entries); }
int folderCount(int entries) { return entries / kFolderEvery; }
QString folderName(int i) { return QStringLiteral("folder %1").arg(i, 5, 10, QLatin1Char('0')); }
QString fileName(int i) { return QStringLiteral("file %1.txt").arg(i, 5, 10, QLatin1Char('0')); }

// Runs the event loop until `done` holds, blocking between events; false after timeoutMs.
bool waitUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    QTimer heartbeat;  // wakes the blocking wait so that the timeout is seen
    heartbeat.start(250);
    while (!done()) {
        if (clock.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// The phone's tree: a folder per listing size, `entries` entries each with one folder in
// every kFolderEvery, and a folder with the 64 MiB file alone.
void makePhoneTree(const std::string& tree) {
    namespace fs = std::filesystem;
    for (int entries : kListingSizes) {
        const std::string folder = tree + listingFolder(entries).toStdString();
        fs::create_directory(folder);
        const int folders = folderCount(entries);
        for (int i = 0; i < folders; ++i) fs::create_directory(folder + "/" + folderName(i).toStdString());
        for (int i = 0; i < entries - folders; ++i)
            std::ofstream(folder + "/" + fileName(i).toStdString()) << std::string(static_cast<size_t>(i % 4096), 'x');
    }
    const std::string transfer = tree + kTransferFolder.toStdString();
    fs::create_directory(transfer);
    std::ofstream out(transfer + "/" + kTransferName.toStdString(), std::ios::binary);
    std::vector<char> block(1 << 20);
    for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>(i * 131 + 7);
    for (size_t written = 0; written < kTransferBytes; written += block.size())
        out.write(block.data(), static_cast<std::streamsize>(block.size()));
}

// The working folder with the shipped settings and skin, the phone on the stand-in, the
// download folder, and a browser window connected to the phone and showing its root.
class BrowserWorld {
public:
    bool setUp() {
        if (!work_.isValid() || !phone_.isValid() || !local_.isValid()) return fail("no temporary folder");
        const QString data = QStringLiteral(CORVANE_DATA_DIR);
        if (!QFile::copy(data + QStringLiteral("/BtSettings.INI"), work_.filePath(QStringLiteral("BtSettings.INI"))) ||
            !QFile::link(data + QStringLiteral("/CVSkin"), work_.filePath(QStringLiteral("CVSkin"))))
            return fail("cannot make the working folder");
        CvCm_SetWorkingDir(QFile::encodeName(work_.path()).constData());
        CCvSkin().Init(nullptr, nullptr);

        bench::loadPhoneScenario(QFile::encodeName(phone_.path()).toStdString(), makePhoneTree, kChunkBytes);

        char settings[256] = {};
        CvCm_GetCommonSettingFilePath(settings, sizeof settings);
        if (WritePrivateProfileString("FtpClient", "DefaultLocalFolder", QFile::encodeName(local_.path()).constData(),
                                      settings) != 1)
            return fail("cannot write the default local folder");
        unsigned int shortcut = 0;
        if (CvCm_CreateShortCut(kPhone, kPhoneFtp, &shortcut) != BTSDK_OK) return fail("cannot make the shortcut");
        window_ = std::make_unique<BtFtpClient>(0, nullptr);
        window_->show();
        window_->setShortcutHandle(shortcut);
        if (!waitUntil([&] { return pane()->topLevelItemCount() == kRootEntries; }, 30000))
            return fail("the phone's root did not show");
        return true;
    }

    void tearDown() { window_.reset(); }

    BtFtpClient* window() const { return window_.get(); }
    MyTreeWidget* pane() const { return window_->findChild<MyTreeWidget*>(QStringLiteral("treeWidget_Remote")); }
    QString localPath(const QString& name) const { return local_.filePath(name); }
    QString status() const { return window_->statusBar()->currentMessage(); }

private:
    static bool fail(const char* what) {
        std::fprintf(stderr, "%s\n", what);
        return false;
    }

    QTemporaryDir work_, phone_, local_;
    std::unique_ptr<BtFtpClient> window_;
};

BrowserWorld* s_world = nullptr;

struct ListingResult {
    double rate = 0, seconds = 0, cpuSeconds = 0;
    double requestSeconds = 0, requestCpu = 0;  // within UpdateRmtTree
};
std::map<int, ListingResult> s_listing;

struct ProgressResult {
    long reports = 0, paints = 0;
    double requestCpu = 0, requestSeconds = 0, reportWindowCpu = 0;
};
ProgressResult s_progress;

// Counts the paint events of the progress dialog and of its children.
class DialogPaints : public QObject {
public:
    long count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window()->inherits("ComProgressDlg"))
            ++count;
        return false;
    }
};

// Ends the benchmark with an error, told at once as well as in the final table.
void skip(benchmark::State& state, const std::string& what) {
    std::fprintf(stderr, "%s\n", what.c_str());
    state.SkipWithError(what.c_str());
}

// Whether the pane holds the folder's entries as the device sent them: folders first.
bool listedInOrder(const MyTreeWidget* pane, int entries) {
    const int folders = folderCount(entries);
    return pane->topLevelItem(0)->text(0) == folderName(0) &&
           pane->topLevelItem(folders - 1)->text(0) == folderName(folders - 1) &&
           pane->topLevelItem(folders)->text(0) == fileName(0) &&
           pane->topLevelItem(entries - 1)->text(0) == fileName(entries - folders - 1);
}

void BM_ListRemoteFolder(benchmark::State& state) {
    const int entries = static_cast<int>(state.range(0));
    const QString folder = listingFolder(entries);
    BtFtpClient* window = s_world->window();
    MyTreeWidget* pane = s_world->pane();
    double seconds = 0, cpu = 0, requestSeconds = 0, requestCpu = 0;
    for (auto _ : state) {
        window->UpdateRmtTree(QStringLiteral("/"));
        if (!waitUntil([&] { return pane->currentPath() == QLatin1String("/") && pane->topLevelItemCount() == kRootEntries; },
                       30000)) {
            skip(state, "the root did not show");
            return;
        }
        QCoreApplication::processEvents();
        const double cpuBefore = threadCpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        window->UpdateRmtTree(folder);
        // The request itself blocks until the service has answered the listing call.
        requestSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        requestCpu += threadCpuSeconds() - cpuBefore;
        if (!waitUntil([&] { return pane->topLevelItemCount() == entries; }, 120000)) {
            skip(state, "the listing stopped at " + std::to_string(pane->topLevelItemCount()));
            return;
        }
        // What is still queued (layout, updates) runs, and the last row is drawn.
        QCoreApplication::processEvents();
        pane->scrollToBottom();
        pane->viewport()->repaint();
        const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const double cpuUsed = threadCpuSeconds() - cpuBefore;
        state.SetIterationTime(elapsed);
        if (!listedInOrder(pane, entries)) {
            skip(state, "the entries are not in the device's order");
            return;
        }
        seconds += elapsed;
        cpu += cpuUsed;
    }
    const double runs = static_cast<double>(state.iterations());
    ListingResult& result = s_listing[entries];
    result.seconds = seconds / runs;
    result.cpuSeconds = cpu / runs;
    result.requestSeconds = requestSeconds / runs;
    result.requestCpu = requestCpu / runs;
    result.rate = entries / result.seconds;
    state.counters["entries_per_s"] = result.rate;
    state.counters["ui_cpu_ms"] = result.cpuSeconds * 1000;
    state.counters["call_ms"] = result.requestSeconds * 1000;
    state.counters["call_cpu_ms"] = result.requestCpu * 1000;
}

void BM_DownloadProgress64MiB(benchmark::State& state) {
    BtFtpClient* window = s_world->window();
    MyTreeWidget* pane = s_world->pane();
    if (pane->currentPath() != kTransferFolder) window->UpdateRmtCombox(kTransferFolder);
    if (!waitUntil([&] { return pane->currentPath() == kTransferFolder && pane->topLevelItemCount() == 1; }, 30000)) {
        skip(state, "the transfer folder did not show: " + pane->currentPath().toStdString() + ", " +
                        std::to_string(pane->topLevelItemCount()) + " rows, " + s_world->status().toStdString());
        return;
    }
    const QString target = s_world->localPath(kTransferName);
    long reports = 0;
    double firstReportCpu = 0, lastReportCpu = 0;
    // Each report the window hands to its progress dialog.
    QObject counter;
    QObject::connect(window, &BtFtpClient::sgnTransStatus, &counter,
                     [&](quint8 first, quint8 last, quint8*, quint32, quint32) {
                         const double now = threadCpuSeconds();
                         if (reports++ == 0 && first) firstReportCpu = now;
                         if (last) lastReportCpu = now;
                     });
    DialogPaints paints;
    qApp->installEventFilter(&paints);
    ProgressResult total;
    for (auto _ : state) {
        QFile::remove(target);
        // Listed again after each download: wait for the row, then select it.
        if (!waitUntil([&] { return pane->topLevelItemCount() == 1; }, 30000)) {
            skip(state, "the remote file is not listed");
            return;
        }
        QCoreApplication::processEvents();
        pane->clearSelection();
        pane->topLevelItem(0)->setSelected(true);
        window->statusBar()->clearMessage();
        reports = 0;
        paints.count = 0;
        firstReportCpu = lastReportCpu = 0;
        const double cpuBefore = threadCpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        window->DownloadRequest({pathUrl(kTransferFolder + QLatin1Char('/') + kTransferName)});
        const bool ended = waitUntil(
            [&] {
                const QString status = s_world->status();
                return status == QLatin1String("Download succeeded.") ||
                       status == QLatin1String("Download was not successful.");
            },
            300000);
        const double cpuUsed = threadCpuSeconds() - cpuBefore;
        const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!ended || s_world->status() != QLatin1String("Download succeeded.") ||
            QFile(target).size() != static_cast<qint64>(kTransferBytes)) {
            skip(state, "the download failed: " + s_world->status().toStdString());
            return;
        }
        if (reports == 0) {
            skip(state, "no progress report reached the dialog");
            return;
        }
        state.SetIterationTime(elapsed);
        total.reports += reports;
        total.paints += paints.count;
        total.requestCpu += cpuUsed;
        total.requestSeconds += elapsed;
        total.reportWindowCpu += lastReportCpu - firstReportCpu;
    }
    // The pane is listed again after the download; a listing started before its row has
    // come would get that row too, so the pane is left once the row is there.
    waitUntil([&] { return pane->topLevelItemCount() == 1; }, 30000);
    const double runs = static_cast<double>(state.iterations());
    s_progress.reports = static_cast<long>(static_cast<double>(total.reports) / runs);
    s_progress.paints = static_cast<long>(static_cast<double>(total.paints) / runs);
    s_progress.requestCpu = total.requestCpu / runs;
    s_progress.requestSeconds = total.requestSeconds / runs;
    s_progress.reportWindowCpu = total.reportWindowCpu / runs;
    state.counters["reports"] = static_cast<double>(s_progress.reports);
    state.counters["ui_cpu_us_per_report"] = s_progress.requestCpu * 1e6 / static_cast<double>(s_progress.reports);
    state.SetBytesProcessed(static_cast<int64_t>(kTransferBytes) * state.iterations());
}

BENCHMARK(BM_ListRemoteFolder)->Arg(10000)->Arg(50000)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DownloadProgress64MiB)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    corvtest::StandInService::instance();
    if (Btsdk_ClientInit() != BTSDK_OK) {
        std::fprintf(stderr, "cannot start the client library\n");
        return 1;
    }
    int status = 1;
    {
        QApplication app(argc, argv);
        BrowserWorld world;
        if (world.setUp()) {
            s_world = &world;
            benchmark::Initialize(&argc, argv);
            benchmark::RunSpecifiedBenchmarks();
            s_world = nullptr;
            status = 0;
        }
        world.tearDown();
    }
    Btsdk_ClientUninit();
    if (status != 0) return status;

    for (const auto& [entries, result] : s_listing) {
        if (result.rate <= 0) continue;
        std::printf("listing %d remote entries (%d folders) to the last row drawn: %.0f ms (%.0f ms in the request "
                    "call), UI thread CPU %.0f ms (%.0f ms in the request call); target >= %.0f entries/s, %s; "
                    "entries/s %.0f\n",
                    entries, folderCount(entries), result.seconds * 1000, result.requestSeconds * 1000,
                    result.cpuSeconds * 1000, result.requestCpu * 1000, kListingTarget,
                    result.rate >= kListingTarget ? "met" : "MISSED", result.rate);
    }
    if (s_progress.reports > 0) {
        const double perReport = s_progress.requestCpu * 1e6 / static_cast<double>(s_progress.reports);
        std::printf("64 MiB download in %u KiB chunks: %.0f ms, %ld reports to the dialog, %ld paints of it, UI "
                    "thread CPU %.1f ms over the request (%.1f ms from the first report to the last); target < %.0f "
                    "us per report, %s; us per report %.1f\n",
                    kChunkBytes >> 10, s_progress.requestSeconds * 1000, s_progress.reports, s_progress.paints,
                    s_progress.requestCpu * 1000, s_progress.reportWindowCpu * 1000, kProgressTargetUs,
                    perReport < kProgressTargetUs ? "met" : "MISSED", perReport);
    }
    if (s_listing.empty() && s_progress.reports == 0) {
        std::fprintf(stderr, "no benchmark completed\n");
        return 1;
    }
    return 0;
}
