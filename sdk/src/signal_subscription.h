// Subscribing a service signal on an area's proxy: registers its marshaller, declares its
// argument types (read from the signal's row in signals.def) and connects the handler.
//
// Subscriptions are remembered per area, so that when a proxy is made again because the
// connection it was made on is gone, the new proxy gets the same subscriptions and the
// registered callbacks keep working after the application starts the library again.
#pragma once

#include <glib-object.h>

#include "methods.h"
#include "proxy_table.h"

namespace corv {

// Subscribes the signal on the area's proxy unless it already is; marshal is null for the
// signals GLib marshals itself (no arguments or one uint). False when the area has no
// proxy.
bool subscribeOnce(ProxyId id, const Signal& signal, GCallback handler, GClosureMarshal marshal);

// The same on a proxy the caller holds; it makes no proxy, so it may be called under the
// call mutex.
void subscribeOnceOn(DBusGProxy* proxy, ProxyId id, const Signal& signal, GCallback handler,
                     GClosureMarshal marshal);

// Declares the signal on the proxy without a handler (the blocking transfers connect their
// own), unless it already is; like subscribeOnceOn, it makes no proxy.
void declareOnceOn(DBusGProxy* proxy, ProxyId id, const Signal& signal);

// Gives a proxy made again for the area the subscriptions and declarations of the old one.
void replaySubscriptions(ProxyId id);

// Makes again, at a new start, the proxies of the areas that have subscriptions and whose
// connection is gone, so that callbacks registered before keep arriving.
void restoreSubscribedProxies();

}  // namespace corv
