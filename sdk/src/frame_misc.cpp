// Frame operations that applications call directly, and the operations that make no
// service call.
#include <cstdlib>

#include "corvclient/btsdk_init.h"
#include "frame_state.h"

extern "C" {

void create_main_loop(void) {
    mainloop = g_main_loop_new(nullptr, FALSE);
    g_main_loop_run(mainloop);
}

void InitForDbusConnection(DBusGConnection* connection) {
    DBusGProxy* proxy = dbus_g_proxy_new_for_name(connection, "org.freedesktop.DBus",
                                                  "/org/freedesktop/DBus", "org.freedesktop.DBus");
    GError* error = nullptr;
    char** names = nullptr;
    if (dbus_g_proxy_call(proxy, "ListNames", &error, G_TYPE_INVALID, G_TYPE_STRV, &names,
                          G_TYPE_INVALID)) {
        g_strfreev(names);
        g_object_unref(proxy);
        return;
    }
    if (error->domain == DBUS_GERROR && error->code == DBUS_GERROR_REMOTE_EXCEPTION) {
        g_printerr("Caught remote method exception %s: %s", dbus_g_error_get_name(error),
                   error->message);
    } else {
        g_printerr("Error: %s\n", error->message);
    }
    g_error_free(error);
    g_object_unref(proxy);
    dbus_g_connection_unref(connection);
}

void Btsdk_FreeMemory(void* memory) { std::free(memory); }

BTRESULT Btsdk_RegisterFlyModeCallback(void (*)(BTUINT8)) { return 0; }
BTRESULT Btsdk_UnRegisterFlyModeCallback(void) { return 0; }
BTBOOL Btsdk_IsAppRunning(void) { return 0; }
BTUINT32 Btsdk_GetServerPid(void) { return 0; }
BTBOOL Btsdk_IsFlyMode(void) { return 0; }
void Btsdk_SetRunningFlag(void) {}
void Btsdk_UnsetRunningFlag(void) {}
void Btsdk_UnInitServer(void) {}

}  // extern "C"
