#include "frame_state.h"

#include <atomic>

#include "corvclient/btsdk_ftp.h"

DBusGConnection* g_dbus_connection = nullptr;
DBusGConnection* g_dbus_connection2 = nullptr;
DBusGConnection* g_dbus_cbk_connection = nullptr;
DBusGConnection* g_dbus_ftp_connection = nullptr;
GMainLoop* mainloop = nullptr;
DBusGProxy* g_btsdk_rmt_proxy2 = nullptr;

namespace {
// A statically allocated GMutex needs no initialisation. It lives as long as the
// process, so proxies that outlive a stop never lock a freed mutex.
GMutex s_callMutex;
std::atomic<bool> s_started{false};
DBusGConnection* s_shared = nullptr;
}  // namespace

GMutex* g_btsdk_call_mutex = &s_callMutex;

namespace corv {

bool libraryStarted() { return s_started.load(); }
void setLibraryStarted(bool started) { s_started.store(started); }

DBusGConnection* sharedConnection() { return s_shared; }
// The library keeps a reference of its own, so the shared connection stays valid in
// every variable that still names it after a stop, and a later start finds it again.
void setSharedConnection(DBusGConnection* connection) {
    if (connection && connection != s_shared) {
        dbus_g_connection_ref(connection);
        s_shared = connection;
    }
}

void releaseConnection(DBusGConnection* connection) {
    if (!connection || connection == s_shared) return;
    dbus_connection_close(dbus_g_connection_get_connection(connection));
    dbus_g_connection_unref(connection);
}

void keepProcessOnDisconnect(DBusGConnection* connection) {
    if (connection) {
        dbus_connection_set_exit_on_disconnect(dbus_g_connection_get_connection(connection), FALSE);
    }
}

}  // namespace corv
