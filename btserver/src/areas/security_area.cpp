// The security area: the security mode, answers to the authorisation requests that
// remote devices raise, and trusted devices. Trust covers the whole device: the service
// handle of "set_trusted_device" and "is_device_trusted" is not used.
#include "areas/areas.h"
#include "core/core.h"
#include "service.h"

namespace btserver {

namespace {

// (service, device, answer): the request is answered (authorizations.h); one that was
// not asked fails.
uint32_t authorizationResponse(Authorizations& requests, const CallPtr& call) {
    return requests.answer(wordArg(call, 0), wordArg(call, 1), wordArg(call, 2)) ? kResultOk
                                                                                 : kResultFailed;
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
        call->reply(g_variant_new("(u)", authorizationResponse(s->authorizations(), call)));
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
