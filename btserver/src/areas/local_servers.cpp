// The service area's local servers: the list and its enumerations, adding a server, its
// attribute record, and its status, which start_server and stop_server change.
#include "areas/areas.h"
#include "areas/connections.h"
#include "areas/enumerations.h"
#include "core/core.h"
#include "records/records.h"
#include "service.h"
#include "world/service_classes.h"

namespace btserver {

namespace {

void listServers(World& world, const CallPtr& call) {
    uint32_t capacity = wordArg(call, 0);
    Bytes handles;
    uint32_t count = 0;
    for (const LocalServer& server : world.servers) {
        if (count == capacity)
            break;
        appendWord(handles, server.handle);
        ++count;
    }
    call->reply(g_variant_new("(u@ayu)", count, byteArray(handles), kResultOk));
}

void startServerEnumeration(World& world, const CallPtr& call) {
    uint32_t handle = beginEnumeration(world, world.serverEnumerations, handlesOf(world.servers));
    call->reply(g_variant_new("(u)", handle));
}

// The next server still there, of the request's class when it names one, with its record
// in the request's mask; an empty reply and handle 0 at the end.
void nextServer(World& world, const CallPtr& call) {
    Bytes request = bytesArg(call, 1);
    uint16_t wanted = recordClass(request);
    LocalServer* server = nextOf(
        withHandle(world.serverEnumerations, wordArg(call, 0)), [&world, wanted](uint32_t handle) {
            LocalServer* found = world.server(handle);
            bool fits = found && (wanted == 0 || found->serviceClass == wanted);
            return fits ? found : nullptr;
        });
    Bytes reply = server ? serverRecord(*server, recordMask(request)) : Bytes();
    call->reply(g_variant_new("(@ayu)", byteArray(reply), server ? server->handle : 0u));
}

void endServerEnumeration(World& world, const CallPtr& call) {
    call->reply(g_variant_new("(u)", endEnumeration(world.serverEnumerations, wordArg(call, 0))));
}

// A new stopped server with no class and no name; its record carries its handle.
void addServer(World& world, const CallPtr& call) {
    LocalServer server;
    server.handle = world.newHandle();
    world.servers.push_back(server);
    call->reply(g_variant_new("(@ayu)", byteArray(serverRecord(server, 0)), kResultOk));
}

void serverAttributes(World& world, const CallPtr& call) {
    LocalServer* server = world.server(wordArg(call, 0));
    Bytes request = bytesArg(call, 1);
    Bytes reply = server ? serverRecord(*server, recordMask(request)) : Bytes();
    call->reply(
        g_variant_new("(@ayu)", byteArray(reply), server ? kResultOk : kResultUnknownHandle));
}

// Takes the record's class when it names one (a server made by add_server has none),
// then the fields that its mask names.
void updateAttributes(World& world, const CallPtr& call) {
    LocalServer* server = world.server(wordArg(call, 0));
    Bytes record = bytesArg(call, 1);
    if (!server)
        return call->reply(g_variant_new("(u)", kResultUnknownHandle));
    if (record.size() < kAttrRecordBytes)
        return call->reply(g_variant_new("(u)", kResultBadArgument));
    uint16_t serviceClass = recordClass(record);
    if (serviceClass != 0 && serviceClass != server->serviceClass) {
        server->serviceClass = serviceClass;
        server->extension.assign(serverExtensionBytes(serviceClass), 0);
    }
    applyServerRecord(*server, record);
    call->reply(g_variant_new("(u)", kResultOk));
}

void serverStatus(World& world, const CallPtr& call) {
    LocalServer* server = world.server(wordArg(call, 0));
    call->reply(g_variant_new("(uu)", server ? static_cast<uint32_t>(server->status) : 0u,
                              server ? kResultOk : kResultUnknownHandle));
}

// Starting a server in use leaves it in use.
void startServer(World& world, const CallPtr& call) {
    LocalServer* server = world.server(wordArg(call, 0));
    if (server && server->status == ServerStatus::Stopped)
        server->status = ServerStatus::Running;
    call->reply(g_variant_new("(u)", server ? kResultOk : kResultUnknownHandle));
}

// Stopping a server drops the remote devices' connections to it.
void stopServer(Service& service, const CallPtr& call) {
    LocalServer* server = service.world().server(wordArg(call, 0));
    if (!server)
        return call->reply(g_variant_new("(u)", kResultUnknownHandle));
    dropServerConnections(service, server->handle);
    server->status = ServerStatus::Stopped;
    call->reply(g_variant_new("(u)", kResultOk));
}

}  // namespace

void addLocalServers(Service& service) {
    service.dispatcher().addEach(kServiceInterface, service.world(),
                                 {{"get_local_servers", listServers},
                                  {"start_enum_local_server", startServerEnumeration},
                                  {"enum_local_server", nextServer},
                                  {"end_enum_local_server", endServerEnumeration},
                                  {"add_server", addServer},
                                  {"get_server_attributes", serverAttributes},
                                  {"update_server_attributes", updateAttributes},
                                  {"get_server_status", serverStatus},
                                  {"start_server", startServer}});
    service.dispatcher().addEach(kServiceInterface, service, {{"stop_server", stopServer}});
}

}  // namespace btserver
