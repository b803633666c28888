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

// The library's connection of the current start: a private system-bus connection opened
// at start and closed at stop, so that a start after the bus went away opens a new one.
// Null while stopped. It is attached to the main context that dispatches the library's
// signals and replies: the drive-signal thread's, or the application's default context.
DBusGConnection* sharedConnection();
void setSharedConnection(DBusGConnection* connection);  // takes over the reference
void closeSharedConnection();
GMainContext* libraryContext();  // null: GLib's default context
void setLibraryContext(GMainContext* context);

// Connection variables: one naming the shared connection holds no reference; one naming
// a private connection owns a reference, which this drops after closing the connection.
void releaseConnection(DBusGConnection* connection);

// Turns off libdbus's exit-on-disconnect, which would end the application when the
// bus goes away.
void keepProcessOnDisconnect(DBusGConnection* connection);

}  // namespace corv
