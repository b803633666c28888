// One client of the service as a signal's addressee: the bus connection its call arrived
// on and its unique name there. What a client asked for (a folder's listing, the reports
// and completion of its transfer) is sent to it alone.
#pragma once

#include <gio/gio.h>

#include <memory>
#include <string>

namespace btserver {

struct Recipient {
    std::shared_ptr<GDBusConnection> connection;
    std::string name;  // empty on a connection without a message bus: the peer itself
};

// The caller of a method call.
inline Recipient callerOf(GDBusMethodInvocation* invocation) {
    GDBusConnection* connection = g_dbus_method_invocation_get_connection(invocation);
    const gchar* sender = g_dbus_method_invocation_get_sender(invocation);
    return {std::shared_ptr<GDBusConnection>(G_DBUS_CONNECTION(g_object_ref(connection)),
                                             g_object_unref),
            sender ? sender : ""};
}

}  // namespace btserver
