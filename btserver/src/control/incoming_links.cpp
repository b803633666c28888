#include "control/incoming_links.h"

#include <glib.h>

#include <algorithm>

#include "areas/connections.h"
#include "service.h"

namespace btserver {

uint32_t incomingServer(Service& service, uint16_t serviceClass, std::string& error) {
    const World& world = service.world();
    auto server = std::find_if(world.servers.begin(), world.servers.end(),
                               [serviceClass](const LocalServer& candidate) {
                                   return candidate.serviceClass == serviceClass;
                               });
    if (server != world.servers.end())
        return server->handle;
    gchar* text = g_strdup_printf("no local server of class 0x%04X", serviceClass);
    error = text;
    g_free(text);
    return 0;
}

uint32_t incomingLinkFor(Service& service, uint32_t device, uint16_t serviceClass,
                         std::string& error) {
    for (const Connection& connection : service.world().connections)
        if (connection.incoming && connection.device == device &&
            connection.serviceClass == serviceClass)
            return connection.handle;
    uint32_t server = incomingServer(service, serviceClass, error);
    if (!server)
        return 0;
    uint32_t made = connectIncoming(service, device, server, error);
    if (made)
        service.transfers().madeLinks().insert(made);
    return made;
}

void releaseIncomingLink(Service& service, uint32_t connection) {
    TransferSessions& sessions = service.transfers();
    if (!sessions.madeLinks().count(connection) || sessions.running(connection))
        return;
    sessions.madeLinks().erase(connection);
    endConnection(service, connection, Ending::Dropped);
}

}  // namespace btserver
