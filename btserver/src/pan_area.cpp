// The PAN area: the local PAN service registered in one of the three network roles,
// and the client's wish for PAN events (which the control interface sends).
#include "area_values.h"
#include "areas.h"
#include "profile_values.h"
#include "service.h"

namespace btserver {

namespace {

// PAN user, network access point, group ad-hoc network.
bool isPanRole(uint32_t role) {
    return role == 0x1115 || role == 0x1116 || role == 0x1117;
}

// (role, length, data) → (result): 2 for another role or a length that is not the data's.
// Registering again is allowed.
uint32_t registerPan(Pan& pan, const CallPtr& call) {
    if (!isPanRole(wordArg(call, 0)) || wordArg(call, 1) != bytesArg(call, 2).size())
        return kResultBadArgument;
    pan.registered = true;
    return kResultOk;
}

}  // namespace

void addPan(Service& service) {
    Dispatcher& table = service.dispatcher();
    Pan* pan = &service.world().profiles.pan;  // the world object stays, its value is reset
    table.add(kPanInterface, "register_pan_service", [pan](const CallPtr& call) {
        call->reply(g_variant_new("(u)", registerPan(*pan, call)));
    });
    table.add(kPanInterface, "unregister_pan_service", [pan](const CallPtr& call) {
        uint32_t result = pan->registered ? kResultOk : kResultNotRegistered;
        pan->registered = false;
        call->reply(g_variant_new("(u)", result));
    });
    table.add(kPanInterface, "register_event_cbk", [pan](const CallPtr& call) {
        pan->events = true;
        call->reply(g_variant_new("(u)", kResultOk));
    });
}

}  // namespace btserver
