// The file-transfer area's local server: the shared folder that remote devices put files
// into (see control/transfer_events.h), and the callbacks that clients register.
#include <glib.h>

#include "core/core.h"
#include "service.h"
#include "transfers/transfer_calls.h"
#include "transfers/transfers.h"
#include "world/service_classes.h"

namespace btserver {

namespace {

// (access, folder): 2 for an empty folder text, 1 when it is not a folder.
void registerServer(Service& service, const CallPtr& call) {
    guint32 access = 0;
    const char* folder = nullptr;
    g_variant_get(call->args(), "(u&s)", &access, &folder);
    uint32_t result = !*folder                                   ? kResultBadArgument
                      : !g_file_test(folder, G_FILE_TEST_IS_DIR) ? kResultFailed
                                                                 : kResultOk;
    if (result == kResultOk)
        service.transfers().sharedFolder = SharedFolder{folder, access};
    call->reply(g_variant_new("(u)", result));
}

void registerStatus(Service& service, const CallPtr& call) {
    registerStatusReports(service, call, kFileTransferClass);
}

void unregisterServer(Service& service, const CallPtr& call) {
    service.transfers().sharedFolder.reset();
    call->reply(g_variant_new("(u)", kResultOk));
}

}  // namespace

void addFileTransferServer(Service& service) {
    service.dispatcher().addEach(kFtpInterface, service,
                                 {{"register_ftp_service", registerServer},
                                  {"unregister_ftp_service", unregisterServer},
                                  {"register_status_cbk", registerStatus},
                                  {"register_deal_receive_file_cbk", registerReceiveReports}});
}

}  // namespace btserver
