#include "pm_bus.h"

#include <dbus/dbus-glib-lowlevel.h>

#include <mutex>

namespace {

std::mutex s_proxy_guard;

}  // namespace

DBusGProxy* pm_proxy_new(DBusGConnection* bus, const char* name, const char* path, const char* interface) {
    std::lock_guard<std::mutex> hold(s_proxy_guard);
    return dbus_g_proxy_new_for_name(bus, name, path, interface);
}

void pm_proxy_unref(DBusGProxy* proxy) {
    std::lock_guard<std::mutex> hold(s_proxy_guard);
    g_object_unref(proxy);
}

DBusGConnection* pm_system_bus(GError** error) {
    static std::mutex guard;
    std::lock_guard<std::mutex> hold(guard);
    DBusGConnection* bus = dbus_g_bus_get(DBUS_BUS_SYSTEM, error);
    if (bus)
        dbus_connection_set_exit_on_disconnect(dbus_g_connection_get_connection(bus), FALSE);
    return bus;
}
