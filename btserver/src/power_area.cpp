// The power interface: "suspend" turns Bluetooth off before the system sleeps, "resume"
// turns it on again afterwards; both report the change with "bt_status".
#include "areas.h"
#include "service.h"

namespace btserver {

namespace {

constexpr const char* kPower = "com.zel.corvane.Device";

}  // namespace

void addPowerArea(Service& service) {
    Dispatcher& table = service.dispatcher();
    Service* s = &service;
    table.add(kPower, "suspend", [s](const CallPtr& call) { switchPower(*s, call, false); });
    table.add(kPower, "resume", [s](const CallPtr& call) { switchPower(*s, call, true); });
}

}  // namespace btserver
