// The initialisation area: Bluetooth start and stop, readiness, the settings files that
// the service owns, and the trace switch.
#include <string>

#include "areas/areas.h"
#include "core/core.h"
#include "service.h"
#include "state/state.h"

namespace btserver {

namespace {

GVariant* resultOnly(uint32_t result) {
    return g_variant_new("(u)", result);
}

}  // namespace

// Turns Bluetooth on or off after the scenario's while; already there, it answers at once.
void switchPower(Service& service, const CallPtr& call, bool on) {
    if (service.world().adapter.powered == on)
        return call->reply(resultOnly(kResultOk));
    const Timing& timing = service.world().timing;
    service.timers().after(on ? timing.startBluetoothMs : timing.stopBluetoothMs,
                           [&service, call, on] {
                               service.world().adapter.powered = on;
                               announceStatus(service, on ? kStatusOn : kStatusOff);
                               call->reply(resultOnly(kResultOk));
                           });
}

namespace {

// A relative file name is a file of the state folder.
std::string settingsPath(const Service& service, const char* file) {
    return g_path_is_absolute(file) ? file : service.stateDir() + "/" + file;
}

uint32_t storeSetting(const Service& service, const char* section, const char* key,
                      const std::string& value, const char* file) {
    std::string error;
    if (*file && writeSetting(settingsPath(service, file), section, key, value, error))
        return kResultOk;
    g_printerr("bt_server: cannot write %s of [%s] in \"%s\": %s\n", key, section, file,
               *file ? error.c_str() : "no file name");
    return kResultFailed;
}

}  // namespace

void announceStatus(Service& service, uint32_t status) {
    service.signals().emit(kInitInterface, "bt_status", g_variant_new("(u)", status));
}

void addInitArea(Service& service) {
    Dispatcher& table = service.dispatcher();
    Service* s = &service;
    table.add(kInitInterface, "start_bluetooth",
              [s](const CallPtr& call) { switchPower(*s, call, true); });
    table.add(kInitInterface, "stop_bluetooth",
              [s](const CallPtr& call) { switchPower(*s, call, false); });
    table.add(kInitInterface, "is_sdk_initialized",
              [](const CallPtr& call) { call->reply(resultOnly(1)); });
    table.add(kInitInterface, "is_bluetooth_ready", [s](const CallPtr& call) {
        call->reply(resultOnly(s->world().adapter.powered ? 1 : 0));
    });
    table.add(kInitInterface, "write_private_profile_string", [s](const CallPtr& call) {
        const char *section, *key, *value, *file;
        g_variant_get(call->args(), "(&s&s&s&s)", &section, &key, &value, &file);
        call->reply(resultOnly(storeSetting(*s, section, key, value, file)));
    });
    table.add(kInitInterface, "write_private_profile_int", [s](const CallPtr& call) {
        const char *section, *key, *file;
        guint32 value = 0;
        g_variant_get(call->args(), "(&s&su&s)", &section, &key, &value, &file);
        std::string text = std::to_string(static_cast<int32_t>(value));
        call->reply(resultOnly(storeSetting(*s, section, key, text, file)));
    });
    table.add(kInitInterface, "set_log_tester_data_switch", [s](const CallPtr& call) {
        gint32 on = 0;
        g_variant_get(call->args(), "(i)", &on);
        s->world().adapter.trace = on != 0;
        call->reply(g_variant_new("(i)", 0));
    });
}

}  // namespace btserver
