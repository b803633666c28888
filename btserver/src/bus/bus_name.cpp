#include "bus/bus_name.h"

namespace btserver {

namespace {

constexpr guint32 kDoNotQueue = 4;
constexpr guint32 kPrimaryOwner = 1;

GVariant* askBus(GDBusConnection* connection, const char* method, GVariant* args,
                 const char* replyType, GError** error) {
    return g_dbus_connection_call_sync(
        connection, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", method,
        args, G_VARIANT_TYPE(replyType), G_DBUS_CALL_FLAGS_NONE, 10000, nullptr, error);
}

}  // namespace

std::string systemBusAddress() {
    const char* set = g_getenv("DBUS_SYSTEM_BUS_ADDRESS");
    if (set && *set)
        return set;
    gchar* usual = g_dbus_address_get_for_bus_sync(G_BUS_TYPE_SYSTEM, nullptr, nullptr);
    std::string address = usual ? usual : "";
    g_free(usual);
    return address;
}

GDBusConnection* connectToBus(const std::string& address, std::string& error) {
    GError* failure = nullptr;
    GDBusConnection* connection = g_dbus_connection_new_for_address_sync(
        address.c_str(),
        static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                          G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
        nullptr, nullptr, &failure);
    if (!connection) {
        error = failure->message;
        g_error_free(failure);
    }
    return connection;
}

bool ownName(GDBusConnection* connection, std::string& error) {
    GError* failure = nullptr;
    GVariant* reply = askBus(connection, "RequestName",
                             g_variant_new("(su)", kBusName, kDoNotQueue), "(u)", &failure);
    if (!reply) {
        error = failure->message;
        g_error_free(failure);
        return false;
    }
    guint32 answer = 0;
    g_variant_get(reply, "(u)", &answer);
    g_variant_unref(reply);
    if (answer != kPrimaryOwner)
        error = "another peer owns the name";
    return answer == kPrimaryOwner;
}

void releaseName(GDBusConnection* connection) {
    GVariant* reply =
        askBus(connection, "ReleaseName", g_variant_new("(s)", kBusName), "(u)", nullptr);
    if (reply)
        g_variant_unref(reply);
}

}  // namespace btserver
