// Subscribing a service signal on a proxy: registers its marshaller, declares its
// argument types (read from the signal's row in signals.def) and connects the handler.
#pragma once

#include <glib-object.h>

#include "methods.h"

namespace corv {

// marshal is null for the signals GLib marshals itself (no arguments or one uint).
void subscribeSignal(DBusGProxy* proxy, const Signal& signal, GCallback handler,
                     GClosureMarshal marshal);

}  // namespace corv
