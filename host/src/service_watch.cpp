#include "service_watch.h"

#include <dbus/dbus-glib-lowlevel.h>

#include "corvclient/btsdk.h"
#include "cvcommon/profile_plug_mng.h"

namespace {

constexpr int kProbeIntervalMs = 1000;

// Whether the library's request connection is still on the bus.
bool libraryConnected() {
    return g_dbus_connection && dbus_connection_get_is_connected(dbus_g_connection_get_connection(g_dbus_connection));
}

}  // namespace

ServiceWatch::ServiceWatch(QObject* parent) : QObject(parent) {
    pool_.setMaxThreadCount(1);
    clock_.setInterval(kProbeIntervalMs);
    connect(&clock_, &QTimer::timeout, this, &ServiceWatch::probe);
    clock_.start();
}

ServiceWatch::~ServiceWatch() { pool_.waitForDone(); }

void ServiceWatch::probe() {
    if (probing_) return;
    probing_ = true;
    pool_.start([this] {
        bool onBus = probe_.serviceOnBus();
        QMetaObject::invokeMethod(this, [this, onBus] { probed(onBus); }, Qt::QueuedConnection);
    });
}

void ServiceWatch::probed(bool serviceOnBus) {
    probing_ = false;
    if (!serviceOnBus) {
        setPresent(false);
        return;
    }
    if (!libraryConnected()) {
        // The bus went away since the library started. The new start blocks for the
        // library's settling time, about a second.
        setPresent(false);
        Btsdk_ClientUninit();
        if (Btsdk_ClientInit() != BTSDK_OK) return;
    }
    setPresent(true);
}

void ServiceWatch::setPresent(bool present) {
    if (present == present_) return;
    present_ = present;
    if (!present) {
        Q_EMIT left();
        return;
    }
    ProfilePlugMng::StartProfileServer();
    Q_EMIT returned();
}
