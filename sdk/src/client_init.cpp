// Start and stop of the library.
#include <cstdlib>
#include <cstring>

#include "drive_signal.h"
#include "frame_state.h"

namespace {
bool s_appMainLoop = false;

bool applicationIteratesMainContext() {
    const char* env = std::getenv("CORVCLIENT_APP_MAIN_LOOP");
    return s_appMainLoop || (env && std::strcmp(env, "0") != 0 && env[0] != '\0');
}
}  // namespace

extern "C" {

void CorvClientUseAppMainLoop(int yes) { s_appMainLoop = yes != 0; }

int CorvClientInit(void) {
    if (g_dbus_connection) return 1;
#if !GLIB_CHECK_VERSION(2, 36, 0)
    g_type_init();
#endif
    if (!applicationIteratesMainContext()) corv::startDriveSignalThread();
    dbus_g_thread_init();

    // The library keeps the shared connection for the process (see frame_state.h), so
    // the variables that name it hold no reference of their own.
    DBusGConnection* connection = InitDbusConnection();
    corv::setSharedConnection(connection);
    if (connection) dbus_g_connection_unref(connection);
    g_dbus_connection = connection;
    g_dbus_connection2 = connection;
    g_dbus_cbk_connection = connection;
    g_usleep(G_USEC_PER_SEC);

    if (g_dbus_connection) {
        corv::setLibraryStarted(true);
        return 1;
    }
    g_printerr("InitDbusConnection failed.\n");
    quit_drive_signal_thread();
    return 0;
}

int CorvClientUninit(void) {
    corv::setLibraryStarted(false);
    CleanupDbusConnection();
    quit_drive_signal_thread();
    return 1;
}

BTRESULT Btsdk_ClientInit(void) { return CorvClientInit() ? BTSDK_OK : BTSDK_ER_CLIENT_INIT; }

BTRESULT Btsdk_ClientUninit(void) {
    CorvClientUninit();
    return BTSDK_OK;
}

DBusGConnection* InitDbusConnection(void) {
    GError* error = nullptr;
    DBusGConnection* connection = dbus_g_bus_get(DBUS_BUS_SYSTEM, &error);
    if (!connection) {
        g_printerr("Failed to open connection to bus: %s\n", error ? error->message : "");
        g_clear_error(&error);
        return nullptr;
    }
    corv::keepProcessOnDisconnect(connection);
    return connection;
}

void CleanupDbusConnection(void) {
    DBusGConnection* first = g_dbus_connection;
    DBusGConnection* second = g_dbus_connection2;
    g_dbus_connection = nullptr;
    g_dbus_connection2 = nullptr;
    corv::releaseConnection(first);
    if (second != first) corv::releaseConnection(second);
}

}  // extern "C"
