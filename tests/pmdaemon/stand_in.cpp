#include "stand_in.h"

#include "pm_threads.h"
#include "queue_probe.h"

namespace pmtest {

corvtest::StandInService& service() {
    return corvtest::StandInService::instance();
}

void useFastWorld() {
    service().loadScenario(CORVANE_SCENARIOS_DIR "/fast.ini");
}

std::vector<std::string> methodsCalled() {
    std::vector<std::string> names;
    for (const corvtest::RecordedCall& call : service().calls()) names.push_back(call.method);
    return names;
}

std::vector<corvtest::RecordedCall> callsOf(const std::string& method) {
    std::vector<corvtest::RecordedCall> found;
    for (corvtest::RecordedCall& call : service().calls())
        if (call.method == method)
            found.push_back(std::move(call));
    return found;
}

bool adapterPowered() {
    GVariant* adapter = service().adapter();
    gboolean powered = FALSE;
    g_variant_lookup(adapter, "powered", "b", &powered);
    g_variant_unref(adapter);
    return powered;
}

bool control(const char* method, GVariant* args) {
    GError* error = nullptr;
    GVariant* reply = g_dbus_connection_call_sync(
        service().bus(), "com.zel.corvane", "/com/zel/corvane/simctl", "com.zel.corvane.simctl",
        method, args, G_VARIANT_TYPE("()"), G_DBUS_CALL_FLAGS_NO_AUTO_START, 5000, nullptr, &error);
    if (!reply) {
        ADD_FAILURE() << method << ": " << error->message;
        g_error_free(error);
        return false;
    }
    g_variant_unref(reply);
    return true;
}

void emitVendorEvent(unsigned code) {
    service().emitSignal(kCallback, "vendor_event_ind",
                         "(uint32 " + std::to_string(code) + ", uint32 0, @ay [])");
}

void startListener() {
    ASSERT_TRUE(start_detect_thread(PM_THREAD_SIGNALS));
    bool heard = corvtest::waitFor(
        [] {
            service().emitSignal(kCallback, "hardware_error_ind", "(byte 0x01,)");
            return waitForQueued(1, 50);
        },
        5000);
    ASSERT_TRUE(heard) << "the listener never received a signal";
    // Signals of one sender arrive in order: once this one is queued, every probe still
    // on its way is queued before it.
    emitVendorEvent(0xF1);
    ASSERT_TRUE(corvtest::waitFor([] {
        Types types = queuedTypes();
        return !types.empty() && types.back() == 13;
    }));
    takeQueued();
}

}  // namespace pmtest
