// Start and stop of the library.
#include <cstdlib>
#include <cstring>

#include "drive_signal.h"
#include "frame_state.h"
#include "signal_subscription.h"

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
    bool appLoop = applicationIteratesMainContext();
    corv::setLibraryContext(appLoop ? nullptr : corv::driveContext());
    if (!appLoop) corv::startDriveSignalThread();
    dbus_g_thread_init();

    // The library holds the connection's reference (see frame_state.h); the variables that
    // name it hold none of their own.
    DBusGConnection* connection = InitDbusConnection();
    corv::setSharedConnection(connection);
    g_dbus_connection = connection;
    g_dbus_connection2 = connection;
    // A callback thread's private connection left from before loses the variable's
    // reference; the thread keeps its own until it ends.
    if (g_dbus_cbk_connection) dbus_g_connection_unref(g_dbus_cbk_connection);
    g_dbus_cbk_connection = connection;
    g_usleep(G_USEC_PER_SEC);

    if (g_dbus_connection) {
        corv::setLibraryStarted(true);
        corv::restoreSubscribedProxies();
        return 1;
    }
    g_printerr("InitDbusConnection failed.\n");
    quit_drive_signal_thread();
    return 0;
}

int CorvClientUninit(void) {
    corv::setLibraryStarted(false);
    CleanupDbusConnection();
    // The drive-signal thread leaves its loop before the connection it dispatches is freed.
    corv::stopDriveSignalThread();
    corv::closeSharedConnection();
    return 1;
}

BTRESULT Btsdk_ClientInit(void) { return CorvClientInit() ? BTSDK_OK : BTSDK_ER_CLIENT_INIT; }

BTRESULT Btsdk_ClientUninit(void) {
    CorvClientUninit();
    return BTSDK_OK;
}

// A private connection rather than libdbus's shared one: it is attached to the library's
// own context, which nobody else may move, and it is never a dead connection that
// libdbus hands back after the bus went away.
DBusGConnection* InitDbusConnection(void) {
    GError* error = nullptr;
    DBusGConnection* connection =
        dbus_g_bus_get_private(DBUS_BUS_SYSTEM, corv::libraryContext(), &error);
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
