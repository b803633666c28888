// The object-push area's local server: the inbox that remote devices push objects into
// (see control/transfer_events.h), and the callbacks that clients register.
#include "core/core.h"
#include "service.h"
#include "transfers/transfer_calls.h"
#include "transfers/transfers.h"
#include "world/service_classes.h"

namespace btserver {

namespace {

// (inbox, outbox, card name) → the handle of the local object-push server (made when the
// world has none), or 0 for an empty inbox text. Objects that devices push arrive in the
// inbox.
void registerServer(Service& service, const CallPtr& call) {
    std::string inbox = textArg(call, 0);
    if (inbox.empty())
        return call->reply(g_variant_new("(u)", 0u));
    service.transfers().inbox = inbox;
    World& world = service.world();
    for (const LocalServer& server : world.servers)
        if (server.serviceClass == kObjectPushClass)
            return call->reply(g_variant_new("(u)", server.handle));
    LocalServer& made = world.addServer(kObjectPushClass, "Object Push", ServerStatus::Running);
    call->reply(g_variant_new("(u)", made.handle));
}

void unregisterServer(Service& service, const CallPtr& call) {
    service.transfers().inbox.clear();
    call->reply(g_variant_new("(u)", kResultOk));
}

void registerStatus(Service& service, const CallPtr& call) {
    registerStatusReports(service, call, kObjectPushClass);
}

}  // namespace

void addObjectPushServer(Service& service) {
    service.dispatcher().addEach(kOppInterface, service,
                                 {{"register_opp_service", registerServer},
                                  {"unregister_opp_service", unregisterServer},
                                  {"register_status_cbk", registerStatus},
                                  {"register_deal_receive_file_cbk", registerReceiveReports}});
}

}  // namespace btserver
