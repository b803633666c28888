#include "service_probe.h"

namespace {

const char* const kServiceName = "com.zel.corvane";
constexpr int kReplyTimeoutMs = 1000;

}  // namespace

ServiceProbe::~ServiceProbe() { disconnect(); }

bool ServiceProbe::connect() {
    if (connection_ && dbus_connection_get_is_connected(connection_)) return true;
    disconnect();
    connection_ = dbus_bus_get_private(DBUS_BUS_SYSTEM, nullptr);
    // The bus going away must not end the manager.
    if (connection_) dbus_connection_set_exit_on_disconnect(connection_, FALSE);
    return connection_ != nullptr;
}

void ServiceProbe::disconnect() {
    if (!connection_) return;
    dbus_connection_close(connection_);
    dbus_connection_unref(connection_);
    connection_ = nullptr;
}

bool ServiceProbe::serviceOnBus() {
    if (!connect()) return false;
    DBusMessage* question = dbus_message_new_method_call(DBUS_SERVICE_DBUS, DBUS_PATH_DBUS, DBUS_INTERFACE_DBUS,
                                                         "NameHasOwner");
    if (!question) return false;
    const char* name = kServiceName;
    dbus_message_append_args(question, DBUS_TYPE_STRING, &name, DBUS_TYPE_INVALID);
    DBusMessage* answer = dbus_connection_send_with_reply_and_block(connection_, question, kReplyTimeoutMs, nullptr);
    dbus_message_unref(question);
    dbus_bool_t owned = FALSE;
    if (answer) {
        dbus_message_get_args(answer, nullptr, DBUS_TYPE_BOOLEAN, &owned, DBUS_TYPE_INVALID);
        dbus_message_unref(answer);
    }
    return owned;
}
