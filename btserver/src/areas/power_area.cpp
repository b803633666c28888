// The power interface: "suspend" turns Bluetooth off before the system sleeps, "resume"
// turns it on again afterwards; both report the change with "bt_status".
#include "areas/areas.h"
#include "core/core.h"
#include "service.h"

namespace btserver {

void addPowerArea(Service& service) {
    Dispatcher& table = service.dispatcher();
    Service* s = &service;
    table.add(kPowerInterface, "suspend",
              [s](const CallPtr& call) { switchPower(*s, call, false); });
    table.add(kPowerInterface, "resume", [s](const CallPtr& call) { switchPower(*s, call, true); });
}

}  // namespace btserver
