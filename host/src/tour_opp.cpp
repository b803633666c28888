#include "tour_opp.h"

#include <gio/gio.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QProgressBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <cstdio>
#include <memory>

#include "cvcommon/profile_plug_mng.h"
#include "main_window.h"
#include "service_list.h"
#include "shown_windows.h"
#include "tour_windows.h"

namespace {

constexpr quint16 kObjectPushClass = 0x1105;

// The files of this part: one that the tour sends, about 4 s at the default world's
// 128 KB/s, and one that the laptop pushes.
struct PushFiles {
    QTemporaryDir root{QDir::tempPath() + QStringLiteral("/corvane-push-XXXXXX")};
    QString sent, pushed;
    quint32 shortcut = 0;

    bool make() {
        if (!root.isValid()) return false;
        sent = root.filePath(QStringLiteral("Holiday video.mp4"));
        pushed = root.filePath(QStringLiteral("Meeting notes.txt"));
        return write(sent, 512 * 1024) && write(pushed, 2300);
    }
    static bool write(const QString& path, int size) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(QByteArray(size, 'x')) == size;
    }
};

QWidget* shownSendProgress() { return shownWindowOf("ComProgressDlg"); }

// The device's push into the local inbox, a world event of the stand-in service that
// answers once the file is over; a push that fails is told on the tour's output.
void devicePushes(const char* device, const QString& file) {
    GError* error = nullptr;
    GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SYSTEM, nullptr, &error);
    if (!bus) {
        std::fprintf(stderr, "tour: no system bus for the push: %s\n", error->message);
        g_error_free(error);
        return;
    }
    auto answered = [](GObject* source, GAsyncResult* result, gpointer) {
        GError* failure = nullptr;
        if (GVariant* reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), result, &failure)) {
            g_variant_unref(reply);
        } else {
            std::fprintf(stderr, "tour: the device's push failed: %s\n", failure->message);
            g_error_free(failure);
        }
    };
    g_dbus_connection_call(bus, "com.zel.corvane", "/com/zel/corvane/simctl", "com.zel.corvane.simctl",
                           "DevicePushesFile", g_variant_new("(ss)", device, QFile::encodeName(file).constData()),
                           nullptr, G_DBUS_CALL_FLAGS_NO_AUTO_START, G_MAXINT, nullptr, answered, nullptr);
    g_object_unref(bus);
}

bool propertyPage(int page) {
    QWidget* modal = QApplication::activeModalWidget();
    auto* pages = modal && modal->inherits("OpppropertyClass") ? modal->findChild<QTabWidget*>() : nullptr;
    return pages && pages->currentIndex() == page;
}

}  // namespace

QList<TourStep> oppTourSteps(MainWindow* window) {
    auto files = std::make_shared<PushFiles>();
    return {
        {QStringLiteral("19-opp-send.png"),
         [window, files] {
             closeProfileWindows(window);
             if (!files->make()) return;
             ServiceList* services = window->services();
             files->shortcut = services->createShortcut(services->selectClass(kObjectPushClass));
             // The shortcut's default action, as a double click runs it: the plug-in asks for
             // the file in a modal chooser, so it runs from the loop.
             const quint32 shortcut = files->shortcut;
             QMetaObject::invokeMethod(
                 window, [shortcut] { ProfilePlugMng::performDefaultActionByShortcut(shortcut); },
                 Qt::QueuedConnection);
         },
         // The chooser is answered with the file; the picture is part of the way into it.
         [files] {
             if (auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                 // Typed as a person would: the whole path, in the chooser's name field.
                 if (auto* name = chooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                     name->setText(files->sent);
                 QMetaObject::invokeMethod(chooser, "accept");
                 return false;
             }
             QWidget* progress = shownSendProgress();
             auto* bar = progress ? progress->findChild<QProgressBar*>(QStringLiteral("progressBar")) : nullptr;
             return bar && bar->value() >= 30 && bar->value() < 80;
         },
         10000},
        {QStringLiteral("20-push-request.png"),
         [files] { devicePushes("laptop", files->pushed); },
         // The laptop is not trusted: the manager asks first.
         [] { return !shownSendProgress() && shownWindow(QStringLiteral("authorizationPrompt")); }, 15000},
        {QStringLiteral("21-received-files.png"),
         [window] {
             if (QWidget* prompt = shownWindow(QStringLiteral("authorizationPrompt")))
                 if (auto* accept = prompt->findChild<QAbstractButton*>(QStringLiteral("acceptButton"))) accept->click();
             window->findChild<QAction*>(QStringLiteral("actionReceivedFiles"))->trigger();
         },
         [] {
             QWidget* list = shownWindow(QStringLiteral("receivedFiles"));
             auto* view = list ? list->findChild<QTreeWidget*>(QStringLiteral("receivedList")) : nullptr;
             return view && view->topLevelItemCount() > 0 && shownWindow(QStringLiteral("receivedFileNotice"));
         },
         10000},
        {QStringLiteral("22-opp-server-properties.png"),
         [window] {
             for (const QString& name : {QStringLiteral("receivedFiles"), QStringLiteral("receivedFileNotice")})
                 if (QWidget* shown = shownWindow(name)) shown->close();
             // Queued: the dialog is modal, as the server's "Properties" action opens it.
             if (const quint32 server = serverOfClass(window, kObjectPushClass))
                 QMetaObject::invokeMethod(
                     window, [server] { ProfilePlugMng::ShowSvrPropertyDlg(server, nullptr, 0); },
                     Qt::QueuedConnection);
         },
         [] { return propertyPage(0); }, 3000},
        {QStringLiteral("23-opp-server-options.png"),
         [] {
             if (QWidget* modal = QApplication::activeModalWidget())
                 if (auto* pages = modal->findChild<QTabWidget*>()) pages->setCurrentIndex(1);
         },
         [] { return propertyPage(1); }, 3000},
    };
}
