// The hands-free area in both roles. Registering a hands-free service adds a running
// local server of its class, which remote devices can connect to. Every request about a
// connection answers 11 while no service is registered, 4 unless the connection is of a
// hands-free class, and 0 otherwise. An audio link per connection: its start and end are
// reported by "agap_ret_msg" events 0x0903 and 0x0904.
#include <cstring>

#include "areas/connections.h"
#include "core/core.h"
#include "profiles/hands_free.h"
#include "profiles/profile_areas.h"
#include "service.h"
#include "world/service_classes.h"

namespace btserver {

namespace {

constexpr uint32_t kAudioLinkUp = 0x0903;
constexpr uint32_t kAudioLinkDown = 0x0904;

// The result of a request about the connection before its own effect.
uint32_t check(World& world, uint32_t connection) {
    if (world.profiles.handsFree.servers.empty())
        return kResultNotRegistered;
    return handsFreeConnection(world, connection) ? kResultOk : kResultUnknownHandle;
}

void reportAudioLink(Service& service, uint32_t connection, uint32_t event) {
    service.signals().emit(kHandsFreeInterface, "agap_ret_msg",
                           g_variant_new("(uu@ayu)", connection, event, byteArray(Bytes()), 0u));
}

// Forgets the audio links of connections that ended.
void dropEndedLinks(World& world) {
    std::vector<uint32_t>& links = world.profiles.handsFree.audioLinks;
    links.erase(std::remove_if(links.begin(), links.end(),
                               [&world](uint32_t handle) { return !world.connection(handle); }),
                links.end());
}

// (name, class, features) → (result): 2 for a class other than the headset and hands-free
// ones or a name too long for a record; the features become the server's parameter word.
uint32_t registerHandsFree(World& world, const CallPtr& call) {
    const char* name = nullptr;
    guint32 serviceClass = 0, features = 0;
    g_variant_get(call->args(), "(&suu)", &name, &serviceClass, &features);
    if (!isHandsFreeClass(serviceClass) || strlen(name) > RemoteService::kMaxNameBytes)
        return kResultBadArgument;
    LocalServer& server =
        world.addServer(static_cast<uint16_t>(serviceClass), name, ServerStatus::Running);
    server.param = static_cast<uint16_t>(features);
    world.profiles.handsFree.servers.push_back(server.handle);
    return kResultOk;
}

// (server) → (result): 4 for a server that no registration made.
uint32_t unregisterHandsFree(Service& service, uint32_t server) {
    std::vector<uint32_t>& servers = service.world().profiles.handsFree.servers;
    auto found = std::find(servers.begin(), servers.end(), server);
    if (found == servers.end())
        return kResultUnknownHandle;
    servers.erase(found);
    removeServer(service, server);
    return kResultOk;
}

// (connection) → (result): 3 when the connection carries an audio link already.
uint32_t startAudio(Service& service, uint32_t connection) {
    World& world = service.world();
    if (uint32_t result = check(world, connection); result != kResultOk)
        return result;
    dropEndedLinks(world);
    std::vector<uint32_t>& links = world.profiles.handsFree.audioLinks;
    if (std::find(links.begin(), links.end(), connection) != links.end())
        return kResultBusy;
    links.push_back(connection);
    reportAudioLink(service, connection, kAudioLinkUp);
    return kResultOk;
}

// () → (result): ends every audio link; 10 when there is none.
uint32_t stopAudio(Service& service) {
    World& world = service.world();
    if (world.profiles.handsFree.servers.empty())
        return kResultNotRegistered;
    dropEndedLinks(world);
    std::vector<uint32_t> links = std::move(world.profiles.handsFree.audioLinks);
    world.profiles.handsFree.audioLinks.clear();
    for (uint32_t connection : links) reportAudioLink(service, connection, kAudioLinkDown);
    return links.empty() ? kResultNotConnected : kResultOk;
}

// The requests that take the connection first and answer only a result.
bool isPlainRequest(const GDBusMethodInfo* method) {
    return method->in_args && method->in_args[0] &&
           strcmp(method->in_args[0]->name, "conn_hdl") == 0 && method->out_args &&
           method->out_args[0] && !method->out_args[1];
}

}  // namespace

void addHandsFree(Service& service) {
    Dispatcher& table = service.dispatcher();
    World* world = &service.world();  // the world object stays, its value is reset
    Service* s = &service;
    const Area* area = service.contract().find(kHandsFreeInterface);
    for (GDBusMethodInfo** method = area->info->methods; *method; ++method)
        if (isPlainRequest(*method) && strcmp((*method)->name, "sco_start") != 0)
            table.add(kHandsFreeInterface, (*method)->name, [world](const CallPtr& call) {
                call->reply(g_variant_new("(u)", check(*world, wordArg(call, 0))));
            });
    // The simulated devices report no manufacturer or model identifier.
    for (const char* method : {"hfap_get_manufacturer_id", "hfap_get_model_id"})
        table.add(kHandsFreeInterface, method, [world](const CallPtr& call) {
            call->reply(
                g_variant_new("(@ayuu)", byteArray(Bytes()), 0u, check(*world, wordArg(call, 0))));
        });
    table.add(kHandsFreeInterface, "register_hfp_service", [world](const CallPtr& call) {
        call->reply(g_variant_new("(u)", registerHandsFree(*world, call)));
    });
    table.add(kHandsFreeInterface, "unregister_hfp_service", [s](const CallPtr& call) {
        call->reply(g_variant_new("(u)", unregisterHandsFree(*s, wordArg(call, 0))));
    });
    table.add(kHandsFreeInterface, "sco_start", [s](const CallPtr& call) {
        call->reply(g_variant_new("(u)", startAudio(*s, wordArg(call, 0))));
    });
    table.add(kHandsFreeInterface, "sco_stop",
              [s](const CallPtr& call) { call->reply(g_variant_new("(u)", stopAudio(*s))); });
}

}  // namespace btserver
