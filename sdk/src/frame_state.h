// Process-wide state of the client library shared by its source files.
#pragma once

#include <dbus/dbus-glib-lowlevel.h>
#include <dbus/dbus-glib.h>

#include "corvclient/btsdk_frame.h"

namespace corv {

// True between a successful start and the next stop. Operations outside that time
// return their preset and send nothing.
bool libraryStarted();
void setLibraryStarted(bool started);

// The shared system-bus connection opened at start, or null.
DBusGConnection* sharedConnection();
void setSharedConnection(DBusGConnection* connection);

// Connection variables: one naming the shared connection holds no reference; one naming
// a private connection owns a reference, which this drops after closing the connection.
void releaseConnection(DBusGConnection* connection);

// Turns off libdbus's exit-on-disconnect, which would end the application when the
// bus goes away.
void keepProcessOnDisconnect(DBusGConnection* connection);

}  // namespace corv
