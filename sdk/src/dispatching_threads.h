// The threads that dispatch the library's connections: its private loop threads (request
// threads 1 and 2, the callback thread and the file-transfer thread) and, when the
// application declared that it iterates GLib's default context, the application's loop.
#pragma once

#include <dbus/dbus-glib.h>

#include <functional>

namespace corv {

// Runs `work` on the thread that dispatches `connection`, when that is a loop thread of
// the library or an application loop running now on another thread, and waits until it
// has run (at most 10 s). dbus-glib does not let a proxy be made on one thread while
// another dispatches its connection: under load a new proxy could miss the service's
// owner and never receive a signal. Returns false, running nothing, when no other thread
// dispatches the connection: then the caller makes the proxy under the call mutex, which
// the drive-signal thread holds while it dispatches.
bool runOnDispatchingThread(DBusGConnection* connection, const std::function<void()>& work);

}  // namespace corv
