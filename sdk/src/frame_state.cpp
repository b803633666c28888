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
GMainContext* s_context = nullptr;
}  // namespace

GMutex* g_btsdk_call_mutex = &s_callMutex;

namespace corv {

bool libraryStarted() { return s_started.load(); }
void setLibraryStarted(bool started) { s_started.store(started); }

DBusGConnection* sharedConnection() { return s_shared; }
void setSharedConnection(DBusGConnection* connection) { s_shared = connection; }

// Proxies made on the connection keep it as an object, closed: the library forgets them
// at their next use and makes new ones on the connection of the next start.
void closeSharedConnection() {
    DBusGConnection* connection = s_shared;
    if (!connection) return;
    s_shared = nullptr;
    if (g_dbus_cbk_connection == connection) g_dbus_cbk_connection = nullptr;
    dbus_connection_close(dbus_g_connection_get_connection(connection));
    dbus_g_connection_unref(connection);
}

GMainContext* libraryContext() { return s_context; }
void setLibraryContext(GMainContext* context) { s_context = context; }

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
