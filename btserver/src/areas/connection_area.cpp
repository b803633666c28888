// The connection area: connecting to a remote device's service after the scenario's
// while, the property records with their growing duration and traffic, the lists and
// enumerations of connections, and ending them.
#include "areas/areas.h"
#include "areas/connections.h"
#include "areas/enumerations.h"
#include "core/core.h"
#include "records/records.h"
#include "service.h"

namespace btserver {

namespace {

constexpr uint32_t kAclBase = 0x80;  // ACL handles are this plus the device handle

// A shortcut of the connected service that is not connected yet reads the connection as
// its own, as when it was connected through the shortcut.
void linkShortcuts(World& world, uint32_t handle) {
    const Connection* made = world.connection(handle);
    if (!made)
        return;
    for (Shortcut& shortcut : world.shortcuts)
        if (shortcut.connection == 0 && shortcut.device == made->device &&
            shortcut.service == made->service)
            shortcut.connection = handle;
}

// (device, class[, parameters]) → (connection, result) after the scenario's while;
// connect_ex also sends "signal_connect_ex_complete".
void connect(Service& service, const CallPtr& call, bool extended) {
    uint32_t device = wordArg(call, 0);
    uint16_t serviceClass = static_cast<uint16_t>(wordArg(call, 1));
    uint32_t port = extended ? requestedPort(serviceClass, bytesArg(call, 2)) : 0;
    Service* s = &service;
    bool started =
        connectService(service, device, serviceClass, port, [=](uint32_t handle, uint32_t result) {
            if (result == kResultOk)
                linkShortcuts(s->world(), handle);
            call->reply(g_variant_new("(uu)", handle, result));
            if (extended)
                s->signals().emit(kConnectionInterface, "signal_connect_ex_complete",
                                  g_variant_new("(uu)", handle, result));
        });
    if (!started)
        call->reply(g_variant_new("(uu)", 0u, kResultUnknownHandle));
}

void property(World& world, const CallPtr& call) {
    Connection* connection = world.connection(wordArg(call, 0));
    Bytes record = connection ? connectionRecord(*connection, g_get_monotonic_time())
                              : Bytes(kConnectionRecordBytes, 0);
    call->reply(
        g_variant_new("(@ayu)", byteArray(record), connection ? kResultOk : kResultUnknownHandle));
}

void listConnections(World& world, const CallPtr& call, bool incoming) {
    uint32_t max = wordArg(call, 0);
    Bytes handles;
    uint32_t count = 0;
    for (const Connection& connection : world.connections)
        if (connection.incoming == incoming && count < max) {
            appendWord(handles, connection.handle);
            ++count;
        }
    call->reply(g_variant_new("(@ayu)", byteArray(handles), count));
}

void startEnumeration(World& world, const CallPtr& call) {
    uint32_t handle =
        beginEnumeration(world, world.connectionEnumerations, handlesOf(world.connections));
    call->reply(g_variant_new("(u)", handle));
}

// The next connection still up, with its record; a zero record and handle 0 at the end.
void nextConnection(World& world, const CallPtr& call) {
    Connection* connection = nextOf(withHandle(world.connectionEnumerations, wordArg(call, 0)),
                                    [&world](uint32_t handle) { return world.connection(handle); });
    Bytes record = connection ? connectionRecord(*connection, g_get_monotonic_time())
                              : Bytes(kConnectionRecordBytes, 0);
    call->reply(g_variant_new("(@ayu)", byteArray(record), connection ? connection->handle : 0u));
}

void connectPlain(Service& service, const CallPtr& call) {
    connect(service, call, false);
}

void connectExtended(Service& service, const CallPtr& call) {
    connect(service, call, true);
}

void disconnect(Service& service, const CallPtr& call) {
    bool ended = endConnection(service, wordArg(call, 0), Ending::Disconnected);
    call->reply(g_variant_new("(u)", ended ? kResultOk : kResultUnknownHandle));
}

void incoming(World& world, const CallPtr& call) {
    listConnections(world, call, true);
}

void outgoing(World& world, const CallPtr& call) {
    listConnections(world, call, false);
}

void endConnectionEnumeration(World& world, const CallPtr& call) {
    uint32_t result = endEnumeration(world.connectionEnumerations, wordArg(call, 0));
    call->reply(g_variant_new("(i)", static_cast<gint32>(result)));
}

// The COM port of a serial-type connection, or of a local serial server (from its
// extension block); 0 for anything else.
void serverPort(World& world, const CallPtr& call) {
    uint32_t handle = wordArg(call, 0);
    uint32_t port = 0;
    if (const Connection* connection = world.connection(handle))
        port = connection->port;
    else if (const LocalServer* server = world.server(handle);
             server && isSerialType(server->serviceClass))
        port = requestedPort(server->serviceClass, server->extension);
    call->reply(g_variant_new("(u)", port));
}

void aclHandle(World& world, const CallPtr& call) {
    Connection* connection = world.connection(wordArg(call, 0));
    call->reply(g_variant_new("(u)", connection ? kAclBase + connection->device : 0u));
}

}  // namespace

void addConnections(Service& service) {
    Dispatcher& table = service.dispatcher();
    table.addEach(
        kConnectionInterface, service,
        {{"connect", connectPlain}, {"connect_ex", connectExtended}, {"disconnect", disconnect}});
    table.addEach(kConnectionInterface, service.world(),
                  {{"get_connection_property", property},
                   {"get_all_incoming_connections", incoming},
                   {"get_all_outgoing_connections", outgoing},
                   {"start_enum_connection", startEnumeration},
                   {"enum_connection", nextConnection},
                   {"end_enum_connection", endConnectionEnumeration},
                   {"get_server_port", serverPort},
                   {"get_acl_handle", aclHandle}});
}

}  // namespace btserver
