#include "tour_spp.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>

#include <cstdio>
#include <cstring>
#include <memory>

#include "corvclient/btsdk.h"
#include "cvcommon/profile_plug_mng.h"
#include "cvcommon/serial_device.h"
#include "cvcommon/shortcut_helpers.h"
#include "main_window.h"
#include "service_list.h"
#include "profile_windows.h"
#include "shortcut_list.h"
#include "shown_windows.h"
#include "tour_windows.h"

namespace {

constexpr quint16 kSerialPortClass = 0x1101;
constexpr int kEchoWaitMs = 2000;

// Opens the device as a terminal program does (raw, no controlling terminal), writes a line
// and reads what comes back; tells the tour's output what it saw.
void typeInto(const QString& device) {
    const QByteArray path = device.toLocal8Bit();
    const int fd = open(path.constData(), O_RDWR | O_NOCTTY);
    if (fd < 0) {
        std::fprintf(stderr, "tour: cannot open %s: %s\n", path.constData(), std::strerror(errno));
        return;
    }
    termios mode{};
    if (tcgetattr(fd, &mode) == 0) {
        cfmakeraw(&mode);
        tcsetattr(fd, TCSANOW, &mode);
    }
    const char line[] = "Hello from a terminal\r\n";
    const ssize_t wanted = ssize_t(sizeof line - 1);
    ssize_t echoed = 0;
    if (write(fd, line, size_t(wanted)) == wanted) {
        char back[64];
        pollfd ready{fd, POLLIN, 0};
        while (echoed < wanted && poll(&ready, 1, kEchoWaitMs) > 0) {
            const ssize_t got = read(fd, back, sizeof back);
            if (got <= 0) break;
            echoed += got;
        }
    }
    close(fd);
    std::printf("tour: %s echoed %zd of %zd bytes\n", path.constData(), echoed, wanted);
    std::fflush(stdout);
}

bool connectWindowShown() { return shownWindowOf("QProgressDialog") != nullptr; }

}  // namespace

QList<TourStep> sppTourSteps(MainWindow* window) {
    auto shortcut = std::make_shared<quint32>(0);
    auto menuShown = std::make_shared<bool>(false);
    return {
        {QStringLiteral("24-spp-menu.png"),
         [window, shortcut] {
             closeProfileWindows(window);
             ServiceList* services = window->services();
             *shortcut = services->createShortcut(services->selectClass(kSerialPortClass));
             window->shortcuts()->showMenuOf(*shortcut);
         },
         [] { return QApplication::activePopupWidget() != nullptr; }, 3000},
        {QStringLiteral("25-spp-connected.png"),
         [window, shortcut] {
             if (QWidget* menu = QApplication::activePopupWidget()) menu->close();
             // The shortcut's default action, as a double click runs it: connect.
             const quint32 handle = *shortcut;
             QMetaObject::invokeMethod(
                 window, [handle] { ProfilePlugMng::performDefaultActionByShortcut(handle); },
                 Qt::QueuedConnection);
         },
         // Connected, the menu names the device to open.
         [window, shortcut, menuShown] {
             if (!CvCm_IsShortcutConnected(*shortcut) || connectWindowShown()) return false;
             if (!*menuShown) {
                 window->shortcuts()->showMenuOf(*shortcut);
                 *menuShown = true;
             }
             return QApplication::activePopupWidget() != nullptr;
         },
         10000},
        {QStringLiteral("26-spp-status.png"),
         [window, shortcut] {
             if (QWidget* menu = QApplication::activePopupWidget()) menu->close();
             typeInto(CvCm_GetSerialDevicePath(CvCm_GetComPortByShortcut(*shortcut, kSerialPortClass)));
             window->profileWindows()->showShortcutStatus(*shortcut);
         },
         // The status window has counted the echoed line.
         [window] {
             QDialog* status = shownStatus(window);
             auto* received = status ? status->findChild<QLabel*>(QStringLiteral("label_ReceivedBytes")) : nullptr;
             return received && !received->text().startsWith(QLatin1Char('0'));
         },
         5000},
        {QStringLiteral("27-spp-server-properties.png"),
         [window, shortcut] {
             closeProfileWindows(window);
             Btsdk_DisconnectShortCut(*shortcut);
             // Queued: the dialog is modal, as the server's "Properties" entry opens it.
             if (const quint32 server = serverOfClass(window, kSerialPortClass))
                 QMetaObject::invokeMethod(
                     window, [server] { ProfilePlugMng::ShowSvrPropertyDlg(server, nullptr, 0); },
                     Qt::QueuedConnection);
         },
         [] {
             QWidget* modal = QApplication::activeModalWidget();
             return modal && modal->inherits("SpppropertyClass");
         },
         3000},
    };
}
