#include "control/transfer_events.h"

#include <glib/gstdio.h>

#include <cstring>
#include <filesystem>

#include "control/device_events.h"
#include "core/core.h"
#include "records/records.h"
#include "service.h"
#include "control/incoming_links.h"
#include "transfers/transfer_calls.h"
#include "world/service_classes.h"

namespace btserver {

namespace {

bool plainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

// Where the event's file goes, or the error text.
std::string destination(Service& service, bool put, const std::string& name, std::string& folder) {
    if (put) {
        const std::optional<SharedFolder>& shared = service.transfers().sharedFolder;
        if (!shared)
            return "no shared folder is registered (register_ftp_service)";
        if (!(shared->access & 1))
            return "the shared folder's access does not let remote devices write";
        folder = shared->path;
    } else {
        folder = service.transfers().inbox;
        if (folder.empty())
            return "no inbox is registered (register_opp_service)";
        std::error_code failure;
        std::filesystem::create_directories(folder, failure);
        if (failure)
            return "cannot make the inbox " + folder + ": " + failure.message();
    }
    if (!plainName(name))
        return "the name " + name + " cannot name a file in the folder";
    return {};
}

}  // namespace

bool isTransferEvent(const char* method) {
    return strcmp(method, "DevicePutsFile") == 0 || strcmp(method, "DevicePushesFile") == 0;
}

void runTransferEvent(Service& service, const char* method, GVariant* args,
                      std::function<void(const std::string& error)> done) {
    bool put = strcmp(method, "DevicePutsFile") == 0;
    const char *deviceName = nullptr, *source = nullptr, *givenName = "";
    if (put)
        g_variant_get(args, "(&s&s&s)", &deviceName, &source, &givenName);
    else
        g_variant_get(args, "(&s&s)", &deviceName, &source);
    RemoteDevice* device = namedDevice(service.world(), deviceName);
    if (!device)
        return done(std::string("no device ") + deviceName);
    if (!g_file_test(source, G_FILE_TEST_IS_REGULAR))
        return done(std::string("no file ") + source);
    std::string name = *givenName ? givenName : std::filesystem::path(source).filename().string();
    std::string folder;
    if (std::string error = destination(service, put, name, folder); !error.empty())
        return done(error);

    const TransferSignals& signals = put ? kFtpSignals : kOppSignals;
    uint32_t status = put ? kReceivedByFileTransfer : kReceivedByObjectPush;
    uint32_t sender = device->handle;
    std::string error;
    uint32_t link =
        incomingLinkFor(service, sender, put ? kFileTransferClass : kObjectPushClass, error);
    if (!link)
        return done(error);
    std::string target = folder + "/" + name;
    Service* s = &service;
    auto finish = [s, signals, status, sender, link, target, name, done](uint32_t result) {
        if (result == kResultOk) {
            GStatBuf written;
            uint64_t size =
                g_stat(target.c_str(), &written) == 0 ? static_cast<uint64_t>(written.st_size) : 0;
            Bytes record = receivedFileRecord(status, size, sender, name);
            s->signals().emit(signals.interface, signals.received,
                              g_variant_new("(@ay)", byteArray(record)));
        }
        releaseIncomingLink(*s, link);
        done(result == kResultOk ? std::string()
                                 : "the copy ended with result " + std::to_string(result));
    };
    service.transfers().keep(TransferJob::start(service, link, {{source, target, name, false}},
                                                statusReports(service, signals, std::nullopt),
                                                finish));
}

}  // namespace btserver
