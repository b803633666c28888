// The file-transfer area's local server: the shared folder that remote devices put files
// into (see transfer_events.h), and the callbacks that clients register.
#include <glib.h>

#include "area_values.h"
#include "areas.h"
#include "file_transfer_area.h"
#include "service.h"

namespace btserver {

namespace {

// (access, folder): 2 for an empty folder text, 1 when it is not a folder.
void registerServer(Service& service, const CallPtr& call) {
    guint32 access = 0;
    const char* folder = nullptr;
    g_variant_get(call->args(), "(u&s)", &access, &folder);
    uint32_t result = !*folder                                     ? kResultBadArgument
                      : !g_file_test(folder, G_FILE_TEST_IS_DIR) ? kResultFailed
                                                                 : kResultOk;
    if (result == kResultOk)
        service.transfers().sharedFolder = SharedFolder{folder, access};
    call->reply(g_variant_new("(u)", result));
}

// (connection): 0 for a file-transfer connection, or 0 for the local server's reports.
void registerStatus(Service& service, const CallPtr& call) {
    uint32_t handle = wordArg(call, 0);
    FtpLink link;
    call->reply(g_variant_new("(u)", handle == 0 ? kResultOk : findFtpLink(service, handle, link)));
}

}  // namespace

void addFileTransferServer(Service& service) {
    Dispatcher& table = service.dispatcher();
    Service* s = &service;
    table.add(kFtpInterface, "register_ftp_service",
              [s](const CallPtr& call) { registerServer(*s, call); });
    table.add(kFtpInterface, "unregister_ftp_service", [s](const CallPtr& call) {
        s->transfers().sharedFolder.reset();
        call->reply(g_variant_new("(u)", kResultOk));
    });
    table.add(kFtpInterface, "register_status_cbk",
              [s](const CallPtr& call) { registerStatus(*s, call); });
    table.add(kFtpInterface, "register_deal_receive_file_cbk",
              [](const CallPtr& call) { call->reply(g_variant_new("(u)", kResultOk)); });
}

}  // namespace btserver
