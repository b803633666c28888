#include "tour.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QTreeWidget>

#include <cstdio>

#include "corvclient/btsdk.h"
#include "device_list.h"
#include "item_rows.h"
#include "main_window.h"
#include "pairing.h"
#include "profile_windows.h"
#include "service_list.h"
#include "shortcut_list.h"
#include "tour_ftp.h"
#include "tour_opp.h"
#include "tour_spp.h"
#include "tour_shot.h"
#include "tour_windows.h"

namespace {

const QString kPhoneName = QStringLiteral("Nova Phone");
const QString kPhonePin = QStringLiteral("1234");

QDialog* openPinDialog(QWidget* window) {
    auto* dialog = window->findChild<QDialog*>(QStringLiteral("pinDialog"));
    return dialog && dialog->isVisible() ? dialog : nullptr;
}

// The handle of the first row of the list (0: the list is empty).
quint32 firstOf(QWidget* window, const QString& list) {
    return handleOf(window->findChild<QTreeWidget*>(list)->topLevelItem(0));
}

}  // namespace

Tour::Tour(MainWindow* window, const QString& folder) : QObject(window), window_(window), folder_(folder) {
    poller_.setInterval(kTourPollMs);
    connect(&poller_, &QTimer::timeout, this, &Tour::poll);
    auto always = [] { return true; };
    auto nothing = [] {};
    steps_ = {
        {QStringLiteral("01-start.png"), nothing, always, 0},
        {QStringLiteral("02-discovering.png"), [this] { window_->discover(); },
         // A moment into the inquiry, with its first results listed.
         [this] { return !window_->discovering() || clock_.elapsed() > 500; }, 5000},
        {QStringLiteral("03-discovered.png"), nothing, [this] { return !window_->discovering(); }, 20000},
        {QStringLiteral("04-pin-request.png"),
         [this] {
             quint32 device = phone();
             window_->devices()->select(device);
             // The phone of the default world is paired already: forget that first.
             BTUINT8 paired = 0;
             if (Btsdk_IsDevicePaired(device, &paired) == BTSDK_OK && paired) Btsdk_UnPairDevice(device);
             window_->devices()->update(device);
             window_->pair(device);
         },
         [this] {
             QDialog* dialog = openPinDialog(window_);
             if (dialog) dialog->findChild<QLineEdit*>(QStringLiteral("pinEdit"))->setText(kPhonePin);
             return dialog != nullptr;
         },
         5000},
        {QStringLiteral("05-paired.png"),
         [this] {
             if (QDialog* dialog = openPinDialog(window_)) dialog->accept();
         },
         [this] { return !window_->pairing()->busy(phone()); }, 10000},
        {QStringLiteral("06-browsing.png"), [this] { window_->browse(phone()); },
         [this] { return window_->browsing(); }, 1000},
        {QStringLiteral("07-services.png"), nothing, [this] { return !window_->browsing(); }, 15000},
        {QStringLiteral("08-shortcut.png"),
         [this] {
             if (quint32 service = window_->services()->selectClass(kFileTransferClass))
                 window_->services()->createShortcut(service);
         },
         [this] { return shortcutView(window_)->topLevelItemCount() > 0; }, 3000},
        {QStringLiteral("09-context-menu.png"),
         [this] {
             if (quint32 shortcut = firstOf(window_, QStringLiteral("shortcutList")))
                 window_->shortcuts()->showMenuOf(shortcut);
         },
         [] { return QApplication::activePopupWidget() != nullptr; }, 3000},
        {QStringLiteral("10-shortcut-status.png"),
         [this] {
             // The menu of the previous step is the plug-in's when it serves the shortcut:
             // the manager opens its own status window, which does not block the tour.
             if (QWidget* menu = QApplication::activePopupWidget()) menu->close();
             if (quint32 shortcut = firstOf(window_, QStringLiteral("shortcutList")))
                 window_->profileWindows()->showShortcutStatus(shortcut);
         },
         [this] { return shownStatus(window_) != nullptr; }, 3000},
        {QStringLiteral("11-shortcut-properties.png"),
         [this] {
             closeProfileWindows(window_);
             // Queued: the window is modal, and its loop runs the tour's next steps.
             quint32 shortcut = firstOf(window_, QStringLiteral("shortcutList"));
             ProfileWindows* windows = window_->profileWindows();
             QMetaObject::invokeMethod(
                 windows, [windows, shortcut] { windows->showShortcutProperties(shortcut); }, Qt::QueuedConnection);
         },
         [] {
             QWidget* modal = QApplication::activeModalWidget();
             return modal && modal->objectName() == QStringLiteral("profileProperties");
         },
         3000},
        {QStringLiteral("12-server-status.png"),
         [this] {
             closeProfileWindows(window_);
             if (quint32 server = firstOf(window_, QStringLiteral("serverList")))
                 window_->profileWindows()->showServerStatus(server);
         },
         [this] { return shownStatus(window_) != nullptr; }, 3000},
    };
    steps_ << ftpTourSteps(window_) << oppTourSteps(window_) << sppTourSteps(window_);
}

void Tour::start() {
    QDir().mkpath(folder_);
    current_ = -1;
    finish(true);
}

quint32 Tour::phone() const { return window_->devices()->deviceNamed(kPhoneName); }

void Tour::begin() {
    steps_[current_].action();
    clock_.start();
    poller_.start();
}

void Tour::poll() {
    const TourStep& step = steps_[current_];
    if (step.done()) {
        finish(true);
    } else if (clock_.elapsed() > step.timeoutMs) {
        finish(false);
    }
}

// A step that does not finish in time ends the tour, with its picture as it stands.
void Tour::finish(bool done) {
    poller_.stop();
    if (current_ >= 0) {
        const TourStep& step = steps_[current_];
        QString path = QDir(folder_).filePath(step.picture);
        bool saved = tourShot(window_).save(path);
        std::printf("tour: %s%s%s\n", qPrintable(path), done ? "" : " (the step did not finish in time)",
                    saved ? "" : " could not be saved");
        std::fflush(stdout);
        if (!done) {
            std::fprintf(stderr, "tour: stopped at step %d of %d (%s): it did not finish within %d ms\n",
                         current_ + 1, int(steps_.size()), qPrintable(step.picture), step.timeoutMs);
            endTour(window_, 1);
            return;
        }
    }
    if (++current_ < steps_.size()) {
        // Let the window lay itself out and paint before the next step.
        QTimer::singleShot(300, this, &Tour::begin);
        return;
    }
    endTour(window_, 0);
}
