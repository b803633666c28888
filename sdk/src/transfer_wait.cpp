#include "transfer_wait.h"

#include <dbus/dbus-glib-lowlevel.h>

#include <cstdlib>

#include "corvclient/btsdk_ftp.h"
#include "corvclient/btsdk_types.h"

namespace corv {
namespace {

std::atomic<unsigned> s_progress{0};

constexpr gint64 kIdleLimitUs = 120 * G_USEC_PER_SEC;
constexpr gint64 kSliceUs = G_USEC_PER_SEC / 4;

// The idle limit, or the test seam's value when set.
gint64 idleLimitUs() {
    const char* text = std::getenv("CORVCLIENT_CALL_TIMEOUT_MS");
    int ms = text ? std::atoi(text) : 0;
    return ms > 0 ? gint64{ms} * 1000 : kIdleLimitUs;
}

}  // namespace

void noteTransferProgress() { ++s_progress; }

TransferWait::TransferWait(ProxyId proxy, const char* completeSignal)
    : proxy_(proxy), signal_(completeSignal) {
    g_mutex_init(&mutex_);
    g_cond_init(&cond_);
    dbus_g_proxy_connect_signal(proxySlot(proxy_), signal_, G_CALLBACK(onComplete), this, nullptr);
}

TransferWait::~TransferWait() {
    dbus_g_proxy_disconnect_signal(proxySlot(proxy_), signal_, G_CALLBACK(onComplete), this);
    g_mutex_clear(&mutex_);
    g_cond_clear(&cond_);
}

void TransferWait::onComplete(DBusGProxy*, guint result, gpointer self) {
    auto* wait = static_cast<TransferWait*>(self);
    g_mutex_lock(&wait->mutex_);
    wait->result_ = result;
    wait->done_ = true;
    g_cond_broadcast(&wait->cond_);
    g_mutex_unlock(&wait->mutex_);
}

void TransferWait::wake() {
    g_mutex_lock(&mutex_);
    g_cond_broadcast(&cond_);
    g_mutex_unlock(&mutex_);
}

bool TransferWait::serviceOnBus() const {
    DBusGConnection* connection = proxyConnection(proxy_);
    if (!connection) return false;
    DBusConnection* raw = dbus_g_connection_get_connection(connection);
    if (!dbus_connection_get_is_connected(raw)) return false;
    DBusError error;
    dbus_error_init(&error);
    bool owned = dbus_bus_name_has_owner(raw, "com.zel.corvane", &error);
    bool failed = dbus_error_is_set(&error);
    dbus_error_free(&error);
    return owned || failed;  // a bus that cannot answer is not proof of absence
}

BTRESULT TransferWait::wait() {
    const gint64 limit = idleLimitUs();
    unsigned progress = s_progress.load();
    gint64 idleSince = g_get_monotonic_time();
    g_mutex_lock(&mutex_);
    while (!done_) {
        g_cond_wait_until(&cond_, &mutex_, g_get_monotonic_time() + kSliceUs);
        if (done_) break;
        g_mutex_unlock(&mutex_);
        bool gone = !serviceOnBus();
        g_mutex_lock(&mutex_);
        if (done_) break;
        if (gone) {
            g_printerr("the Bluetooth service left the bus during a transfer\n");
            break;
        }
        if (s_progress.load() != progress) {
            progress = s_progress.load();
            idleSince = g_get_monotonic_time();
        } else if (g_get_monotonic_time() - idleSince > limit) {
            g_printerr("a transfer reported neither progress nor completion in time\n");
            break;
        }
    }
    BTRESULT result = done_ ? result_ : BTSDK_ER_FAIL;
    g_mutex_unlock(&mutex_);
    return result;
}

}  // namespace corv

extern "C" int FTPGetFileCbkThd(void* wait) {
    if (wait) static_cast<corv::TransferWait*>(wait)->wake();
    return 0;
}
