// The service area's local servers: the list and its enumerations, adding a server, its
// attribute record, and its status, which start_server and stop_server change.

#include "area_values.h"
#include "areas.h"
#include "connections.h"
#include "result_codes.h"
#include "service.h"
#include "wire_records.h"

namespace btserver {

namespace {

void listServers(World& world, const CallPtr& call) {
    uint32_t capacity = wordArg(call, 0);
    Bytes handles;
    uint32_t count = 0;
    for (const LocalServer& server : world.servers) {
        if (count == capacity)
            break;
        appendHandle(handles, server.handle);
        ++count;
    }
    call->reply(g_variant_new("(u@ayu)", count, byteArray(handles), kResultOk));
}

void startServerEnumeration(World& world, const CallPtr& call) {
    Enumeration enumeration{world.newHandle(), {}, 0};
    for (const LocalServer& server : world.servers) enumeration.handles.push_back(server.handle);
    world.serverEnumerations.push_back(enumeration);
    call->reply(g_variant_new("(u)", enumeration.handle));
}

// The next server still there, of the request's class when it names one, with its record
// in the request's mask; an empty reply and handle 0 at the end.
void nextServer(World& world, const CallPtr& call) {
    Enumeration* found = findEnumeration(world.serverEnumerations, wordArg(call, 0));
    Bytes request = bytesArg(call, 1);
    uint16_t wanted = recordClass(request);
    LocalServer* server = nullptr;
    while (found && !server && found->next < found->handles.size()) {
        server = world.server(found->handles[found->next++]);
        if (server && wanted != 0 && server->serviceClass != wanted)
            server = nullptr;
    }
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
    call->reply(g_variant_new("(@ayu)", byteArray(reply),
                              server ? kResultOk : kResultUnknownHandle));
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
    std::vector<uint32_t> dropped;
    for (const Connection& connection : service.world().connections)
        if (connection.incoming && connection.service == server->handle)
            dropped.push_back(connection.handle);
    for (uint32_t handle : dropped) endConnection(service, handle, true);
    server->status = ServerStatus::Stopped;
    call->reply(g_variant_new("(u)", kResultOk));
}

}  // namespace

void addLocalServers(Service& service) {
    Dispatcher& table = service.dispatcher();
    World* world = &service.world();  // the world object stays, its value is reset
    using WorldHandler = void (*)(World&, const CallPtr&);
    const std::pair<const char*, WorldHandler> methods[] = {
        {"get_local_servers", listServers},
        {"start_enum_local_server", startServerEnumeration},
        {"enum_local_server", nextServer},
        {"end_enum_local_server", endServerEnumeration},
        {"add_server", addServer},
        {"get_server_attributes", serverAttributes},
        {"update_server_attributes", updateAttributes},
        {"get_server_status", serverStatus},
        {"start_server", startServer},
    };
    for (const auto& [name, handler] : methods)
        table.add(kServiceInterface, name,
                  [world, handler = handler](const CallPtr& call) { handler(*world, call); });
    Service* s = &service;
    table.add(kServiceInterface, "stop_server", [s](const CallPtr& call) { stopServer(*s, call); });
}

}  // namespace btserver
