// The daemon's connection to the system bus, shared by the dispatcher's calls and the
// signal listener.
#pragma once

#include <dbus/dbus-glib.h>

// A reference to the shared connection, or null with the error set. Threads ask for it
// one at a time: dbus-glib sets a new connection up for the main loop on first use, which
// two threads must not do at once. A lost bus makes calls fail instead of ending the
// daemon.
DBusGConnection* pm_system_bus(GError** error);

// A proxy of the shared connection made, and one dropped, one at a time: dbus-glib's
// bookkeeping of a connection's proxies deadlocks when one thread makes a proxy while
// another drops one (the dispatcher's first call against the listener ending).
DBusGProxy* pm_proxy_new(DBusGConnection* bus, const char* name, const char* path, const char* interface);
void pm_proxy_unref(DBusGProxy* proxy);
