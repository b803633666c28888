#include "file_transfer_area.h"

#include <glib.h>

#include "device_folder.h"
#include "file_transfer_paths.h"
#include "result_codes.h"
#include "service.h"

namespace btserver {

uint32_t findLink(World& world, uint32_t handle, uint16_t serviceClass, TransferLink& out) {
    Connection* connection = world.connection(handle);
    if (!connection || connection->incoming || connection->serviceClass != serviceClass)
        return kResultUnknownHandle;
    RemoteDevice* device = world.device(connection->device);
    RemoteService* service = world.remoteService(connection->service);
    if (!device || !service)
        return kResultUnknownHandle;
    out = {connection, device, service};
    return kResultOk;
}

uint32_t findFtpLink(Service& service, uint32_t handle, FtpLink& out) {
    uint32_t result = findLink(service.world(), handle, kFileTransferClass, out.link);
    if (result != kResultOk)
        return result;
    out.tree = treeFolder(service.stateDir(), *out.link.device);
    out.folder = &service.transfers().folder(handle);
    return kResultOk;
}

uint32_t resolveIn(const FtpLink& link, const std::string& path, std::string& normal) {
    return resolveRemotePath(*link.folder, path, normal) ? kResultOk : kResultBadArgument;
}

bool absoluteLocal(const std::string& path) {
    return g_path_is_absolute(path.c_str());
}

TransferJob::Alive linkAlive(Service& service, uint32_t connection) {
    World* world = &service.world();  // the world object stays, its value is reset
    return [world, connection] { return world->connection(connection) != nullptr; };
}

TransferJob::Report statusSignal(Service& service, const char* interface, const char* signal) {
    Service* s = &service;
    return [s, interface, signal](uint32_t first, uint32_t last, const std::string& name,
                                  uint32_t size, uint32_t done) {
        gchar* text = g_utf8_make_valid(name.c_str(), -1);  // local names may be any bytes
        s->signals().emit(interface, signal, g_variant_new("(uusuu)", first, last, text, size, done));
        g_free(text);
    };
}

}  // namespace btserver
