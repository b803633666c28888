// The security area: the security mode, answers to the authorisation requests that
// remote devices raise, and trusted devices. Trust covers the whole device: the service
// handle of "set_trusted_device" and "is_device_trusted" is not used.
#include <algorithm>

#include "areas/areas.h"
#include "core/core.h"
#include "service.h"

namespace btserver {

namespace {

// (service, device, answer): the request is answered; one that was not asked fails.
uint32_t authorizationResponse(World& world, const CallPtr& call) {
    uint32_t service = wordArg(call, 0), device = wordArg(call, 1);
    auto asked = std::find_if(world.authorizations.begin(), world.authorizations.end(),
                              [&](const Authorization& request) {
                                  return request.service == service && request.device == device;
                              });
    if (asked == world.authorizations.end())
        return kResultFailed;
    world.authorizations.erase(asked);
    return kResultOk;
}

}  // namespace

void addSecurityArea(Service& service) {
    Dispatcher& table = service.dispatcher();
    Service* s = &service;
    table.add(kSecurityInterface, "set_security_mode", [s](const CallPtr& call) {
        s->world().adapter.securityMode = wordArg(call, 0);
        call->reply(g_variant_new("(u)", kResultOk));
    });
    table.add(kSecurityInterface, "authorization_response", [s](const CallPtr& call) {
        call->reply(g_variant_new("(u)", authorizationResponse(s->world(), call)));
    });
    table.add(kSecurityInterface, "set_trusted_device", [s](const CallPtr& call) {
        RemoteDevice* device = s->world().knownDevice(wordArg(call, 1));
        gboolean trusted = FALSE;
        g_variant_get_child(call->args(), 2, "b", &trusted);
        if (device)
            device->trusted = trusted;
        call->reply(g_variant_new("(u)", device ? kResultOk : kResultUnknownHandle));
    });
    table.add(kSecurityInterface, "is_device_trusted", [s](const CallPtr& call) {
        RemoteDevice* device = s->world().knownDevice(wordArg(call, 1));
        call->reply(g_variant_new("(b)", device && device->trusted));
    });
}

}  // namespace btserver
