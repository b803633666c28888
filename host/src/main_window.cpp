#include "main_window.h"

#include <QDialog>
#include <QFileInfo>
#include <QHeaderView>

#include "adapter_panel.h"
#include "corvclient/btsdk.h"
#include "cvcommon/class_names.h"
#include "authorization_prompt.h"
#include "device_list.h"
#include "file_drop.h"
#include "front_window.h"
#include "incoming_senders.h"
#include "pairing.h"
#include "profile_windows.h"
#include "profilekit/skin_icon.h"
#include "push_batch.h"
#include "received_files.h"
#include "received_log.h"
#include "received_notice.h"
#include "sdk_bridge.h"
#include "sdk_tasks.h"
#include "server_list.h"
#include "service_list.h"
#include "service_notice.h"
#include "service_watch.h"
#include "shortcut_list.h"
#include "skin_icons.h"
#include "ui_main_window.h"

namespace {

// An inquiry of 8 units of 1.28 s; it ends earlier when every device in range answered.
constexpr BTUINT16 kInquiryLength = 8;
constexpr int kInquiryMs = kInquiryLength * 1280, kClockMs = 100;
constexpr int kMessageMs = 8000;

// Skin pictures of the toolbar: the inquiry picture, the pairing mark, icon 115 (refresh).
constexpr int kInquiryPicture = 12, kPairMark = 5, kIcon = 11, kRefreshIcon = 115, kBluetoothIcon = 100;

}  // namespace

