#include "bus/session_bus.h"

#include "bus/bus_name.h"
#include "core/interface_names.h"
#include "service.h"

namespace btserver {

namespace {

// Two connections to one message bus know it by the same GUID.
bool sameBus(GDBusConnection* a, GDBusConnection* b) {
    return g_strcmp0(g_dbus_connection_get_guid(a), g_dbus_connection_get_guid(b)) == 0;
}

void closeBus(GDBusConnection* connection) {
    g_dbus_connection_close_sync(connection, nullptr, nullptr);
    g_object_unref(connection);
}

}  // namespace

SessionBus::~SessionBus() {
    if (!connection_)
        return;
    registry_.reset();
    if (!g_dbus_connection_is_closed(connection_)) {
        g_dbus_connection_flush_sync(connection_, nullptr, nullptr);
        releaseName(connection_);
    }
    closeBus(connection_);
}

bool SessionBus::serve(Service& service, GDBusConnection* own, const std::string& address,
                       std::string& error) {
    GDBusConnection* connection = connectToBus(address, error);
    if (!connection)
        return false;
    if (sameBus(connection, own)) {
        closeBus(connection);
        return true;
    }
    auto registry = std::make_unique<ObjectRegistry>(connection);
    if (!registry->add(*service.contract().find(kFtpInterface), service.dispatcher(), error) ||
        !ownName(connection, error)) {
        registry.reset();
        closeBus(connection);
        return false;
    }
    connection_ = connection;
    registry_ = std::move(registry);
    service.signals().alsoOn(connection_, kFtpInterface);
    return true;
}

}  // namespace btserver
