#include "control/transfer_events.h"

#include <glib/gstdio.h>

#include <cstring>
#include <filesystem>

#include "areas/connections.h"
#include "control/device_events.h"
#include "control/incoming_links.h"
#include "core/core.h"
#include "records/records.h"
#include "service.h"
#include "transfers/free_names.h"
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

// What a device sends: a put or a push of the source file, as `name` (the source's name
// when empty).
struct Sending {
    bool put = false;
    std::string device, source, name;
};

using Done = std::function<void(const std::string& error)>;

void send(Service& service, const Sending& sending, bool allowed, Done done);

std::string refusal(Verdict verdict) {
    switch (verdict) {
        case Verdict::TimedOut:
            return "the push was refused: the authorization request was not answered in time";
        case Verdict::Reset:
            return "the push was refused: the world was reset before the user answered";
        default:
            return "the push was refused by the user";
    }
}

// Asks the user to let the device push to the local object-push server, then sends the
// file once allowed, checked afresh.
void askFirst(Service& service, const Sending& sending, uint32_t device, Done done) {
    std::string error;
    uint32_t server = incomingServer(service, kObjectPushClass, error);
    if (!server)
        return done(error);
    if (error = incomingRefusal(service.world(), device, server); !error.empty())
        return done(error);
    Service* s = &service;
    service.authorizations().ask(server, device, [s, sending, done](Verdict verdict) {
        if (verdict == Verdict::Allowed)
            send(*s, sending, true, done);
        else
            done(refusal(verdict));
    });
}

void send(Service& service, const Sending& sending, bool allowed, Done done) {
    bool put = sending.put;
    RemoteDevice* device = namedDevice(service.world(), sending.device.c_str());
    if (!device)
        return done("no device " + sending.device);
    if (!g_file_test(sending.source.c_str(), G_FILE_TEST_IS_REGULAR))
        return done("no file " + sending.source);
    std::string name = sending.name.empty()
                           ? std::filesystem::path(sending.source).filename().string()
                           : sending.name;
    std::string folder;
    if (std::string error = destination(service, put, name, folder); !error.empty())
        return done(error);
    if (!put && !device->trusted && !allowed)
        return askFirst(service, sending, device->handle, std::move(done));

    const TransferSignals& signals = put ? kFtpSignals : kOppSignals;
    uint32_t status = put ? kReceivedByFileTransfer : kReceivedByObjectPush;
    uint32_t sender = device->handle;
    std::string error;
    uint32_t link =
        incomingLinkFor(service, sender, put ? kFileTransferClass : kObjectPushClass, error);
    if (!link)
        return done(error);
    // A put replaces a file of its name; a pushed object takes a free name.
    std::string target = put ? folder + "/" + name : freePath(service.transfers(), folder, name);
    name = std::filesystem::path(target).filename().string();
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
    service.transfers().keep(
        TransferJob::start(service, link, {{sending.source, target, name, false}},
                           statusReports(service, signals, std::nullopt), finish));
}

}  // namespace

bool isTransferEvent(const char* method) {
    return strcmp(method, "DevicePutsFile") == 0 || strcmp(method, "DevicePushesFile") == 0;
}

void runTransferEvent(Service& service, const char* method, GVariant* args, Done done) {
    Sending sending;
    sending.put = strcmp(method, "DevicePutsFile") == 0;
    const char *device = nullptr, *source = nullptr, *name = "";
    if (sending.put)
        g_variant_get(args, "(&s&s&s)", &device, &source, &name);
    else
        g_variant_get(args, "(&s&s)", &device, &source);
    sending.device = device;
    sending.source = source;
    sending.name = name;
    send(service, sending, false, std::move(done));
}

}  // namespace btserver
