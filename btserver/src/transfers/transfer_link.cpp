#include "transfers/transfer_link.h"

#include <glib.h>

#include "core/result_codes.h"
#include "service.h"
#include "state/state.h"
#include "transfers/remote_paths.h"
#include "world/service_classes.h"

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

}  // namespace btserver
