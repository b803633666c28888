#include "pm_bus.h"

#include <dbus/dbus-glib-lowlevel.h>

#include <mutex>

DBusGConnection* pm_system_bus(GError** error) {
    static std::mutex guard;
    std::lock_guard<std::mutex> hold(guard);
    DBusGConnection* bus = dbus_g_bus_get(DBUS_BUS_SYSTEM, error);
    if (bus)
        dbus_connection_set_exit_on_disconnect(dbus_g_connection_get_connection(bus), FALSE);
    return bus;
}
