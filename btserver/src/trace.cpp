#include "trace.h"

#include <cstring>

namespace btserver {

Trace::Trace(const World& world, SignalEmitter& signals) : world_(world), signals_(signals) {}

void Trace::received(const char* method) {
    if (!world_.adapter.trace)
        return;
    GVariant* data = g_variant_new_fixed_array(G_VARIANT_TYPE_BYTE, method, strlen(method), 1);
    signals_.emit("btsdkinit", "log_tester_data",
                  g_variant_new("(yi@ay)", kReceivedCall, static_cast<int32_t>(next_++), data));
}

void Trace::reset() {
    next_ = 1;
}

}  // namespace btserver
