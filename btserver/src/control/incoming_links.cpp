#include "control/incoming_links.h"

#include <glib.h>

#include <algorithm>

#include "areas/connections.h"
#include "service.h"

namespace btserver {

uint32_t incomingLinkFor(Service& service, uint32_t device, uint16_t serviceClass,
                         std::string& error) {
    const World& world = service.world();
    for (const Connection& connection : world.connections)
        if (connection.incoming && connection.device == device &&
            connection.serviceClass == serviceClass)
            return connection.handle;
    auto server = std::find_if(world.servers.begin(), world.servers.end(),
                               [serviceClass](const LocalServer& candidate) {
                                   return candidate.serviceClass == serviceClass;
                               });
    if (server == world.servers.end()) {
        gchar* text = g_strdup_printf("no local server of class 0x%04X", serviceClass);
        error = text;
        g_free(text);
        return 0;
    }
    uint32_t made = connectIncoming(service, device, server->handle, error);
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
