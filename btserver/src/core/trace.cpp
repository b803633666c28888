#include "core/trace.h"

#include <cstring>

#include "core/call_args.h"
#include "core/interface_names.h"

namespace btserver {

Trace::Trace(const World& world, SignalEmitter& signals) : world_(world), signals_(signals) {}

void Trace::received(const char* method) {
    if (!world_.adapter.trace)
        return;
    GVariant* data = byteArray(reinterpret_cast<const uint8_t*>(method), strlen(method));
    signals_.emit(kInitInterface, "log_tester_data",
                  g_variant_new("(yi@ay)", kReceivedCall, static_cast<int32_t>(next_++), data));
}

void Trace::reset() {
    next_ = 1;
}

}  // namespace btserver
