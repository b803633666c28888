#include "tour.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QTreeWidget>

#include <cstdio>

#include "corvclient/btsdk.h"
#include "device_list.h"
#include "main_window.h"
#include "pairing.h"
#include "service_list.h"
#include "shortcut_list.h"
#include "window_shot.h"

namespace {

const QString kPhoneName = QStringLiteral("Nova Phone");
const QString kPhonePin = QStringLiteral("1234");
constexpr quint16 kFileTransfer = 0x1106;
constexpr int kPollMs = 100;

QDialog* openPinDialog(QWidget* window) {
    auto* dialog = window->findChild<QDialog*>(QStringLiteral("pinDialog"));
    return dialog && dialog->isVisible() ? dialog : nullptr;
}

QTreeWidget* shortcutView(QWidget* window) { return window->findChild<QTreeWidget*>(QStringLiteral("shortcutList")); }

}  // namespace

Tour::Tour(MainWindow* window, const QString& folder) : QObject(window), window_(window), folder_(folder) {
    poller_.setInterval(kPollMs);
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
             if (quint32 service = window_->services()->selectClass(kFileTransfer))
                 window_->services()->createShortcut(service);
         },
         [this] { return shortcutView(window_)->topLevelItemCount() > 0; }, 3000},
        {QStringLiteral("09-context-menu.png"),
         [this] {
             QTreeWidget* view = shortcutView(window_);
             if (view->topLevelItemCount())
                 window_->shortcuts()->showMenuOf(view->topLevelItem(0)->data(0, Qt::UserRole).toUInt());
         },
         [] { return QApplication::activePopupWidget() != nullptr; }, 3000},
    };
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
    const Step& step = steps_[current_];
    if (step.done()) {
        finish(true);
    } else if (clock_.elapsed() > step.timeoutMs) {
        finish(false);
    }
}

void Tour::finish(bool done) {
    poller_.stop();
    if (current_ >= 0) {
        const Step& step = steps_[current_];
        QString path = QDir(folder_).filePath(step.picture);
        bool saved = windowShot(window_).save(path);
        std::printf("tour: %s%s%s\n", qPrintable(path), done ? "" : " (the step did not finish in time)",
                    saved ? "" : " could not be saved");
        std::fflush(stdout);
    }
    if (++current_ < steps_.size()) {
        // Let the window lay itself out and paint before the next step.
        QTimer::singleShot(300, this, &Tour::begin);
        return;
    }
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    QTimer::singleShot(0, qApp, &QApplication::quit);
}
