#include "control/stack_events.h"

#include <cstring>

#include "areas/areas.h"
#include "core/core.h"
#include "service.h"

namespace btserver {

namespace {

constexpr uint32_t kVendorKillReleased = 0xF0;
constexpr uint32_t kVendorKilled = 0xF1;

void radioOff(Service& service) {
    if (!service.world().adapter.powered)
        return;
    service.world().adapter.powered = false;
    announceStatus(service, kStatusOff);
}

}  // namespace

bool isStackEvent(const char* method) {
    return strcmp(method, "SetHardwareKill") == 0 || strcmp(method, "RaiseHardwareError") == 0;
}

std::string runStackEvent(Service& service, const char* method, GVariant* args) {
    std::string error;
    if (strcmp(method, "SetHardwareKill") == 0) {
        gboolean killed = FALSE;
        g_variant_get(args, "(b)", &killed);
        if (killed)
            radioOff(service);
        service.signals().emit(
            kCallbackInterface, "vendor_event_ind",
            g_variant_new("(uu@ay)", killed ? kVendorKilled : kVendorKillReleased, 0u,
                          byteArray(Bytes())),
            &error);
    } else {
        guchar code = 0;
        g_variant_get(args, "(y)", &code);
        radioOff(service);
        service.signals().emit(kCallbackInterface, "hardware_error_ind", g_variant_new("(y)", code),
                               &error);
    }
    return error;
}

}  // namespace btserver
