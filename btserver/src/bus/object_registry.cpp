#include "bus/object_registry.h"

namespace btserver {

namespace {

void onMethodCall(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*,
                  GVariant*, GDBusMethodInvocation* invocation, gpointer handler) {
    (*static_cast<MethodHandler*>(handler))(invocation);
}

void deleteHandler(gpointer handler) {
    delete static_cast<MethodHandler*>(handler);
}

const GDBusInterfaceVTable kVTable = {onMethodCall, nullptr, nullptr, {}};

}  // namespace

ObjectRegistry::ObjectRegistry(GDBusConnection* connection) : connection_(connection) {}

ObjectRegistry::~ObjectRegistry() {
    for (guint id : ids_) g_dbus_connection_unregister_object(connection_, id);
}

bool ObjectRegistry::add(const std::string& path, GDBusInterfaceInfo* info, MethodHandler handler,
                         std::string& error) {
    GError* failure = nullptr;
    guint id = g_dbus_connection_register_object(connection_, path.c_str(), info, &kVTable,
                                                 new MethodHandler(std::move(handler)),
                                                 deleteHandler, &failure);
    if (id == 0) {
        error = std::string(info->name) + " at " + path + ": " + failure->message;
        g_error_free(failure);
        return false;
    }
    ids_.push_back(id);
    return true;
}

bool ObjectRegistry::add(const Area& area, Dispatcher& dispatcher, std::string& error) {
    Dispatcher* to = &dispatcher;
    return add(
        area.path, area.info, [to](GDBusMethodInvocation* call) { to->dispatch(call); }, error);
}

}  // namespace btserver