MainWindow::MainWindow() : ui_(std::make_unique<Ui::MainWindow>()), tasks_(std::make_unique<SdkTasks>()) {
    ui_->setupUi(this);
    adapter_ = new AdapterPanel({ui_->adapterPicture, ui_->adapterName, ui_->adapterAddress, ui_->adapterState,
                                 ui_->powerButton},
                                tasks_.get(), this);
    devices_ = new DeviceList(ui_->deviceList);
    windows_ = new ProfileWindows(this);
    servers_ = new ServerList(ui_->serverList, windows_);
    services_ = new ServiceList(ui_->serviceList);
    shortcuts_ = new ShortcutList(ui_->shortcutList, windows_);
    pairing_ = new Pairing(tasks_.get(), this);
    watch_ = new ServiceWatch(this);
    notice_ = new ServiceNotice(ui_->centralWidget);
    received_ = new ReceivedLog(this);
    senders_ = new IncomingSenders(this);
    ui_->centralLayout->insertWidget(0, notice_);
    ui_->mainSplitter->setSizes({350, 330, 520});
    // Names take the room that the status and class words leave.
    for (QTreeWidget* view : {ui_->serverList, ui_->serviceList, ui_->shortcutList}) {
        QHeaderView* header = view->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(QHeaderView::ResizeToContents);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    ui_->discoverProgress->setRange(0, kInquiryMs);
    ui_->discoverProgress->hide();
    ui_->browseProgress->setRange(0, 0);  // busy: a search gives no measure of its progress
    ui_->browseProgress->hide();
    discoveryClock_.setInterval(kClockMs);
    connect(&discoveryClock_, &QTimer::timeout, this, [this] {
        ui_->discoverProgress->setValue(qMin(kInquiryMs, ui_->discoverProgress->value() + kClockMs));
    });
    setWindowIcon(SkinIcon(kIcon, kBluetoothIcon, 0, QStyle::SP_DriveNetIcon));
    setUpActions();
    connectIndications();
    acceptDroppedFiles();
    refresh();
}

MainWindow::~MainWindow() {
    // Dialogs still open answer their requests as refusals, so that a pairing still
    // running ends before the workers are waited for. Their own dialogs go with them.
    qDeleteAll(findChildren<QDialog*>(QString(), Qt::FindDirectChildrenOnly));
    tasks_.reset();
}

void MainWindow::setUpActions() {
    ui_->actionDiscover->setIcon(SkinIcon(kInquiryPicture, 0, 0, QStyle::SP_BrowserReload));
    ui_->actionPair->setIcon(SkinIcon(kPairMark, 0, 0, QStyle::SP_DialogApplyButton));
    ui_->actionBrowse->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    ui_->actionCreateShortcut->setIcon(style()->standardIcon(QStyle::SP_FileLinkIcon));
    ui_->actionRefresh->setIcon(SkinIcon(kIcon, kRefreshIcon, 0, QStyle::SP_BrowserReload));
    connect(ui_->actionDiscover, &QAction::triggered, this, &MainWindow::discover);
    connect(ui_->actionPair, &QAction::triggered, this, [this] { pair(devices_->selectedDevice()); });
    connect(ui_->actionBrowse, &QAction::triggered, this, [this] { browse(devices_->selectedDevice()); });
    connect(ui_->actionCreateShortcut, &QAction::triggered, this,
            [this] { services_->createShortcut(services_->selectedService()); });
    connect(ui_->actionStatus, &QAction::triggered, this, &MainWindow::showSelectedStatus);
    connect(ui_->actionProperties, &QAction::triggered, this,
            [this] { windows_->showShortcutProperties(shortcuts_->selectedShortcut()); });
    connect(ui_->actionRefresh, &QAction::triggered, this, &MainWindow::refresh);
    ui_->actionReceivedFiles->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    connect(ui_->actionReceivedFiles, &QAction::triggered, this, &MainWindow::showReceivedFiles);
    connect(ui_->actionQuit, &QAction::triggered, this, &QWidget::close);
    connect(ui_->serviceList, &QTreeWidget::currentItemChanged, this, &MainWindow::updateActions);
    keepOneSelected();
    connect(adapter_, &AdapterPanel::readyChanged, this, &MainWindow::refresh);
}

// A server and a shortcut are never selected together, so that the menu's Status and
// Properties have one item to act on.
void MainWindow::keepOneSelected() {
    for (QTreeWidget* view : {ui_->serverList, ui_->shortcutList}) {
        QTreeWidget* other = view == ui_->serverList ? ui_->shortcutList : ui_->serverList;
        connect(view, &QTreeWidget::currentItemChanged, this, [this, other](QTreeWidgetItem* current) {
            if (current) other->setCurrentItem(nullptr);
            updateActions();
        });
    }
}

void MainWindow::showSelectedStatus() {
    if (quint32 server = servers_->selectedServer())
        windows_->showServerStatus(server);
    else if (quint32 shortcut = shortcuts_->selectedShortcut())
        windows_->showShortcutStatus(shortcut);
}

void MainWindow::connectIndications() {
    SdkBridge& bridge = SdkBridge::instance();
    connect(&bridge, &SdkBridge::inquiryResult, this, [this](quint32 device) {
        devices_->update(device);
        say(tr("Found %1").arg(CvCm_GetRmtDevDisplayName(device)));
    });
    connect(&bridge, &SdkBridge::inquiryComplete, this, &MainWindow::discoveryDone);
    connect(&bridge, &SdkBridge::authenticationFailed, this, [this](quint32 device) {
        say(tr("Authentication with %1 failed").arg(CvCm_GetRmtDevDisplayName(device)));
    });
    connect(&bridge, &SdkBridge::connectionsChanged, this, [this] {
        servers_->reload();
        shortcuts_->reload();
        devices_->reload();
    });
    connect(&bridge, &SdkBridge::fileReceived, this, &MainWindow::fileReceived);
    connect(&bridge, &SdkBridge::authorizationRequested, this,
            [this](quint32 service, quint32 device) { AuthorizationPrompt::ask(service, device, this); });
    connect(devices_, &DeviceList::selected, this, &MainWindow::deviceSelected);
    connect(services_, &ServiceList::shortcutsChanged, shortcuts_, &ShortcutList::reload);
    connect(tasks_.get(), &SdkTasks::browsed, this, &MainWindow::browsed);
    connect(pairing_, &Pairing::finished, this, &MainWindow::paired);
    connect(watch_, &ServiceWatch::left, this, &MainWindow::serviceLeft);
    connect(watch_, &ServiceWatch::returned, this, &MainWindow::serviceReturned);
}

void MainWindow::acceptDroppedFiles() {
    new FileDrop(
        ui_->deviceList, [this](const QPoint& pos) { return devices_->deviceAt(pos) != 0; },
        [this](const QPoint& pos, const QStringList& files) {
            quint32 device = devices_->deviceAt(pos);
            PushBatch::start({device, 0, CvCm_GetRmtDevDisplayName(device)}, files, this);
        });
    new FileDrop(
        ui_->shortcutList, [this](const QPoint& pos) { return shortcuts_->objectPushShortcutAt(pos) != 0; },
        [this](const QPoint& pos, const QStringList& files) {
            quint32 shortcut = shortcuts_->objectPushShortcutAt(pos);
            PushBatch::start({0, shortcut, CvCm_GetDeviceNameByShortcut(shortcut)}, files, this);
        });
}

void MainWindow::fileReceived(const QString& folder, const QString& file) {
    ReceivedEntry entry{folder, file, senders_->current(), QDateTime::currentDateTime(), 0};
    entry.size = QFileInfo(entry.path()).size();
    received_->add(entry);
    ReceivedNotice::notify(folder, file, this);
}

void MainWindow::showReceivedFiles() {
    if (!receivedWindow_) receivedWindow_ = new ReceivedFiles(received_, this);
    bringToFront(receivedWindow_);
}

void MainWindow::refresh() {
    adapter_->refresh();
    servers_->reload();
    devices_->reload();
    deviceSelected(devices_->selectedDevice());
    shortcuts_->reload();
}

void MainWindow::say(const QString& text) { statusBar()->showMessage(text, kMessageMs); }

void MainWindow::discover() {
    if (discovering_) {
        Btsdk_StopDeviceDiscovery();
        return;
    }
    BTRESULT result = Btsdk_StartDeviceDiscovery(0, 0, kInquiryLength);
    if (result != BTSDK_OK) {
        say(tr("Discovery could not start (result %1)").arg(result));
        return;
    }
    discovering_ = true;
    ui_->discoverProgress->setValue(0);
    ui_->discoverProgress->show();
    discoveryClock_.start();
    ui_->actionDiscover->setText(tr("Stop discovery"));
    say(tr("Searching for devices…"));
}

void MainWindow::discoveryDone() {
    endDiscovery();
    devices_->reload();
    say(tr("Discovery complete: %n device(s)", nullptr, ui_->deviceList->count()));
    Q_EMIT discoveryFinished();
}

void MainWindow::endDiscovery() {
    discovering_ = false;
    discoveryClock_.stop();
    ui_->discoverProgress->hide();
    ui_->actionDiscover->setText(tr("&Discover"));
}

// The panes keep what they showed, greyed; the status message stays until the service is back.
void MainWindow::serviceLeft() {
    endDiscovery();  // its completion will not come
    ui_->mainSplitter->setEnabled(false);
    notice_->showStopped();
    statusBar()->showMessage(notice_->text());
    updateActions();
}

void MainWindow::serviceReturned() {
    ui_->mainSplitter->setEnabled(true);
    notice_->showRunning();
    say(notice_->text());
    refresh();
}

void MainWindow::deviceSelected(quint32 device) {
    services_->show(device);
    if (!device) {
        ui_->servicesHint->setText(tr("Select a device to see its services."));
    } else if (browsing_ == device) {
        ui_->servicesHint->setText(tr("Searching <b>%1</b> for services…")
                                       .arg(CvCm_GetRmtDevDisplayName(device).toHtmlEscaped()));
    } else {
        QString name = CvCm_GetRmtDevDisplayName(device).toHtmlEscaped();
        ui_->servicesHint->setText(ui_->serviceList->topLevelItemCount()
                                       ? tr("Services of <b>%1</b>").arg(name)
                                       : tr("No services of <b>%1</b> known yet: browse it.").arg(name));
    }
    ui_->browseProgress->setVisible(browsing_ && browsing_ == device);
    updateActions();
}

void MainWindow::browse(quint32 device) {
    if (!device || browsing_) return;
    browsing_ = device;
    tasks_->browse(device);
    deviceSelected(devices_->selectedDevice());
    say(tr("Searching %1 for services…").arg(CvCm_GetRmtDevDisplayName(device)));
}

void MainWindow::browsed(quint32 device, quint32 result) {
    browsing_ = 0;
    QString name = CvCm_GetRmtDevDisplayName(device);
    say(result == BTSDK_OK ? tr("Services of %1 found").arg(name)
                           : tr("Services of %1 could not be searched (result %2)").arg(name).arg(result));
    deviceSelected(devices_->selectedDevice());
    Q_EMIT browseFinished(device, result);
}

void MainWindow::pair(quint32 device) {
    if (!device || pairing_->busy(device)) return;
    pairing_->pair(device);
    say(tr("Pairing with %1…").arg(CvCm_GetRmtDevDisplayName(device)));
    updateActions();
}

void MainWindow::paired(quint32 device, quint32 result) {
    QString name = CvCm_GetRmtDevDisplayName(device);
    say(result == BTSDK_OK ? tr("Paired with %1").arg(name)
                           : tr("Pairing with %1 failed (result %2)").arg(name).arg(result));
    devices_->update(device);
    updateActions();
}

void MainWindow::updateActions() {
    quint32 device = devices_->selectedDevice();
    bool present = watch_->present();
    bool ready = present && adapter_->ready();
    ui_->actionDiscover->setEnabled(ready);
    ui_->actionPair->setEnabled(ready && device && !pairing_->busy(device));
    ui_->actionBrowse->setEnabled(ready && device && !browsing_);
    ui_->actionCreateShortcut->setEnabled(present && services_->selectedService() != 0);
    ui_->actionStatus->setEnabled(present && (servers_->selectedServer() || shortcuts_->selectedShortcut()));
    ui_->actionProperties->setEnabled(present && shortcuts_->selectedShortcut());
    ui_->actionRefresh->setEnabled(present);
}
