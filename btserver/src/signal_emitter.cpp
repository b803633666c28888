#include "signal_emitter.h"

#include "variant_ptr.h"

namespace btserver {

SignalEmitter::SignalEmitter(GDBusConnection* connection, const Contract& contract)
    : connection_(connection), contract_(contract) {}

bool SignalEmitter::emit(const std::string& interface, const char* signal, GVariant* args,
                         std::string* error) {
    VariantPtr value = takeVariant(args);
    const Area* area = contract_.find(interface);
    if (!area) {
        if (error)
            *error = "unknown interface " + interface;
        return false;
    }
    GError* failure = nullptr;
    if (!g_dbus_connection_emit_signal(connection_, nullptr, area->path.c_str(), area->info->name,
                                       signal, value.get(), &failure)) {
        if (error)
            *error = failure->message;
        g_error_free(failure);
        return false;
    }
    return true;
}

}  // namespace btserver
