// The daemon's connection to the system bus, shared by the dispatcher's calls and the
// signal listener.
#pragma once

#include <dbus/dbus-glib.h>

// A reference to the shared connection, or null with the error set. Threads ask for it
// one at a time: dbus-glib sets a new connection up for the main loop on first use, which
// two threads must not do at once. A lost bus makes calls fail instead of ending the
// daemon.
DBusGConnection* pm_system_bus(GError** error);
