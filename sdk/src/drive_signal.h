// The drive-signal thread: it iterates a main context of the library's own, to which the
// library's bus connection is attached unless the application iterates GLib's default
// context itself. The default context is never touched by it, so the application's own
// sources (a Qt event dispatcher's timers, posted events and sockets) are never
// dispatched on the library's thread.
#pragma once

#include <glib.h>

namespace corv {

GMainContext* driveContext();
void startDriveSignalThread();

// Asks the thread to leave its loop and waits (boundedly) until it has, so that the
// connection it dispatched can be freed safely.
void stopDriveSignalThread();

}  // namespace corv
