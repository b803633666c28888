#include "core/signal_emitter.h"

#include "core/variant_ptr.h"

namespace btserver {

namespace {

// To `destination` alone when it is not null, else to every receiver.
bool emitOn(GDBusConnection* connection, const char* destination, const Area& area,
            const char* signal, GVariant* args, std::string* error) {
    GError* failure = nullptr;
    if (g_dbus_connection_emit_signal(connection, destination, area.path.c_str(), area.info->name,
                                      signal, args, &failure))
        return true;
    if (error)
        *error = failure->message;
    g_error_free(failure);
    return false;
}

}  // namespace

SignalEmitter::SignalEmitter(GDBusConnection* connection, const Contract& contract)
    : connection_(connection), contract_(contract) {}

SignalEmitter::~SignalEmitter() {
    for (const SecondBus& bus : secondBuses_) g_object_unref(bus.connection);
}

void SignalEmitter::alsoOn(GDBusConnection* connection, const std::string& interface) {
    secondBuses_.push_back({G_DBUS_CONNECTION(g_object_ref(connection)), interface});
}

const Area* SignalEmitter::areaOf(const std::string& interface, std::string* error) const {
    const Area* area = contract_.find(interface);
    if (!area && error)
        *error = "unknown interface " + interface;
    return area;
}

bool SignalEmitter::emit(const std::string& interface, const char* signal, GVariant* args,
                         std::string* error) {
    VariantPtr value = takeVariant(args);
    const Area* area = areaOf(interface, error);
    if (!area)
        return false;
    bool sent = emitOn(connection_, nullptr, *area, signal, value.get(), error);
    for (const SecondBus& bus : secondBuses_)
        if (bus.interface == area->info->name)
            sent = emitOn(bus.connection, nullptr, *area, signal, value.get(), error) && sent;
    return sent;
}

bool SignalEmitter::emitTo(const Recipient& to, const std::string& interface, const char* signal,
                           GVariant* args, std::string* error) {
    VariantPtr value = takeVariant(args);
    const Area* area = areaOf(interface, error);
    return area && emitOn(to.connection.get(), to.name.empty() ? nullptr : to.name.c_str(), *area,
                          signal, value.get(), error);
}

}  // namespace btserver
