#include "connection_events.h"

namespace bttest {

std::vector<ConnectionEvent> eventsOf(SignalRecorder& recorder) {
    std::vector<ConnectionEvent> events;
    for (GVariant* args : recorder.take()) {
        ConnectionEvent e{};
        GVariant* record = nullptr;
        g_variant_get(args, "(uu@ay)", &e.connection, &e.event, &record);
        gsize size = 0;
        auto* data = static_cast<const uint8_t*>(g_variant_get_fixed_array(record, &size, 1));
        e.record.assign(data, data + size);
        g_variant_unref(record);
        g_variant_unref(args);
        events.push_back(e);
    }
    return events;
}

}  // namespace bttest
