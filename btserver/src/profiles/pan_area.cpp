// The PAN area: the local PAN service registered in one of the three network roles,
// and the client's wish for PAN events (which the control interface sends).
#include "core/core.h"
#include "profiles/profile_areas.h"
#include "service.h"
#include "world/service_classes.h"

namespace btserver {

namespace {

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
